// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VideoFileTyping.h"

#include "LocalPath.h"
#include "files/RegularFile.h"

#include <QUrl>

#include <algorithm>
#include <array>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Video containers that the database files outside video/. Matched exactly, not by
// inheritance: audio/x-matroska and audio/x-ms-wma inherit the generic Matroska and ASF types.
// Generic Ogg stays out: most of it is audio, and Ogg video is typed video/ogg by its content.
constexpr std::array videoContainers = {
    QLatin1StringView("application/mxf"),
    QLatin1StringView("application/vnd.rn-realmedia"),
    QLatin1StringView("application/x-matroska"),
    QLatin1StringView("application/vnd.ms-asf"),
};

// Camcorders name their MPEG program streams .MOD and .TOD; the database files the names under
// tracker music, so the chooser's filter would hide them.
constexpr std::array camcorderPatterns = {
    QLatin1StringView("*.mod"),
    QLatin1StringView("*.tod"),
};

// Transport streams share their names with other files: TypeScript modules (.ts, .mts) and
// Blu-ray's playlists and clip indexes (.mpls, .clpi), which the database files under the
// stream's type by name alone.
const QString transportStream = QStringLiteral("video/mp2t");

// What the database reads to type a file by content.
constexpr qsizetype headSize = 16 * 1024;

bool isVideoName(const QString &name)
{
    return name.startsWith(QLatin1StringView("video/"));
}

bool isAudioOrImage(const QMimeType &type)
{
    return type.name().startsWith(QLatin1StringView("audio/")) ||
           type.name().startsWith(QLatin1StringView("image/"));
}

// The first bytes of a non-empty regular file, or nothing. Only regular files are ever opened:
// a pipe named "x.mp4" would block the read for ever, and opening a device may act on it.
QByteArray readHead(const QByteArray &path)
{
    struct stat info;
    if (::stat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0)
        return {};
    // Checked again on the descriptor, in case the file was swapped for a pipe since.
    const int fd = RegularFile::openForReading(path, &info);
    if (fd < 0)
        return {};
    QByteArray head;
    {
        head.resize(std::min<qsizetype>(headSize, info.st_size));
        qsizetype got = 0;
        while (got < head.size()) {
            const ssize_t n = ::read(fd, head.data() + got, size_t(head.size() - got));
            if (n <= 0)
                break;
            got += n;
        }
        head.truncate(got);
    }
    ::close(fd);
    return head;
}

} // namespace

bool VideoFileTyping::isVideoType(const QMimeType &type) const
{
    const QString name = type.name();
    if (std::find(videoContainers.begin(), videoContainers.end(), name) != videoContainers.end())
        return true;
    // Playlists such as video/vnd.mpegurl are text that names videos, not videos.
    if (type.inherits(QStringLiteral("text/plain")))
        return false;
    if (isVideoName(name))
        return true;
    // Ringtones (audio/x-m4r) and WebM audio inherit video types but hold no picture.
    if (isAudioOrImage(type))
        return false;
    const QStringList ancestors = type.allAncestors();
    return std::any_of(ancestors.begin(), ancestors.end(), isVideoName);
}

bool VideoFileTyping::mayBeVideo(const QUrl &url) const
{
    if (!url.isLocalFile())
        return false;
    // The full typing picks among the name's candidates, or goes by content when the name
    // matches nothing or says audio or image: only a name whose every candidate is something
    // else rules video out.
    const QList<QMimeType> candidates = m_database.mimeTypesForFileName(url.fileName());
    return candidates.isEmpty() ||
           std::any_of(candidates.begin(), candidates.end(), [this](const QMimeType &type) {
               return isVideoType(type) || isAudioOrImage(type);
           });
}

bool VideoFileTyping::isVideoFile(const QUrl &url) const
{
    const QByteArray path = LocalPath::fromUrl(url);
    return !path.isEmpty() && isVideoFile(path);
}

bool VideoFileTyping::isVideoFile(const QByteArray &path) const
{
    // An unreadable file reads as empty, and is left out like one.
    const QByteArray head = readHead(path);
    return !head.isEmpty() &&
           isVideoContent(LocalPath::readableName(LocalPath::fileName(path)), head);
}

bool VideoFileTyping::isVideoContent(const QString &fileName, const QByteArray &head) const
{
    const QMimeType type = m_database.mimeTypeForFileNameAndData(fileName, head);
    // A name that a transport stream shares with other files: only the stream's packets, which
    // begin with a sync byte every 188 or 192 bytes, make it one.
    if (type.inherits(transportStream))
        return m_database.mimeTypeForData(head).inherits(transportStream);
    if (isVideoType(type))
        return true;
    // Camcorder .MOD files are MPEG program streams that the name alone calls tracker music:
    // where the name says audio or image, content that is not of that type but video wins.
    if (!isAudioOrImage(type))
        return false;
    // A generic container that the name's type is a kind of (audio/x-matroska of Matroska)
    // is a match, not a contradiction.
    const QMimeType byContent = m_database.mimeTypeForData(head);
    const bool matchesName = byContent.inherits(type.name()) || type.inherits(byContent.name());
    return !matchesName && isVideoType(byContent);
}

QStringList VideoFileTyping::videoFilePatterns() const
{
    QStringList patterns;
    for (const QMimeType &type : m_database.allMimeTypes()) {
        if (isVideoType(type))
            patterns += type.globPatterns();
    }
    for (const QLatin1StringView pattern : camcorderPatterns)
        patterns.append(pattern);
    patterns.removeDuplicates();
    return patterns;
}
