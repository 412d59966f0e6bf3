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
    const QByteArray path =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    // A relative path would be resolved against our working folder, which whoever sent the URL
    // (over the bus, say) cannot know.
    if (!path.startsWith('/'))
        return {};
    // One spelling, so that "//a.mp4" or "/./a.mp4" neither reads as a server's name nor shows
    // as a file without a name. ".." stays: past a link it need not mean the folder above.
    QByteArray cleaned;
    cleaned.reserve(path.size());
    for (const QByteArray &component : path.split('/')) {
        if (!component.isEmpty() && component != ".")
            cleaned += '/' + component;
    }
    return cleaned.isEmpty() ? QByteArray("/") : cleaned;
}

QUrl toUrl(const QByteArray &path)
{
    // Encoded by hand: QUrl::fromLocalFile() would read the bytes as UTF-8 and lose the others.
    return QUrl::fromEncoded("file://" + path.toPercentEncoding("/"));
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
