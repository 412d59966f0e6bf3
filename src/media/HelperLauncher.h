// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <condition_variable>
#include <deque>
#include <future>
#include <memory>
#include <mutex>
#include <sys/types.h>

// Starts helper processes that die with the app. The kernel kills a child set to die with its
// parent when the thread that forked it ends, and the threads that read media come and go with
// their pools: so every helper is forked by one thread that lives as long as the app.
class HelperLauncher
{
public:
    // Runs `program` with `socket` as its standard input and output, in a process group of its
    // own (Ctrl+C in the app's terminal is the app's to handle). The child's id, or -1.
    static pid_t launch(const QByteArray &program, int socket);

private:
    struct Launch
    {
        QByteArray program;
        int socket;
        std::promise<pid_t> pid;
    };

    HelperLauncher();
    pid_t enqueue(const QByteArray &program, int socket);
    [[noreturn]] void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::shared_ptr<Launch>> m_queue;
};
