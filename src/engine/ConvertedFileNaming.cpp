// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConvertedFileNaming.h"

#include <QTextBoundaryFinder>

#include <charconv>
#include <unistd.h>

namespace {

const QString Suffix = QStringLiteral("_converted");
const QString Extension = QStringLiteral(".mp4");
const QString Ellipsis = QStringLiteral("…");
constexpr QByteArrayView TemporaryMarker = ".clipforger-";
constexpr QByteArrayView TemporaryExtension = ".part";

QString baseName(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? fileName.left(dot) : fileName;
}

qsizetype utf8Size(QStringView text)
{
    return text.toUtf8().size();
}

// Whole grapheme clusters only, so neither a UTF-8 sequence nor a surrogate pair, nor a letter
// and its accent, is ever split.
QString fitted(const QString &base, qsizetype maxBytes)
{
    if (utf8Size(base) <= maxBytes)
        return base;
    const qsizetype room = maxBytes - utf8Size(Ellipsis);
    if (room < 0)
        return {};
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, base);
    qsizetype cut = 0;
    qsizetype bytes = 0;
    for (qsizetype next = graphemes.toNextBoundary(); next > 0; next = graphemes.toNextBoundary()) {
        bytes += utf8Size(QStringView(base).sliced(cut, next - cut));
        if (bytes > room)
            break;
        cut = next;
    }
    return base.left(cut) + Ellipsis;
}

// Digits only, as written: no sign, no leading zero.
qint64 positiveNumber(QByteArrayView digits)
{
    qint64 value = 0;
    const auto [end, error] = std::from_chars(digits.begin(), digits.end(), value);
    const bool exact = error == std::errc() && end == digits.end() && !digits.startsWith('0');
    return exact && value > 0 ? value : 0;
}

} // namespace

QString ConvertedFileNaming::convertedFileName(const QString &inputFileName, int n, int nameMax)
{
    const QString number = n > 1 ? QStringLiteral(" (%1)").arg(n) : QString();
    const QString base =
        fitted(baseName(inputFileName), nameMax - utf8Size(Suffix + number + Extension));
    return base + Suffix + number + Extension;
}

QString ConvertedFileNaming::temporaryFileName(const QString &inputFileName, qint64 pid,
                                               quint64 serial, int nameMax)
{
    const QString tail = QString::fromLatin1(TemporaryMarker) + QString::number(pid) + u'-' +
                         QString::number(serial) + QString::fromLatin1(TemporaryExtension);
    const QString base =
        fitted(baseName(inputFileName), nameMax - utf8Size(u'.' + Suffix + Extension + tail));
    return u'.' + base + Suffix + Extension + tail;
}

qint64 ConvertedFileNaming::temporaryFileOwner(QByteArrayView name)
{
    if (!name.startsWith('.') || !name.endsWith(TemporaryExtension))
        return 0;
    const QByteArrayView rest = name.chopped(TemporaryExtension.size());
    const qsizetype dash = rest.lastIndexOf('-');
    if (dash < 0 || positiveNumber(rest.sliced(dash + 1)) == 0)
        return 0;
    const QByteArrayView head = rest.first(dash);
    const qsizetype marker = head.lastIndexOf(TemporaryMarker);
    if (marker < 2) // a hidden name, not only the marker
        return 0;
    return positiveNumber(head.sliced(marker + TemporaryMarker.size()));
}

int ConvertedFileNaming::nameMax(int folderFd)
{
    const long max = ::fpathconf(folderFd, _PC_NAME_MAX);
    return max > 0 && max <= 4096 ? int(max) : DefaultNameMax;
}
