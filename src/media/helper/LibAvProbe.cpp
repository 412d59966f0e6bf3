// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LibAvProbe.h"

#include "LibAv.h"

#include <QScopeGuard>
#include <QStringList>

#include <algorithm>
#include <cmath>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/display.h>
}

namespace LibAvProbe {

namespace {

const AVStream *firstVideoStream(const AVFormatContext *context)
{
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        if (stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO &&
            !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
            return stream;
    }
    return nullptr;
}

QSize shownPicture(const AVStream *stream)
{
    const AVCodecParameters *video = stream->codecpar;
    double width = video->width;
    const AVRational aspect = video->sample_aspect_ratio;
    if (aspect.num > 0 && aspect.den > 0)
        width = width * aspect.num / aspect.den;
    QSize picture(int(std::lround(width)), video->height);
    // Phones store the picture as the sensor saw it and say how to turn it.
    const auto *matrix = reinterpret_cast<const int32_t *>(
        av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, nullptr));
    if (matrix) {
        const double degrees = av_display_rotation_get(matrix);
        if (std::isfinite(degrees) && std::lround(std::abs(degrees) / 90.0) % 2 == 1)
            picture.transpose();
    }
    return picture;
}

QString tag(const AVDictionary *tags, const char *key)
{
    const AVDictionaryEntry *entry = av_dict_get(tags, key, nullptr, AV_DICT_MATCH_CASE);
    return entry ? QString::fromUtf8(entry->value) : QString();
}

// The container's time in UTC; else the time a camera noted, with its own offset.
QDateTime recordingTime(const AVDictionary *tags)
{
    for (const char *key : {"creation_time", "com.apple.quicktime.creationdate"}) {
        const QDateTime time = QDateTime::fromString(tag(tags, key), Qt::ISODateWithMs);
        if (time.isValid())
            return time.toUTC();
    }
    return {};
}

bool isMp4OrMatroska(const AVFormatContext *context)
{
    const QByteArray names = context->iformat->name;
    return names.startsWith("mov,mp4") || names.startsWith("matroska");
}

bool isTurned(const AVStream *stream)
{
    const auto *matrix = reinterpret_cast<const int32_t *>(
        av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, nullptr));
    if (!matrix)
        return false;
    const double degrees = av_display_rotation_get(matrix);
    return !std::isfinite(degrees) || std::lround(degrees) % 360 != 0;
}

// Also shown as stored: square pixels, no turn and no HDR transfer, which simple players and
// messengers ignore.
bool isWidelyPlayableVideo(const AVStream *stream)
{
    const AVCodecParameters *video = stream->codecpar;
    const auto format = AVPixelFormat(video->format);
    const AVRational aspect = video->sample_aspect_ratio;
    return video->codec_id == AV_CODEC_ID_H264 &&
           (format == AV_PIX_FMT_YUV420P || format == AV_PIX_FMT_YUVJ420P) &&
           std::max(video->width, video->height) <= 1920 &&
           std::min(video->width, video->height) <= 1080 &&
           (aspect.num == 0 || aspect.num == aspect.den) && !isTurned(stream) &&
           video->color_trc != AVCOL_TRC_SMPTE2084 && video->color_trc != AVCOL_TRC_ARIB_STD_B67;
}

// Every picture, sound and subtitle track is one that plays nearly everywhere and that MP4 takes
// as it is; covers and data tracks do not count.
bool isWidelyPlayable(const AVFormatContext *context)
{
    if (!isMp4OrMatroska(context))
        return false;
    int videoTracks = 0;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        const AVCodecParameters *codec = stream->codecpar;
        switch (codec->codec_type) {
        case AVMEDIA_TYPE_VIDEO:
            if (stream->disposition & AV_DISPOSITION_ATTACHED_PIC)
                break;
            if (++videoTracks > 1 || !isWidelyPlayableVideo(stream))
                return false;
            break;
        case AVMEDIA_TYPE_AUDIO:
            if (codec->codec_id != AV_CODEC_ID_AAC)
                return false;
            break;
        case AVMEDIA_TYPE_SUBTITLE:
            if (codec->codec_id != AV_CODEC_ID_MOV_TEXT)
                return false;
            break;
        default:
            break;
        }
    }
    return videoTracks == 1;
}

