#include "VideoFileTyping.h"

#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <array>

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

bool isVideoName(const QString &name)
{
    return name.startsWith(QLatin1StringView("video/"));
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
    if (name.startsWith(QLatin1StringView("audio/")) ||
        name.startsWith(QLatin1StringView("image/")))
        return false;
    const QStringList ancestors = type.allAncestors();
    return std::any_of(ancestors.begin(), ancestors.end(), isVideoName);
}

bool VideoFileTyping::mayBeVideo(const QUrl &url) const
{
    if (!url.isLocalFile())
        return false;
    // The full typing picks among the name's candidates, or goes by content when the name
    // matches nothing: only a name whose every candidate is something else rules video out.
    const QList<QMimeType> candidates = m_database.mimeTypesForFileName(url.fileName());
    return candidates.isEmpty() ||
           std::any_of(candidates.begin(), candidates.end(),
                       [this](const QMimeType &type) { return isVideoType(type); });
}

bool VideoFileTyping::isVideoFile(const QUrl &url) const
{
    if (!url.isLocalFile())
        return false;
    // Checked first so that nothing is ever opened that is not a regular file: a pipe named
    // "x.mp4" would block the read forever.
    const QFileInfo info(url.toLocalFile());
    if (!info.isFile() || info.size() == 0)
        return false;
    return isVideoType(m_database.mimeTypeForFile(info));
}
