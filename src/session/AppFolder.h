// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The fixed output folder: "Clipforger" in the user's Documents folder.
namespace AppFolder {

// Resolves the folder from the desktop's Documents location (XDG user dirs). A desktop that
// names no Documents folder gets $HOME/Documents, so the path is always absolute.
QString resolve(const QString &documentsLocation);
QString resolve();

// Resolves the folder and creates it with its parents. Failing to create it is not an error:
// the path is returned all the same.
QString resolveAndCreate();

} // namespace AppFolder
