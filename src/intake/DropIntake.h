// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ReadableAliases.h"

#include <QList>
#include <QObject>
#include <QThreadPool>
#include <QUrl>

#include <atomic>

// Types given URLs off the main thread and reports the videos among them as soon as they are
// known, so that a list fed from it grows in completion order. A folder contributes the video
// files inside it, in name order, reported in batches while it is walked.
class DropIntake : public QObject
{
    Q_OBJECT

public:
    explicit DropIntake(QObject *parent = nullptr);
    ~DropIntake() override;

    // Returns at once; every URL is typed, or walked, on its own.
    void take(const QList<QUrl> &urls);
    // Forgets every take still at work: nothing more arrives from them.
    void cancel();

Q_SIGNALS:
    void videosFound(const QList<QUrl> &urls);

private:
    // Our own pool, so that typing never waits behind other users of the global one; its
    // threads are released after a while without work.
    QThreadPool m_pool;
    ReadableAliases m_aliases;
    // Raised by cancel(); work begun under an older value stops and its findings are dropped.
    std::atomic<quint64> m_generation = 0;
};
