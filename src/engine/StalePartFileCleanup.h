// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Clears an output folder of what ended instances left behind: the temporary files of encodes
// that never finished because the app was killed or the machine went down. The app runs it
// once at start; it only reads the folder's names unless there is something to remove.
class StalePartFileCleanup
{
public:
    // Removes the regular files in `folder` that carry a temporary file's name and whose owner
    // no longer runs, or is no longer Clipforger. Follows no symbolic links and never touches
    // a running instance's files or anything else. Returns how many files it removed.
    static int run(const QString &folder);
};