// The longest of the pictures and sounds; a subtitle or data track may run on past them, and
// the encoder does not keep it.
std::optional<qint64> playingTimeMs(const AVFormatContext *context)
{
    std::optional<qint64> longest;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        const AVMediaType type = stream->codecpar->codec_type;
        if ((type == AVMEDIA_TYPE_VIDEO || type == AVMEDIA_TYPE_AUDIO) && stream->duration > 0 &&
            !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
            longest = std::max<qint64>(
                longest.value_or(0), av_rescale_q(stream->duration, stream->time_base, {1, 1000}));
    }
    if (!longest && context->duration > 0)
        longest = context->duration / (AV_TIME_BASE / 1000);
    return longest;
}

// The tags the output keeps: the place and the camera, as phones and cameras write them.
QStringList recordingTagKeys()
{
    return {QStringLiteral("location"),
            QStringLiteral("com.apple.quicktime.location.ISO6709"),
            QStringLiteral("make"),
            QStringLiteral("model"),
            QStringLiteral("com.apple.quicktime.make"),
            QStringLiteral("com.apple.quicktime.model"),
            QStringLiteral("com.android.manufacturer"),
            QStringLiteral("com.android.model")};
}

} // namespace

MediaInfo probe(const char *path)
{
    MediaInfo info;
    LibAv::quietLogs();
    AVFormatContext *context = nullptr;
    if (avformat_open_input(&context, path, nullptr, nullptr) < 0)
        return info;
    const auto close = qScopeGuard([&context] { avformat_close_input(&context); });
    // Some containers (camcorders' MPEG program streams) name their streams only in the packets.
    if (avformat_find_stream_info(context, nullptr) < 0)
        return info;

    info.readable = true;
    info.durationMs = playingTimeMs(context);
    if (const AVStream *video = firstVideoStream(context)) {
        info.picture = shownPicture(video);
        const AVRational aspect = video->codecpar->sample_aspect_ratio;
        info.squarePixels = aspect.num == 0 || aspect.num == aspect.den;
        const AVColorTransferCharacteristic transfer = video->codecpar->color_trc;
        info.highDynamicRange =
            transfer == AVCOL_TRC_SMPTE2084 || transfer == AVCOL_TRC_ARIB_STD_B67;
    }
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        if (stream->codecpar->codec_type == AVMEDIA_TYPE_AUDIO)
            ++info.audioTracks;
        if (stream->disposition & AV_DISPOSITION_ATTACHED_PIC)
            info.hasCover = true;
        if (const auto text = LibAv::subtitleIsText(stream->codecpar->codec_id)) {
            if (stream->disposition & AV_DISPOSITION_DEFAULT && info.defaultSubtitle < 0)
                info.defaultSubtitle = int(info.subtitleIsText.size());
            if (!*text && stream->disposition & AV_DISPOSITION_FORCED &&
                info.forcedPictureSubtitle < 0)
                info.forcedPictureSubtitle = int(info.subtitleIsText.size());
            info.subtitleIsText.append(*text);
        }
    }
    info.chapters = int(context->nb_chapters);
    info.widelyPlayable = isWidelyPlayable(context);
    info.recorded = recordingTime(context->metadata);
    for (const QString &key : recordingTagKeys()) {
        const QString value = tag(context->metadata, key.toUtf8().constData());
        if (!value.isEmpty())
            info.recordingTags.append({key.toUtf8(), value});
    }
    return info;
}

std::optional<qint64> durationMs(const char *path)
{
    LibAv::quietLogs();
    AVFormatContext *context = nullptr;
    if (avformat_open_input(&context, path, nullptr, nullptr) < 0)
        return std::nullopt;
    const std::optional<qint64> duration = playingTimeMs(context);
    avformat_close_input(&context);
    return duration;
}

} // namespace LibAvProbe
