// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgressParser.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringDecoder>

#include <charconv>
#include <cmath>
#include <type_traits>

namespace {

std::optional<double> percentFromJson(const QString &chunk)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(chunk.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonValue progress = document.object().value(QLatin1String("Progress"));
    if (!progress.isObject())
        return std::nullopt;
    const QJsonValue percent = progress.toObject().value(QLatin1String("PercentComplete"));
    if (!percent.isDouble())
        return std::nullopt;
    return percent.toDouble();
}

// Unicode \d on purpose: digits of other scripts make the first match, which then fails the
// C-locale conversion, rather than letting a later line in the same chunk win.
const QRegularExpression &encodingLine()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(Encoding: task \d+ of \d+, (\d+\.?\d*)\s*%)"),
        QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

// The same line as encodingLine() finds first, for its task numbers and the ETA that the encoder
// appends once encoding runs: "(33.48 fps, avg 33.48 fps, ETA 00h00m03s)".
const QRegularExpression &taskLine()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(Encoding: task (\d+) of (\d+), \d+\.?\d*\s*%)"
                       R"((?: \([^)\r\n]*ETA (\d+)h(\d+)m(\d+)s\))?)"),
        QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

// Locale-independent, unlike strtod once QCoreApplication has called setlocale().
template <typename Number> std::optional<Number> cLocaleNumber(QStringView text)
{
    QByteArray ascii;
    ascii.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() > 0x7f)
            return std::nullopt;
        ascii.append(char(c.unicode()));
    }
    Number value = 0;
    const char *end = ascii.constData() + ascii.size();
    const auto [ptr, ec] = std::from_chars(ascii.constData(), end, value);
    if (ascii.isEmpty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    if constexpr (std::is_floating_point_v<Number>) {
        if (!std::isfinite(value))
            return std::nullopt;
    }
    return value;
}

std::optional<double> percentFromText(const QString &chunk)
{
    const QRegularExpressionMatch match = encodingLine().match(chunk);
    if (!match.hasMatch() || match.capturedStart(1) < 0)
        return std::nullopt;
    return cLocaleNumber<double>(match.capturedView(1));
}

} // namespace

std::optional<double> parseProgress(const QString &chunk)
{
    std::optional<double> percent = percentFromJson(chunk);
    if (!percent)
        percent = percentFromText(chunk);
    if (!percent)
        return std::nullopt;
    return *percent / 100.0;
}

namespace {

std::optional<QString> decodedChunk(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<qint64> etaSeconds(const QRegularExpressionMatch &line)
{
    const std::optional<int> hours = cLocaleNumber<int>(line.capturedView(3));
    const std::optional<int> minutes = cLocaleNumber<int>(line.capturedView(4));
    const std::optional<int> seconds = cLocaleNumber<int>(line.capturedView(5));
    if (!hours || !minutes || !seconds)
        return std::nullopt;
    return qint64(*hours) * 3600 + qint64(*minutes) * 60 + *seconds;
}

} // namespace

std::optional<double> parseProgressChunk(QByteArrayView bytes)
{
    const std::optional<QString> text = decodedChunk(bytes);
    return text ? parseProgress(*text) : std::nullopt;
}

std::optional<EncoderReport> parseReportChunk(QByteArrayView bytes)
{
    const std::optional<QString> text = decodedChunk(bytes);
    const std::optional<double> fraction = text ? parseProgress(*text) : std::nullopt;
    if (!fraction)
        return std::nullopt;
    EncoderReport report{*fraction, std::nullopt};
    // A JSON report is one task without an estimate, whatever lines its strings hold.
    if (percentFromJson(*text))
        return report;
    const QRegularExpressionMatch line = taskLine().match(*text);
    const std::optional<int> task = cLocaleNumber<int>(line.capturedView(1));
    const std::optional<int> tasks = cLocaleNumber<int>(line.capturedView(2));
    if (!task || !tasks || *task < 1 || *task > *tasks)
        return report;
    report.fileFraction = (*task - 1 + *fraction) / *tasks;
    if (*task == *tasks)
        report.secondsLeft = etaSeconds(line);
    return report;
}
