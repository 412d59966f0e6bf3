#include "ProgressParser.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringDecoder>

#include <charconv>
#include <cmath>

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

// Locale-independent, unlike strtod once QCoreApplication has called setlocale().
std::optional<double> cLocaleDouble(QStringView text)
{
    QByteArray ascii;
    ascii.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() > 0x7f)
            return std::nullopt;
        ascii.append(char(c.unicode()));
    }
    double value = 0;
    const char *end = ascii.constData() + ascii.size();
    const auto [ptr, ec] = std::from_chars(ascii.constData(), end, value);
    if (ascii.isEmpty() || ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> percentFromText(const QString &chunk)
{
    const QRegularExpressionMatch match = encodingLine().match(chunk);
    if (!match.hasMatch() || match.capturedStart(1) < 0)
        return std::nullopt;
    return cLocaleDouble(match.capturedView(1));
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

std::optional<double> parseProgressChunk(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return parseProgress(text);
}
