// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMimeDatabase>

class QUrl;

// Decides whether a dropped URL is a video file, by the desktop's shared MIME database: the same
// typing the file manager shows. Widget-free and safe to use from any thread.
class VideoFileTyping
{
public:
    // A quick verdict from the file name alone, with no disk access, for a drag that is still
    // hovering: false only when the name rules video out.
    bool mayBeVideo(const QUrl &url) const;

    // The full verdict: a non-empty, readable local regular file whose type, by name and content,
    // is video. Reads the file system and up to the first 16 KiB of the file, so keep it off the
    // main thread.
    bool isVideoFile(const QUrl &url) const;
    // The same for a local path given as the file system's bytes.
    bool isVideoFile(const QByteArray &path) const;

    bool isVideoType(const QMimeType &type) const;

    // Name patterns of every video type, for a file chooser's filter.
    QStringList videoFilePatterns() const;

private:
    bool isVideoContent(const QString &fileName, const QByteArray &head) const;

    QMimeDatabase m_database;
};
