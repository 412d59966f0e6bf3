// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LocalPath.h"

#include <QFile>
#include <QUrl>

namespace LocalPath {

QByteArray fromUrl(const QUrl &url)
{
    if (!url.isLocalFile())
        return {};
    // file://server/share is someone else's file system.
    const QString host = url.host();
    if (!host.isEmpty() && host != QLatin1StringView("localhost"))
        return {};
    // Fully encoded, undecodable bytes stay percent-escaped instead of becoming U+FFFD.
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
}

bool isDecodable(const QByteArray &path)
{
    return QFile::encodeName(QFile::decodeName(path)) == path;
}

QByteArray fileName(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

QString readableName(const QByteArray &name)
{
    QString readable;
    qsizetype i = 0;
    while (i < name.size()) {
        const auto lead = uchar(name[i]);
        const qsizetype length = lead < 0x80             ? 1
                                 : (lead & 0xE0) == 0xC0 ? 2
                                 : (lead & 0xF0) == 0xE0 ? 3
                                 : (lead & 0xF8) == 0xF0 ? 4
                                                         : 0;
        const QByteArray sequence = name.mid(i, length);
        const QString decoded = QString::fromUtf8(sequence);
        // The round trip rejects broken, truncated and overlong sequences alike.
        if (length > 0 && sequence.size() == length && decoded.toUtf8() == sequence) {
            readable += decoded;
            i += length;
        } else {
            readable += QChar(lead);
            ++i;
        }
    }
    return readable;
}

} // namespace LocalPath
