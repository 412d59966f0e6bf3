#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Prints the accessible tree of the application named on the command line, as a screen reader
reads it over AT-SPI: one object a line, indented by depth, with its role, name, description,
value, focus and position on the screen."""
import sys

import pyatspi


def describe(node):
    parts = [node.getRoleName(), repr(node.name)]
    if node.description:
        parts.append("description=" + repr(node.description))
    try:
        value = node.queryValue()
        parts.append("value=%g of %g..%g" % (value.currentValue, value.minimumValue,
                                             value.maximumValue))
    except NotImplementedError:
        pass
    states = node.getState()
    if states.contains(pyatspi.STATE_FOCUSED):
        parts.append("focused")
    elif states.contains(pyatspi.STATE_FOCUSABLE):
        parts.append("focusable")
    try:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        parts.append("at %d,%d %dx%d" % (box.x, box.y, box.width, box.height))
    except NotImplementedError:
        pass
    return " ".join(parts)


def walk(node, depth=0):
    print("  " * depth + describe(node))
    for child in node:
        if child is not None:
            walk(child, depth + 1)


def main():
    name = sys.argv[1] if len(sys.argv) > 1 else "Clipforger"
    desktop = pyatspi.Registry.getDesktop(0)
    for application in desktop:
        if application is not None and application.name == name:
            walk(application)
            return 0
    print("no application named %r on the accessibility bus" % name, file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
