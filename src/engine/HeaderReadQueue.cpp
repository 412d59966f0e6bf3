// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HeaderReadQueue.h"

#include "BatchList.h"
#include "media/MediaProbe.h"

#include <QFutureWatcher>
#include <QtConcurrent>

HeaderReadQueue::HeaderReadQueue(const BatchList *files, std::shared_ptr<MediaHelperPool> helpers,
                                 QObject *parent)
    : QObject(parent)
    , m_files(files)
    , m_helpers(std::move(helpers))
{
    m_pool.setMaxThreadCount(1);
}

HeaderReadQueue::~HeaderReadQueue()
{
    m_pool.waitForDone();
}

void HeaderReadQueue::readNewFiles()
{
    // Files may have been replaced as well as added.
    m_next = 0;
    probeNext();
}

void HeaderReadQueue::probeNext()
{
    if (m_probing)
        return;
    while (m_next < m_files->size() && m_files->at(m_next).media)
        ++m_next;
    if (m_next == m_files->size())
        return;
    m_probing = true;
    const qsizetype index = m_next;
    const QUrl url = m_files->at(index).url;
    auto *watcher = new QFutureWatcher<MediaInfo>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, index, url] {
        watcher->deleteLater();
        m_probing = false;
        onProbed(index, url, watcher->result());
        probeNext();
    });
    watcher->setFuture(QtConcurrent::run(&m_pool, [path = url.toLocalFile(), helpers = m_helpers] {
        return MediaProbe::probe(path, *helpers);
    }));
}

void HeaderReadQueue::onProbed(qsizetype index, const QUrl &url, const MediaInfo &media)
{
    // The list may have been replaced while the file was read; its result then waits for nobody.
    if (index < m_files->size() && m_files->at(index).url == url && !m_files->at(index).media) {
        m_next = index + 1;
        Q_EMIT headersRead(index, media);
    }
}
