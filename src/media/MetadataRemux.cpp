// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MetadataRemux.h"

#include "MediaRequest.h"

#include <QDataStream>

namespace MetadataRemux {

bool remux(const QString &sourcePath, int targetFd, const QDateTime &recorded,
           const QList<MediaInfo::Tag> &recordingTags, const QString &originalPath,
           MediaHelperPool &helpers)
{
    const MediaHelperPool::Reply reply = helpers.ask(
        MediaRequest::remux(sourcePath, recorded, recordingTags, originalPath).toLine(), targetFd);
    bool written = false;
    QDataStream answer(reply.answer);
    if (reply.outcome == MediaHelper::Outcome::Answered)
        answer >> written;
    return written;
}

} // namespace MetadataRemux
