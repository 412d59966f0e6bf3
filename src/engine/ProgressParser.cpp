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

std::optional<double> percentFromJson(const QString &line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
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

// "Encoding: task 1 of 2, 58.33 %", with "(33.48 fps, avg 33.48 fps, ETA 00h00m03s)" appended
// once encoding runs. Unicode \d on purpose: digits of other scripts make the first match, which
// then fails the C-locale conversion, rather than letting a later match in the line win.
const QRegularExpression &encodingLine()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(Encoding: task (\d+) of (\d+), (\d+\.?\d*)\s*%)"
                       R"((?: \([^)]*ETA (\d+)h(\d+)m(\d+)s\))?)"),
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

std::optional<QString> decodedLine(QByteArrayView bytes)
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
    const std::optional<int> hours = cLocaleNumber<int>(line.capturedView(4));
    const std::optional<int> minutes = cLocaleNumber<int>(line.capturedView(5));
    const std::optional<int> seconds = cLocaleNumber<int>(line.capturedView(6));
    if (!hours || !minutes || !seconds)
        return std::nullopt;
    return qint64(*hours) * 3600 + qint64(*minutes) * 60 + *seconds;
}

struct LineReport
{
    double percent;
    EncoderReport report;
};

std::optional<LineReport> parseLine(QByteArrayView bytes)
{
    const std::optional<QString> text = decodedLine(bytes);
    if (!text)
        return std::nullopt;
    // A JSON report is one task without an estimate, whatever lines its strings hold.
    if (const std::optional<double> percent = percentFromJson(*text))
        return LineReport{*percent, {*percent / 100.0, std::nullopt}};
    const QRegularExpressionMatch line = encodingLine().match(*text);
    const std::optional<double> percent = cLocaleNumber<double>(line.capturedView(3));
    if (!percent)
        return std::nullopt;
    LineReport found{*percent, {*percent / 100.0, std::nullopt}};
    const std::optional<int> task = cLocaleNumber<int>(line.capturedView(1));
    const std::optional<int> tasks = cLocaleNumber<int>(line.capturedView(2));
    if (!task || !tasks || *task < 1 || *task > *tasks)
        return found;
    found.report.fileFraction = (*task - 1 + *percent / 100.0) / *tasks;
    if (*task == *tasks)
        found.report.secondsLeft = etaSeconds(line);
    return found;
}

// Newest first, so that a burst of lines costs one match.
std::optional<LineReport> parseNewestLine(QByteArrayView lines)
{
    qsizetype end = lines.size();
    while (end >= 0) {
        qsizetype start = end;
        while (start > 0 && lines[start - 1] != '\n' && lines[start - 1] != '\r')
            --start;
        if (start < end) {
            if (std::optional<LineReport> found = parseLine(lines.sliced(start, end - start)))
                return found;
        }
        end = start - 1;
    }
    return std::nullopt;
}

} // namespace

std::optional<EncoderReport> parseReportLines(QByteArrayView lines)
{
    const std::optional<LineReport> found = parseNewestLine(lines);
    return found ? std::optional(found->report) : std::nullopt;
}

std::optional<double> parseProgressLines(QByteArrayView lines)
{
    const std::optional<LineReport> found = parseNewestLine(lines);
    return found ? std::optional(found->percent / 100.0) : std::nullopt;
}
