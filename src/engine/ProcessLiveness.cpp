// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProcessLiveness.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <limits>
#include <unistd.h>

namespace ProcessLiveness {

namespace {

QByteArray procFile(const QByteArray &pid, const char *name)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(QLatin1String(pid), QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray executable(const QByteArray &pid)
{
    char target[4096];
    const ssize_t size = ::readlink(("/proc/" + pid + "/exe").constData(), target, sizeof target);
    QByteArray path(target, std::max<ssize_t>(size, 0));
    // An executable replaced by an update reads "... (deleted)"; it is still the same program.
    if (path.endsWith(" (deleted)"))
        path.chop(10);
    return path;
}

} // namespace

bool hasEnded(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max() ||
        (::kill(pid_t(pid), 0) != 0 && errno == ESRCH))
        return true;
    // "pid (command) state ...": the command may hold blanks and parentheses itself.
    const QByteArray stat = procFile(QByteArray::number(pid), "stat");
    const qsizetype state = stat.lastIndexOf(") ") + 2;
    return state >= 2 && state < stat.size() && (stat[state] == 'Z' || stat[state] == 'X');
}

bool isRunningInstance(qint64 pid)
{
    if (hasEnded(pid))
        return false;
    const QByteArray id = QByteArray::number(pid);
    const QByteArray comm = procFile(id, "comm").trimmed();
    const QByteArray exe = executable(id);
    if (comm.isEmpty() && exe.isEmpty())
        return true;
    return (!comm.isEmpty() && comm == procFile("self", "comm").trimmed()) ||
           (!exe.isEmpty() && exe == executable("self"));
}

} // namespace ProcessLiveness
