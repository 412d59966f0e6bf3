// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MediaProbe.h"

#include "MediaRequest.h"

#include <QDataStream>

namespace MediaProbe {

MediaInfo probe(const QString &path, MediaHelperPool &helpers)
{
    const MediaHelperPool::Reply reply = helpers.ask(MediaRequest::probe(path).toLine());
    MediaInfo info;
    switch (reply.outcome) {
    case MediaHelper::Outcome::Answered: {
        QDataStream answer(reply.answer);
        answer >> info;
        break;
    }
    case MediaHelper::Outcome::Crashed:
    case MediaHelper::Outcome::Hung:
        info.breaksReader = true;
        break;
    case MediaHelper::Outcome::Unavailable:
    case MediaHelper::Outcome::Left:
        // Without its headers the file still goes to the encoder, which decides.
        break;
    }
    return info;
}

std::optional<qint64> durationMs(const QString &path, MediaHelperPool &helpers)
{
    const MediaHelperPool::Reply reply = helpers.ask(MediaRequest::duration(path).toLine());
    if (reply.outcome != MediaHelper::Outcome::Answered)
        return std::nullopt;
    bool known = false;
    qint64 duration = 0;
    QDataStream answer(reply.answer);
    answer >> known >> duration;
    return known ? std::optional(duration) : std::nullopt;
}

} // namespace MediaProbe
