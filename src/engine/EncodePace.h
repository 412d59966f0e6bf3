// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <optional>

// How near one encode is to its end, from the share done that its encoder reports over time.
//
// An encode keeps every core busy from its first frames nearly to its last, so a second whole
// encode beside it only makes the two contend for the cores: no sooner done, and more CPU spent.
// What a second encoder can fill is the stretch that one alone leaves idle: its own opening and
// scan, which overlap the end of the encode before, where the last frames drain and the file is
// written. So the next file begins once the running encode has no more left than twice the time
// it took to open: the next one's opening fills the last stretch, its first frames the drain.
class EncodePace
{
public:
    // Measured on a 2-core machine: one opening's worth of lead left the short-clips benchmark at
    // 0.92 of one at a time; two, 0.81 to 0.89, the long clips at 0.97 with no more CPU; three,
    // the long clips contended again (1.06).
    static constexpr qint64 leadOpenings = 2;

    // Times are milliseconds of one clock, from the encoder's launch.
    void progressed(double fraction, qint64 atMs);
    // After a pause the pace is measured afresh: the time held is no part of it.
    void resumed() { m_from.reset(); }

    // From the pace since the first report (or since the resume); unknown before a second one.
    std::optional<qint64> msLeft() const;
    // Has no more than `leadOpenings` times as long left as the next file will take to open; an
    // encode that has reported all of it is ending. Opening is mostly decoding a few pictures to
    // scan them, so the next file's opening is taken as this one's, scaled by the size of its
    // pictures against these (nextPictureScale): a 4K file took 2.8 s to open here, a 1080p one
    // 0.75 s.
    bool isEnding(double nextPictureScale = 1) const;

private:
    struct Report
    {
        double fraction = 0;
        qint64 atMs = 0;
    };
    // From launch to the first report: opening the file, scanning it, starting to encode.
    std::optional<qint64> m_opening;
    std::optional<Report> m_from;
    Report m_last;
};
