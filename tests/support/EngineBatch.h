// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/BatchConverter.h"
#include "engine/BatchList.h"
#include "engine/HeaderReadQueue.h"
#include "media/MediaHelperPool.h"

#include <QList>
#include <QObject>
#include <QUrl>

// A batch list with its header reader and its converter, each event applied to the list as the
// session applies it, for tests and benchmarks of the engine below the session; and the order in
// which the list's files began and ended.
class EngineBatch : public QObject
{
    Q_OBJECT

public:
    // With the app's own media helpers unless given others, which stay at hand between batches.
    EngineBatch(const QString &encoderPath, const QString &outputFolder,
                std::shared_ptr<MediaHelperPool> helpers = MediaHelperPool::bundled());

    // The files join a new batch, which begins.
    void start(const QList<QUrl> &urls);
    // More files join the running batch.
    void join(const QList<QUrl> &urls);

    BatchOutcomes outcomes() const { return files.outcomes(); }
    QList<FileOutcome::Failure> failures() const;

    BatchList files;
    std::shared_ptr<MediaHelperPool> mediaHelpers;
    HeaderReadQueue reader;
    BatchConverter converter;
    QList<qsizetype> started;
    QList<qsizetype> ended;
};
