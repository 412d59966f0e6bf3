// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileVersion.h"
#include "media/MediaInfo.h"

#include <QList>
#include <QString>

#include <optional>

class BatchList;

// What the completion screen offers to do with the last batch's originals, and what came of it.
// The desktop's Trash does the moving; the session keeps this in the state.
struct TrashOffer
{
    enum class Stage { NothingOffered, Offered, Moving, Moved, PuttingBack, PutBack };

    // An original whose file was converted in the batch, and where its converted file went.
    struct Original
    {
        QString path;
        qint64 size = 0;
        // The original as its encode found it; any other file at its path now is not the one
        // that was converted.
        FileVersion encoded;
        // What its headers said before its encode, where they were read.
        std::optional<MediaInfo> media;
        QString outputPath;
    };
    struct Trashed
    {
        QString original;
        QString inTrash;
        FileIdentity identity;
    };
    struct Moves
    {
        QList<Trashed> moved;
        qsizetype unchecked = 0;  // their converted files could not be checked
        qsizetype changed = 0;    // replaced or written since their encode began
        qsizetype incomplete = 0; // their converted files lack subtitles or chapters
        qsizetype refused = 0;    // the Trash would not take them
    };
    struct Returns
    {
        qsizetype putBack = 0;
        qsizetype nameTaken = 0;
        qsizetype failed = 0;
    };

    // The originals of the batch's converted files that are still there as regular files: a
    // link in the Trash would free nothing.
    static QList<Original> convertedOriginals(const BatchList &files);

    qint64 offeredBytes() const;

    Stage stage = Stage::NothingOffered;
    QList<Original> originals;
    Moves moves;
    Returns returns;
    // Tells a late answer from the Trash about a batch since forgotten.
    int generation = 0;
};
