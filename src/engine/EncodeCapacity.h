// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QtGlobal>

// How many encodes may run side by side. One encode keeps every core busy while it encodes, but
// not while it opens, scans and finishes its file; a second one fills those gaps. More are
// allowed only as far as the usable cores and the memory that is free without swapping reach.
class EncodeCapacity
{
public:
    // What one encode may grow to. HandBrakeCLI peaks at about 270 MB on a 720p source, 580 MB
    // at 1080p and 1 GB on a 4K HEVC source; the budget is the last with a quarter more, as the
    // source is not known before the encoder has read it.
    static constexpr qint64 bytesPerEncode = qint64(5) << 28; // 1.25 GiB

    // The cores this process may run on, and their encodes as the rule below counts them.
    static EncodeCapacity ofThisMachine();
    explicit EncodeCapacity(int maxEncodes = 1)
        : m_maxEncodes(qMax(1, maxEncodes))
    {}

    // 1 on one core, 2 on two to five, then one more for every four cores more.
    static int encodesForCores(int usableCores);

    int maxEncodes() const { return m_maxEncodes; }

    // Whether one more encode may start beside the running ones, whose resident sizes are
    // given: it must fit, with each running one's room to grow to its budget, in the memory
    // available without swapping. The first encode always starts.
    bool allowsAnother(const QList<qint64> &runningResidentBytes) const;
    static bool fitsInMemory(qint64 availableBytes, const QList<qint64> &runningResidentBytes);

    // Memory the kernel could hand out without swapping, within this process's cgroup limit
    // if it has one; -1 when that cannot be read.
    static qint64 availableMemory();
    // The resident size of a process; 0 once it is gone.
    static qint64 residentBytes(qint64 pid);

private:
    int m_maxEncodes;
};
