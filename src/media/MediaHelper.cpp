// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MediaHelper.h"

#include "HelperLauncher.h"

#include <QFile>
#include <QtEndian>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

std::unique_ptr<MediaHelper> MediaHelper::start(const QString &program)
{
    const QByteArray path = QFile::encodeName(program);
    if (path.isEmpty() || ::access(path.constData(), X_OK) != 0)
        return nullptr;
    int sockets[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0)
        return nullptr;
    const pid_t pid = HelperLauncher::launch(path, sockets[1]);
    ::close(sockets[1]);
    if (pid < 0) {
        ::close(sockets[0]);
        return nullptr;
    }
    return std::unique_ptr<MediaHelper>(new MediaHelper(pid, sockets[0]));
}

MediaHelper::MediaHelper(pid_t pid, int socket)
    : m_pid(pid)
    , m_socket(socket)
{}

MediaHelper::~MediaHelper()
{
    ::close(m_socket);
    if (m_reaped)
        return;
    ::kill(m_pid, SIGKILL);
    while (::waitpid(m_pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

MediaHelper::Outcome MediaHelper::ask(const QByteArray &request, int fd, QByteArray *answer)
{
    if (!send(request, fd))
        return reap();
    bool silent = false;
    for (;;) {
        char header[4];
        if (!receive(header, sizeof header, &silent))
            break;
        QByteArray payload(qFromBigEndian<quint32>(header), '\0');
        if (payload.isEmpty())
            continue; // still at work
        if (!receive(payload.data(), payload.size(), &silent))
            break;
        *answer = payload;
        return Outcome::Answered;
    }
    if (silent)
        ::kill(m_pid, SIGKILL);
    const Outcome outcome = reap();
    return silent ? Outcome::Hung : outcome;
}

bool MediaHelper::hasEnded()
{
    if (!m_reaped && ::waitpid(m_pid, nullptr, WNOHANG) == m_pid)
        m_reaped = true;
    return m_reaped;
}

bool MediaHelper::send(const QByteArray &request, int fd)
{
    qsizetype sent = 0;
    while (sent < request.size()) {
        iovec data = {const_cast<char *>(request.constData()) + sent,
                      size_t(request.size() - sent)};
        msghdr message = {};
        message.msg_iov = &data;
        message.msg_iovlen = 1;
        // The descriptor rides with the first byte.
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
        if (fd >= 0 && sent == 0) {
            message.msg_control = control;
            message.msg_controllen = sizeof control;
            cmsghdr *header = CMSG_FIRSTHDR(&message);
            header->cmsg_level = SOL_SOCKET;
            header->cmsg_type = SCM_RIGHTS;
            header->cmsg_len = CMSG_LEN(sizeof(int));
            std::memcpy(CMSG_DATA(header), &fd, sizeof(int));
        }
        const ssize_t n = ::sendmsg(m_socket, &message, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
}

bool MediaHelper::receive(char *data, qsizetype size, bool *silent)
{
    qsizetype received = 0;
    while (received < size) {
        pollfd readable = {m_socket, POLLIN, 0};
        const int ready = ::poll(&readable, 1, SilenceLimitMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0)
            *silent = true;
        if (ready <= 0)
            return false;
        const ssize_t n = ::read(m_socket, data + received, size_t(size - received));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        received += n;
    }
    return true;
}

// The helper has closed its end, which it does only by ending.
MediaHelper::Outcome MediaHelper::reap()
{
    int status = 0;
    pid_t reaped;
    while ((reaped = ::waitpid(m_pid, &status, 0)) < 0 && errno == EINTR) {
    }
    m_reaped = true;
    if (reaped != m_pid)
        return Outcome::Unavailable;
    if (WIFSIGNALED(status))
        return Outcome::Crashed;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Outcome::Left : Outcome::Unavailable;
}
