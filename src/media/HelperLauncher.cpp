// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelperLauncher.h"

#include <csignal>
#include <sys/prctl.h>
#include <thread>
#include <unistd.h>

namespace {

// Between fork and exec only async-signal-safe calls: another thread may hold any lock.
pid_t forkHelper(QByteArray &program, int socket)
{
    const pid_t parent = ::getpid();
    char *argv[] = {program.data(), nullptr};
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(127);
    ::setpgid(0, 0);
    // The app may block signals that it reads another way; the helper starts with none blocked.
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    if (::dup2(socket, STDIN_FILENO) < 0 || ::dup2(socket, STDOUT_FILENO) < 0)
        ::_exit(127);
    ::execv(argv[0], argv);
    ::_exit(127);
}

} // namespace

pid_t HelperLauncher::launch(const QByteArray &program, int socket)
{
    // Never destroyed: its thread runs until the app ends.
    static HelperLauncher *launcher = new HelperLauncher;
    return launcher->enqueue(program, socket);
}

HelperLauncher::HelperLauncher()
{
    std::thread([this] { run(); }).detach();
}

pid_t HelperLauncher::enqueue(const QByteArray &program, int socket)
{
    auto launch = std::make_shared<Launch>(Launch{program, socket, {}});
    std::future<pid_t> pid = launch->pid.get_future();
    {
        const std::lock_guard lock(m_mutex);
        m_queue.push_back(launch);
    }
    m_wake.notify_one();
    return pid.get();
}

void HelperLauncher::run()
{
    for (;;) {
        std::unique_lock lock(m_mutex);
        m_wake.wait(lock, [this] { return !m_queue.empty(); });
        const std::shared_ptr<Launch> launch = m_queue.front();
        m_queue.pop_front();
        lock.unlock();
        launch->pid.set_value(forkHelper(launch->program, launch->socket));
    }
}
