// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayList>
#include <QList>
#include <QUrl>

// `clipforger [FILE...]`: each argument is a path, relative or absolute, or a file URL, listed as
// if it had been dropped. --help and --version answer as Qt's command-line apps do, and exit.
namespace CommandLine {

// Whether the arguments ask for help or the version: texts that need no display, so that they
// answer over SSH and in scripts too, before any window system is opened.
bool asksOnlyForText(int argc, char **argv);

// Whether a window system was named: by the environment or by Qt's -platform option. Without one
// Qt could only abort, so the arguments are answered in text instead.
bool namesAWindowSystem(int argc, char **argv);

// Parses the arguments that are left once QApplication has taken its own; exits for --help,
// --version and options it does not know.
QList<QUrl> filesToOpen(int argc, char **argv);

// The URL an argument stands for, with every byte of a path kept; relative paths are taken from
// `workingDirectory`.
QUrl urlFor(const QByteArray &argument, const QByteArray &workingDirectory);

} // namespace CommandLine
