// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MediaInfo.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// One question for the media helper, as it travels: a line of space-separated, percent-encoded
// fields, so that any path, however odd its bytes, stays one field and the line stays one line.
// The answer comes back as a frame (`frame`) of QDataStream data.
struct MediaRequest
{
    enum class Kind { Probe, Duration, Remux };

    static MediaRequest probe(const QString &path) { return {Kind::Probe, path}; }
    static MediaRequest duration(const QString &path) { return {Kind::Duration, path}; }
    static MediaRequest remux(const QString &path, const QDateTime &recorded,
                              const QList<MediaInfo::Tag> &tags, const QString &originalPath)
    {
        return {Kind::Remux, path, recorded, tags, originalPath};
    }

    QByteArray toLine() const;
    static std::optional<MediaRequest> fromLine(QByteArrayView line);

    // A frame: the payload's length in four bytes, big-endian, then the payload. An empty frame
    // says the helper is still at work on a long request.
    static QByteArray frame(const QByteArray &payload);

    Kind kind = Kind::Probe;
    QString path;
    QDateTime recorded = {};
    QList<MediaInfo::Tag> tags = {};
    // The file the source was converted from, whose chapters and cover the copy takes where the
    // source lost them; empty for none.
    QString originalPath = {};
};
