// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <sys/types.h>

// One media helper process and the socket the app speaks to it through: a question at a time,
// from one thread at a time. Whatever FFmpeg's parsers do with a file, they do it there.
class MediaHelper
{
public:
    enum class Outcome {
        Answered,
        Crashed,     // the helper died of a signal on the question
        Hung,        // silent for SilenceLimitMs: killed
        Unavailable, // not there, or could not start or answer
        Left,        // ended on its own, idle, before taking the question: ask another
    };

    // Generous: reading headers takes milliseconds, and a long rewrite says it is still at work
    // every second.
    static constexpr int SilenceLimitMs = 60000;

    // Nullptr where the program is not an executable or cannot be started.
    static std::unique_ptr<MediaHelper> start(const QString &program);
    // Kills the helper if it still runs, and reaps it.
    ~MediaHelper();
    MediaHelper(const MediaHelper &) = delete;
    MediaHelper &operator=(const MediaHelper &) = delete;

    // Sends a request line, with `fd` alongside where it is not -1, and waits for the answer.
    // Any outcome but Answered leaves the helper ended.
    Outcome ask(const QByteArray &request, int fd, QByteArray *answer);
    // Whether it has ended while idle.
    bool hasEnded();

private:
    MediaHelper(pid_t pid, int socket);
    bool send(const QByteArray &request, int fd);
    // False where the helper went quiet for too long (`*silent` set) or closed the socket.
    bool receive(char *data, qsizetype size, bool *silent);
    Outcome reap();

    pid_t m_pid;
    int m_socket;
    bool m_reaped = false;
};
