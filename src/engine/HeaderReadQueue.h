// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/MediaHelperPool.h"
#include "media/MediaInfo.h"

#include <QObject>
#include <QThreadPool>
#include <QUrl>

#include <memory>

class BatchList;

// Reads the headers of every file of a list, one file at a time in list order, off the GUI
// thread, and tells what they say: as soon as files are listed, so that the batch knows each
// file before its encode begins. It only reads the list; whoever owns it notes what it tells.
class HeaderReadQueue : public QObject
{
    Q_OBJECT

public:
    HeaderReadQueue(const BatchList *files, std::shared_ptr<MediaHelperPool> helpers,
                    QObject *parent = nullptr);
    // Waits for the file being read, which a pipe or a slow disk cannot hold up for long: only
    // regular files are opened.
    ~HeaderReadQueue() override;

    // The list changed: files may have been added, or all replaced.
    void readNewFiles();

Q_SIGNALS:
    // The file at `index`, still listed there and not read before, has these headers.
    void headersRead(qsizetype index, const MediaInfo &media);

private:
    void probeNext();
    void onProbed(qsizetype index, const QUrl &url, const MediaInfo &media);

    const BatchList *m_files;
    std::shared_ptr<MediaHelperPool> m_helpers;
    QThreadPool m_pool;
    // No file before it waits to be read.
    qsizetype m_next = 0;
    bool m_probing = false;
};
