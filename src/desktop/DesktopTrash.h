// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

// The desktop's Trash as every file manager keeps it: a file moves into the Trash of its own
// drive beside a note of where it came from and when, so that any file manager lists it under its
// own name and can put it back. The note is written whole before the file moves, and removed if
// the move fails, so that no entry lacks its note; a Trash that refuses says so at once.
namespace DesktopTrash {

// Moves the file at `path` to the Trash and returns where it now lies; none, with errno set,
// where the Trash would not take it whole.
std::optional<QString> move(const QString &path);

// Puts a file moved by `move` back at `original`, never in place of a file there, and removes
// its note. 0, or -1 with errno.
int putBack(const QString &inTrash, const QString &original);

} // namespace DesktopTrash
