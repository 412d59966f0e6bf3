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

    // The full verdict: a non-empty local regular file whose type, by name and content, is video.
    // Reads the file system and up to the first 16 KiB of the file, so keep it off the main thread.
    bool isVideoFile(const QUrl &url) const;

    bool isVideoType(const QMimeType &type) const;

private:
    QMimeDatabase m_database;
};
