// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EncodeCapacity.h"

#include <QFile>
#include <QThread>

#include <unistd.h>

namespace {

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "MemAvailable:   23383 kB" in /proc/meminfo.
qint64 memAvailableBytes()
{
    const QByteArray meminfo = readSmallFile(QStringLiteral("/proc/meminfo"));
    for (const QByteArray &line : meminfo.split('\n')) {
        if (!line.startsWith("MemAvailable:"))
            continue;
        const QList<QByteArray> fields = line.simplified().split(' ');
        bool ok = false;
        const qint64 kib = fields.value(1).toLongLong(&ok);
        return ok ? kib * 1024 : -1;
    }
    return -1;
}

// What is left under a cgroup v2 memory limit, or -1 without one.
qint64 cgroupRoomBytes()
{
    const QByteArray cgroup = readSmallFile(QStringLiteral("/proc/self/cgroup")).trimmed();
    if (!cgroup.startsWith("0::"))
        return -1;
    const QString folder =
        QStringLiteral("/sys/fs/cgroup") + QString::fromUtf8(cgroup.mid(3)) + u'/';
    bool limited = false;
    const qint64 limit =
        readSmallFile(folder + QStringLiteral("memory.max")).trimmed().toLongLong(&limited);
    bool measured = false;
    const qint64 current =
        readSmallFile(folder + QStringLiteral("memory.current")).trimmed().toLongLong(&measured);
    return limited && measured ? qMax<qint64>(0, limit - current) : -1;
}

} // namespace

EncodeCapacity EncodeCapacity::ofThisMachine()
{
    // Counts the CPUs of this process's affinity mask on Linux, not the machine's.
    return EncodeCapacity(encodesForCores(QThread::idealThreadCount()));
}

int EncodeCapacity::encodesForCores(int usableCores)
{
    if (usableCores <= 1)
        return 1;
    return 2 + qMax(0, usableCores - 2) / 4;
}

bool EncodeCapacity::allowsAnother(const QList<qint64> &runningResidentBytes) const
{
    if (runningResidentBytes.isEmpty())
        return true;
    if (runningResidentBytes.size() >= m_maxEncodes)
        return false;
    return fitsInMemory(availableMemory(), runningResidentBytes);
}

bool EncodeCapacity::fitsInMemory(qint64 availableBytes, const QList<qint64> &runningResidentBytes)
{
    if (availableBytes < 0)
        return false;
    qint64 stillToGrow = 0;
    for (const qint64 resident : runningResidentBytes)
        stillToGrow += qMax<qint64>(0, bytesPerEncode - resident);
    return availableBytes - stillToGrow >= bytesPerEncode;
}

qint64 EncodeCapacity::availableMemory()
{
    const qint64 machine = memAvailableBytes();
    const qint64 cgroup = cgroupRoomBytes();
    if (machine < 0 || cgroup < 0)
        return machine < 0 ? cgroup : machine;
    return qMin(machine, cgroup);
}

qint64 EncodeCapacity::residentBytes(qint64 pid)
{
    // statm: total and resident size in pages.
    const QList<QByteArray> fields =
        readSmallFile(QStringLiteral("/proc/%1/statm").arg(pid)).split(' ');
    return fields.value(1).toLongLong() * ::sysconf(_SC_PAGESIZE);
}
