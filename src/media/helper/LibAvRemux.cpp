// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LibAvRemux.h"

#include "LibAv.h"

#include <QScopeGuard>

#include <cerrno>
#include <chrono>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

extern "C" {
#include <libavformat/avformat.h>
}

namespace LibAvRemux {

namespace {

constexpr int BufferSize = 64 * 1024;
// Far within the app's patience with a silent helper.
constexpr auto StillWorkingEvery = std::chrono::seconds(1);

struct PacketFree
{
    void operator()(AVPacket *packet) const { av_packet_free(&packet); }
};
using AVPacketPointer = std::unique_ptr<AVPacket, PacketFree>;

// The target is a descriptor of a file created exclusively, never a path opened anew.
int writeToFd(void *opaque, uint8_t *data, int size)
{
    const int fd = *static_cast<int *>(opaque);
    int written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd, data + written, size_t(size - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return AVERROR(n < 0 ? errno : EIO);
        written += int(n);
    }
    return written;
}

int64_t seekFd(void *opaque, int64_t offset, int whence)
{
    const int fd = *static_cast<int *>(opaque);
    if (whence == AVSEEK_SIZE) {
        struct stat status = {};
        return ::fstat(fd, &status) == 0 ? int64_t(status.st_size) : AVERROR(errno);
    }
    const off_t position = ::lseek(fd, off_t(offset), whence & ~AVSEEK_FORCE);
    return position < 0 ? AVERROR(errno) : int64_t(position);
}

// Into an array laid out as a demuxer lays it out, which the context frees.
bool copyChapters(const AVFormatContext *from, AVFormatContext *to)
{
    if (from->nb_chapters == 0)
        return true;
    to->chapters = static_cast<AVChapter **>(av_calloc(from->nb_chapters, sizeof(AVChapter *)));
    if (!to->chapters)
        return false;
    for (unsigned i = 0; i < from->nb_chapters; ++i) {
        const AVChapter *chapter = from->chapters[i];
        auto *copy = static_cast<AVChapter *>(av_mallocz(sizeof(AVChapter)));
        if (!copy)
            return false;
        to->chapters[to->nb_chapters++] = copy;
        copy->id = chapter->id;
        copy->time_base = chapter->time_base;
        copy->start = chapter->start;
        copy->end = chapter->end;
        av_dict_copy(&copy->metadata, chapter->metadata, 0);
    }
    return true;
}

// The encoder keeps the original's text subtitle tracks in their order, with their languages, but
// marks only its default track, and that one as forced too, so that players would show it even
// with subtitles off, and a track of forced lines elsewhere would not be; given the tracks by
// number, it also drops their titles. The original's default and forced flags and its titles
// (which MP4 players read as the handler's name) go back here. Where the tracks do not pair up
// one to one, which is which cannot be told, and nothing is changed.
void restoreSubtitleTracks(const AVFormatContext *original, AVFormatContext *target)
{
    std::vector<const AVStream *> texts;
    for (unsigned i = 0; i < original->nb_streams; ++i) {
        const AVStream *stream = original->streams[i];
        if (LibAv::subtitleIsText(stream->codecpar->codec_id).value_or(false))
            texts.push_back(stream);
    }
    std::vector<AVStream *> kept;
    for (unsigned i = 0; i < target->nb_streams; ++i) {
        if (target->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE)
            kept.push_back(target->streams[i]);
    }
    if (kept.size() != texts.size())
        return;
    constexpr int flags = AV_DISPOSITION_DEFAULT | AV_DISPOSITION_FORCED;
    for (size_t i = 0; i < kept.size(); ++i) {
        kept[i]->disposition = (kept[i]->disposition & ~flags) | (texts[i]->disposition & flags);
        if (const AVDictionaryEntry *title = av_dict_get(texts[i]->metadata, "title", nullptr, 0))
            av_dict_set(&kept[i]->metadata, "handler_name", title->value, 0);
    }
}

const AVStream *coverOf(const AVFormatContext *context)
{
    for (unsigned i = 0; context && i < context->nb_streams; ++i) {
        if (context->streams[i]->disposition & AV_DISPOSITION_ATTACHED_PIC)
            return context->streams[i];
    }
    return nullptr;
}

} // namespace

bool remux(const char *sourcePath, int targetFd, const QDateTime &recorded,
           const QList<MediaInfo::Tag> &recordingTags, const char *originalPath,
           const std::function<void()> &stillWorking)
{
    LibAv::quietLogs();
    AVFormatContext *source = nullptr;
    if (avformat_open_input(&source, sourcePath, nullptr, nullptr) < 0)
        return false;
    const auto closeSource = qScopeGuard([&source] { avformat_close_input(&source); });
    // Matroska gives its packets no decoding times, which MP4 needs; reading the first frames
    // tells how far decoding runs ahead, from which they follow.
    if (avformat_find_stream_info(source, nullptr) < 0)
        return false;

    AVFormatContext *target = nullptr;
    if (avformat_alloc_output_context2(&target, nullptr, "mp4", nullptr) < 0)
        return false;
    int fd = targetFd;
    auto *buffer = static_cast<unsigned char *>(av_malloc(BufferSize));
    target->pb = buffer ? avio_alloc_context(buffer, BufferSize, 1, &fd, nullptr, writeToFd, seekFd)
                        : nullptr;
    const auto freeTarget = qScopeGuard([&target] {
        if (target->pb)
            av_freep(&target->pb->buffer);
        avio_context_free(&target->pb);
        avformat_free_context(target);
    });
    if (!target->pb) {
        av_free(buffer);
        return false;
    }

    // Chapter titles sit in a track of their own that the demuxer reads as chapters and hides;
    // the muxer writes them again from the chapters.
    QList<int> targetIndex(int(source->nb_streams), -1);
    for (unsigned i = 0; i < source->nb_streams; ++i) {
        const AVStream *from = source->streams[i];
        const AVMediaType type = from->codecpar->codec_type;
        if (from->discard == AVDISCARD_ALL ||
            (type != AVMEDIA_TYPE_VIDEO && type != AVMEDIA_TYPE_AUDIO &&
             type != AVMEDIA_TYPE_SUBTITLE))
            continue;
        AVStream *to = avformat_new_stream(target, nullptr);
        if (!to || avcodec_parameters_copy(to->codecpar, from->codecpar) < 0)
            return false;
        to->codecpar->codec_tag = 0;
        to->time_base = from->time_base;
        to->disposition = from->disposition;
        av_dict_copy(&to->metadata, from->metadata, 0);
        targetIndex[int(i)] = to->index;
    }
    // Its chapters and cover picture are read with its headers.
    AVFormatContext *original = nullptr;
    if (originalPath && avformat_open_input(&original, originalPath, nullptr, nullptr) < 0)
        original = nullptr;
    const auto closeOriginal = qScopeGuard([&original] { avformat_close_input(&original); });
    if (original)
        restoreSubtitleTracks(original, target);
    const bool moreChapters = original && original->nb_chapters > source->nb_chapters;
    if (!copyChapters(moreChapters ? original : source, target))
        return false;
    // MP4 keeps a cover as a picture track of its own, written whole once the header is.
    const AVStream *cover = coverOf(source) ? nullptr : coverOf(original);
    // MP4 names a cover's size only in the picture itself.
    if (cover && cover->codecpar->width == 0 && avformat_find_stream_info(original, nullptr) < 0)
        return false;
    AVStream *coverTrack = cover ? avformat_new_stream(target, nullptr) : nullptr;
    if (cover &&
        (!coverTrack || avcodec_parameters_copy(coverTrack->codecpar, cover->codecpar) < 0))
        return false;
    if (coverTrack) {
        coverTrack->codecpar->codec_tag = 0;
        coverTrack->disposition = AV_DISPOSITION_ATTACHED_PIC;
    }

    av_dict_copy(&target->metadata, source->metadata, 0);
    // Photo libraries sort clips by this time, which is also what the file's tracks carry.
    if (recorded.isValid())
        av_dict_set(&target->metadata, "creation_time",
                    recorded.toUTC().toString(Qt::ISODateWithMs).toUtf8().constData(), 0);
    bool hasCameraTags = false;
    for (const auto &[key, value] : recordingTags) {
        av_dict_set(&target->metadata, key.constData(), value.toUtf8().constData(), 0);
        hasCameraTags = hasCameraTags || (!key.startsWith("location") && !key.endsWith("ISO6709"));
    }
    // MP4's own tags have a place but no camera; QuickTime's key list carries any tag.
    AVDictionary *options = nullptr;
    if (hasCameraTags)
        av_dict_set(&options, "movflags", "use_metadata_tags", 0);
    const int header = avformat_write_header(target, &options);
    av_dict_free(&options);
    if (header < 0)
        return false;
    if (coverTrack) {
        AVPacketPointer picture(av_packet_clone(&cover->attached_pic));
        if (!picture)
            return false;
        picture->stream_index = coverTrack->index;
        picture->pts = picture->dts = 0;
        if (av_interleaved_write_frame(target, picture.get()) < 0)
            return false;
    }

    // The encoder's video packets come without durations, which the muxer needs for a track's
    // last frame: each one is held until the next gives its length.
    std::vector<AVPacketPointer> held(target->nb_streams);
    std::vector<int64_t> lastDuration(target->nb_streams, 0);
    const auto write = [&](unsigned index) {
        AVPacket *packet = held[index].get();
        if (packet->duration <= 0)
            packet->duration = lastDuration[index];
        lastDuration[index] = packet->duration;
        return av_interleaved_write_frame(target, packet) >= 0;
    };
    AVPacketPointer packet(av_packet_alloc());
    int read = 0;
    auto lastWord = std::chrono::steady_clock::now();
    while (packet && (read = av_read_frame(source, packet.get())) >= 0) {
        if (const auto now = std::chrono::steady_clock::now(); now - lastWord > StillWorkingEvery) {
            stillWorking();
            lastWord = now;
        }
        const int index = targetIndex.value(packet->stream_index, -1);
        if (index < 0) {
            av_packet_unref(packet.get());
            continue;
        }
        av_packet_rescale_ts(packet.get(), source->streams[packet->stream_index]->time_base,
                             target->streams[index]->time_base);
        packet->stream_index = index;
        packet->pos = -1;
        AVPacketPointer &previous = held[unsigned(index)];
        if (previous) {
            if (previous->duration <= 0 && packet->dts != AV_NOPTS_VALUE &&
                previous->dts != AV_NOPTS_VALUE)
                previous->duration = packet->dts - previous->dts;
            if (!write(unsigned(index)))
                return false;
        }
        previous = std::move(packet);
        packet.reset(av_packet_alloc());
    }
    if (!packet || read != AVERROR_EOF)
        return false;
    for (unsigned index = 0; index < target->nb_streams; ++index)
        if (held[index] && !write(index))
            return false;
    if (av_write_trailer(target) < 0)
        return false;
    avio_flush(target->pb);
    return target->pb->error == 0;
}

} // namespace LibAvRemux
