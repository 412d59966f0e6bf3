// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class BatchSession;

// The faces the window can show, set up from made-up state: "empty", "ready", "restored" (files
// an unfinished batch left), "converting" (mid-batch), "paused" (the same, paused), "complete",
// "partly-failed", "failed", "stopped" and "trash-offered" (complete, with the originals' Trash
// offered).
namespace TourFaces {

QStringList names();

// Puts the session's state into the named face; false for a name it does not know.
bool show(BatchSession &session, const QString &face);

} // namespace TourFaces
