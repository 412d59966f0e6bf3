// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <sys/stat.h>

namespace RegularFile {

// Opens `path` for reading only where it is a regular file, and never waits: a pipe put in a
// file's place would hold the reader for ever, and opening a device may act on it. What was
// checked is what the descriptor reads. Gives the descriptor, to be closed, and what fstat says
// of it in `status` where asked; -1 where the path is no readable regular file.
int openForReading(const QByteArray &path, struct stat *status = nullptr);

} // namespace RegularFile
