// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MediaHelper.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

// The media helpers the app keeps at hand: each question goes to an idle one. A helper costs
// about 80 ms of CPU to start (FFmpeg's libraries and theirs load) and a few milliseconds a
// question after that, so a question that finds the only helper busy waits a moment for it; only
// a long answer (the rewrite of a large file) has a second one started, so that the headers of
// the next file are read meanwhile. A third question waits for one of the two. A helper ends on
// its own once idle for a while, and with the app.
class MediaHelperPool
{
public:
    struct Reply
    {
        MediaHelper::Outcome outcome = MediaHelper::Outcome::Unavailable;
        QByteArray answer;
    };

    static constexpr int MaxHelpers = 2;
    static constexpr std::chrono::milliseconds SecondHelperWait{250};

    explicit MediaHelperPool(const QString &program);

    // The helper beside the encoder, in the application's resource folder.
    static const std::shared_ptr<MediaHelperPool> &bundled();
    static QString bundledPath();

    // Blocks until the helper answers, dies or is given up on: run it off the GUI thread.
    Reply ask(const QByteArray &request, int fd = -1);

private:
    std::unique_ptr<MediaHelper> idleOrNew();
    // Takes the helper back to ask again, or, where it has ended, makes room for another.
    void giveBack(std::unique_ptr<MediaHelper> helper);

    QString m_program;
    std::mutex m_mutex;
    std::condition_variable m_freed;
    std::vector<std::unique_ptr<MediaHelper>> m_idle;
    int m_helpers = 0; // idle or asked
};
