// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FileOutcome.h"
#include "files/FileVersion.h"
#include "media/MediaInfo.h"

#include <QUrl>

#include <optional>

// One file of the list the user builds and a batch converts: which file it is, where it stands,
// and, once it has ended, what became of it.
struct BatchFile
{
    enum class Stage {
        Listed,     // on the drop screen, not part of a batch
        Waiting,    // in the running batch, not begun
        Converting, // its encoder runs
        Finished,   // converted or not: see the outcome
    };

    bool isPending() const { return stage == Stage::Waiting || stage == Stage::Converting; }

    QUrl url;
    qint64 size = 0; // in bytes, as measured when the file joined its batch
    // What its headers say, once they have been read; a file is encoded only after that.
    std::optional<MediaInfo> media;
    Stage stage = Stage::Listed;
    // The input as its encode found it: only that version of it was converted.
    std::optional<FileVersion> encodedVersion;
    // While converting: the share the encoder reports as done, unclamped, and its own estimate
    // of the time the file still needs.
    double fraction = 0.0;
    std::optional<qint64> encoderSecondsLeft;
    // Once finished; its output path is where the converted file went.
    FileOutcome outcome;
};
