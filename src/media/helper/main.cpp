// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Clipforger's media helper: reads files' headers and rewrites converted files with FFmpeg's
// libraries, one request at a time from its standard input, a socket to the app, answering on
// the same socket. The parsers run here rather than in the window's process: a file that crashes
// them ends this process, the app fails that file alone, and the window never loads them.

#include "LibAv.h"
#include "LibAvProbe.h"
#include "LibAvRemux.h"
#include "files/RegularFile.h"
#include "media/MediaRequest.h"

#include <QDataStream>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// An idle helper gives its memory back; the app starts another when it next needs one.
constexpr int IdleLimitMs = 30000;
constexpr int RequestSocket = STDIN_FILENO;
constexpr int AnswerSocket = STDOUT_FILENO;

// The next request line, and the descriptor that came with it (else -1). Nothing once the app
// has gone or the helper has been idle too long.
std::optional<QByteArray> nextRequest(int *fd)
{
    QByteArray line;
    while (!line.endsWith('\n')) {
        pollfd readable = {RequestSocket, POLLIN, 0};
        const int ready = ::poll(&readable, 1, line.isEmpty() ? IdleLimitMs : -1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return std::nullopt;
        char buffer[4096];
        iovec data = {buffer, sizeof buffer};
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
        msghdr message = {};
        message.msg_iov = &data;
        message.msg_iovlen = 1;
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        const ssize_t n = ::recvmsg(RequestSocket, &message, MSG_CMSG_CLOEXEC);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return std::nullopt;
        for (cmsghdr *header = CMSG_FIRSTHDR(&message); header;
             header = CMSG_NXTHDR(&message, header))
            if (header->cmsg_level == SOL_SOCKET && header->cmsg_type == SCM_RIGHTS)
                std::memcpy(fd, CMSG_DATA(header), sizeof(int));
        line.append(buffer, n);
    }
    return line;
}

bool answer(const QByteArray &payload)
{
    const QByteArray frame = MediaRequest::frame(payload);
    qsizetype written = 0;
    while (written < frame.size()) {
        const ssize_t n =
            ::write(AnswerSocket, frame.constData() + written, size_t(frame.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

QByteArray handle(const MediaRequest &request, int targetFd)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    // The file is read through this very descriptor's name, so that what was checked is what is
    // read.
    const int fd = RegularFile::openForReading(QFile::encodeName(request.path));
    const QByteArray path = "/proc/self/fd/" + QByteArray::number(fd);
    switch (request.kind) {
    case MediaRequest::Kind::Probe:
        out << (fd >= 0 ? LibAvProbe::probe(path.constData()) : MediaInfo());
        break;
    case MediaRequest::Kind::Duration: {
        const std::optional<qint64> duration =
            fd >= 0 ? LibAvProbe::durationMs(path.constData()) : std::nullopt;
        out << duration.has_value() << duration.value_or(0);
        break;
    }
    case MediaRequest::Kind::Remux: {
        const int originalFd =
            request.originalPath.isEmpty()
                ? -1
                : RegularFile::openForReading(QFile::encodeName(request.originalPath));
        const QByteArray originalPath = "/proc/self/fd/" + QByteArray::number(originalFd);
        out << (fd >= 0 && targetFd >= 0 &&
                LibAvRemux::remux(path.constData(), targetFd, request.recorded, request.tags,
                                  originalFd >= 0 ? originalPath.constData() : nullptr,
                                  [] { answer({}); }));
        if (originalFd >= 0)
            ::close(originalFd);
        break;
    }
    }
    if (fd >= 0)
        ::close(fd);
    return payload;
}

} // namespace

int main()
{
    // A write to an app that has gone fails, and the helper ends.
    std::signal(SIGPIPE, SIG_IGN);
    LibAv::quietLogs();
    for (;;) {
        int fd = -1;
        const std::optional<QByteArray> line = nextRequest(&fd);
        if (!line)
            return 0;
        const std::optional<MediaRequest> request = MediaRequest::fromLine(*line);
        // A request it cannot read ends the helper: the app then does without an answer.
        if (!request)
            return 2;
        const QByteArray payload = handle(*request, fd);
        if (fd >= 0)
            ::close(fd);
        if (!answer(payload))
            return 0;
    }
}
