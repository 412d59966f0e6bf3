// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DropIntake.h"

#include "IntakeWalk.h"

DropIntake::DropIntake(QObject *parent)
    : QObject(parent)
{}

DropIntake::~DropIntake()
{
    // Walks not yet started are dropped and running ones stop at their next entry; what they
    // post to this object goes with it.
    cancel();
    m_pool.clear();
    m_pool.waitForDone();
}

void DropIntake::take(const QList<QUrl> &urls)
{
    const quint64 generation = m_generation;
    for (const QUrl &url : urls) {
        m_pool.start([this, generation, url] {
            const auto stillWanted = [this, generation] { return m_generation == generation; };
            const auto deliver = [this, generation](const QList<QUrl> &videos) {
                QMetaObject::invokeMethod(
                    this,
                    [this, generation, videos] {
                        if (m_generation == generation)
                            Q_EMIT videosFound(videos);
                    },
                    Qt::QueuedConnection);
            };
            IntakeWalk(m_aliases, stillWanted, deliver).run(url);
        });
    }
}

void DropIntake::cancel()
{
    ++m_generation;
}
