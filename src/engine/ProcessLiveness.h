// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// Whether the process that left something behind (a temporary file, a lock, a folder of links)
// still runs, so that what it left is still its own.
namespace ProcessLiveness {

// No such process, or one that has ended and only waits for its parent to reap it: a zombie
// keeps its id for a moment after it was killed, but does nothing any more.
bool hasEnded(qint64 pid);

// Runs and is Clipforger: the same command or executable as this process. Errs on the side of a
// running instance: a process that cannot be told apart is taken for one.
bool isRunningInstance(qint64 pid);

} // namespace ProcessLiveness
