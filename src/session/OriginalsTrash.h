// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/MediaInfo.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class BatchList;

// Once a batch has converted files, moves their originals to the desktop's Trash, and puts
// them back on request. An original goes only once its converted file has been read back and
// found to be the same clip: as long, with as many audio tracks, dated as the original. Every
// probe and move waits on the disk, so all of it runs off the GUI thread; nothing is deleted.
class OriginalsTrash : public QObject
{
    Q_OBJECT

public:
    enum class Stage { NothingOffered, Offered, Moving, Moved, PuttingBack, PutBack };

    // An original whose file was converted in the batch, and where its converted file went.
    struct Original
    {
        QString path;
        qint64 size = 0;
        // What its headers said before its encode, where they were read.
        std::optional<MediaInfo> media;
        QString outputPath;
    };

    explicit OriginalsTrash(QObject *parent = nullptr);

    // The originals of the batch's converted files that are still there as regular files: a
    // link in the Trash would free nothing.
    static QList<Original> convertedOriginals(const BatchList &files);

    // Offers the originals of a batch that has just ended, forgetting any earlier batch.
    void offer(const QList<Original> &originals);
    // Checks each offered original's converted file and moves those that pass to the Trash.
    void moveToTrash();
    // Moves every original back from the Trash to its old name, where that name is still free.
    void putBack();

    Stage stage() const { return m_stage; }
    qint64 offeredBytes() const;
    qsizetype movedCount() const { return m_moves.moved.size(); }
    // "Move originals to Trash (2.6 GB)".
    QString offerText() const;
    // What the last move or putting back did, a line each; empty before either.
    QStringList statusLines() const;

Q_SIGNALS:
    void stageChanged();

private:
    struct Trashed
    {
        QString original;
        QString inTrash;
    };
    struct Moves
    {
        QList<Trashed> moved;
        qsizetype unchecked = 0;
        qsizetype refused = 0;
    };
    struct Returns
    {
        qsizetype putBack = 0;
        qsizetype nameTaken = 0;
        qsizetype failed = 0;
    };

    static bool convertedIntact(const Original &original);
    static Moves moveChecked(const QList<Original> &originals);
    static Returns moveBack(const QList<Trashed> &trashed);
    void setStage(Stage stage);

    Stage m_stage = Stage::NothingOffered;
    QList<Original> m_originals;
    Moves m_moves;
    Returns m_returns;
    // Tells a late result from a batch since forgotten.
    int m_generation = 0;
};
