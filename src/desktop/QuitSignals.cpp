// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuitSignals.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QtDebug>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iterator>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int watchedSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Lock-free, so the handler may read it.
std::atomic<int> handlerSocket = -1;
static_assert(std::atomic<int>::is_always_lock_free);

QuitSignals *owner = nullptr;
struct sigaction previousActions[std::size(watchedSignals)];

} // namespace

QuitSignals::QuitSignals(QObject *parent)
    : QObject(parent)
{
    if (owner) {
        qWarning("QuitSignals: another instance already handles quit signals; this one stays "
                 "inert");
        return;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, m_sockets) != 0) {
        qWarning("QuitSignals: no socket pair (%s); SIGINT, SIGTERM and SIGHUP stay as they were "
                 "and quit without removing partial outputs",
                 std::strerror(errno));
        return;
    }
    owner = this;
    handlerSocket = m_sockets[0];
    m_notifier = new QSocketNotifier(m_sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignals::readSignals);

    struct sigaction action = {};
    action.sa_handler = &QuitSignals::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(watchedSignals); ++i)
        ::sigaction(watchedSignals[i], &action, &previousActions[i]);
}

QuitSignals::~QuitSignals()
{
    if (owner != this)
        return;
    for (std::size_t i = 0; i < std::size(watchedSignals); ++i)
        ::sigaction(watchedSignals[i], &previousActions[i], nullptr);
    handlerSocket = -1;
    delete m_notifier;
    ::close(m_sockets[0]);
    ::close(m_sockets[1]);
    owner = nullptr;
}

void QuitSignals::readSignals()
{
    // A receiver may delete this object.
    const QPointer<QuitSignals> alive(this);
    unsigned char numbers[64];
    ssize_t count = 0;
    while (alive && (count = ::read(m_sockets[1], numbers, sizeof numbers)) > 0) {
        for (ssize_t i = 0; i < count && alive; ++i)
            Q_EMIT received(numbers[i]);
    }
}

void QuitSignals::handle(int signalNumber)
{
    // Only async-signal-safe work here: hand the number to the event loop. The write never
    // blocks; with the socket full, the signals already in it are enough to quit. errno belongs
    // to the code the signal interrupted.
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const auto written = ::write(handlerSocket, &byte, 1);
    errno = savedErrno;
}
