#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shows the window in one face on a private Xvfb server with a private session bus and prints
# what a screen reader reads of it over AT-SPI: every object's role, name, value and position.
# Usage: scripts/accessible-tree.sh BUILD_DIR FACE   (faces: clipforger-screen-tour --list)
set -euo pipefail
[[ -n ${XVFB_PID:-} ]] || exec "$(dirname "$0")/with-xvfb.sh" "$0" "$@"
[[ -n ${CLIPFORGER_PRIVATE_BUS:-} ]] || exec env CLIPFORGER_PRIVATE_BUS=1 dbus-run-session -- "$0" "$@"

build_dir=$(realpath "${1:?usage: $0 BUILD_DIR FACE}")
face=${2:?usage: $0 BUILD_DIR FACE}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
# The accessibility bus and its registry run before the window starts, as on a desktop.
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)'

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 HOME="$home" \
    "$build_dir/bin/clipforger-screen-tour" "$face" &
tour_pid=$!
# While converting, the title leads with the batch's percent.
xdotool search --sync --onlyvisible --name 'Clipforger$' >/dev/null
sleep 1
status=0
"$(dirname "$0")/read-accessible-tree.py" Clipforger 2>/dev/null || status=$?
kill "$tour_pid"
wait "$tour_pid" 2>/dev/null || true
exit "$status"
