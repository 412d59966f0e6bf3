// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MediaRequest.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr QByteArrayView kindNames[] = {"probe", "duration", "remux"};

QByteArray field(const QByteArray &bytes)
{
    return bytes.toPercentEncoding();
}

} // namespace

QByteArray MediaRequest::toLine() const
{
    QByteArrayList fields = {kindNames[int(kind)].toByteArray(), field(QFile::encodeName(path))};
    if (kind == Kind::Remux) {
        fields.append(field(recorded.isValid()
                                ? recorded.toUTC().toString(Qt::ISODateWithMs).toUtf8()
                                : QByteArray()));
        fields.append(field(QFile::encodeName(originalPath)));
        for (const auto &[key, value] : tags)
            fields << field(key) << field(value.toUtf8());
    }
    return fields.join(' ') + '\n';
}

std::optional<MediaRequest> MediaRequest::fromLine(QByteArrayView line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    const QByteArrayList fields = line.toByteArray().split(' ');
    if (fields.size() < 2)
        return std::nullopt;
    MediaRequest request;
    const auto kind = std::find(std::begin(kindNames), std::end(kindNames), fields.at(0));
    if (kind == std::end(kindNames))
        return std::nullopt;
    request.kind = Kind(kind - std::begin(kindNames));
    request.path = QFile::decodeName(QByteArray::fromPercentEncoding(fields.at(1)));
    if (request.kind != Kind::Remux)
        return fields.size() == 2 ? std::optional(request) : std::nullopt;
    if (fields.size() < 4 || fields.size() % 2 == 1)
        return std::nullopt;
    request.recorded = QDateTime::fromString(
        QString::fromUtf8(QByteArray::fromPercentEncoding(fields.at(2))), Qt::ISODateWithMs);
    request.originalPath = QFile::decodeName(QByteArray::fromPercentEncoding(fields.at(3)));
    for (qsizetype i = 4; i + 1 < fields.size(); i += 2)
        request.tags.append({QByteArray::fromPercentEncoding(fields.at(i)),
                             QString::fromUtf8(QByteArray::fromPercentEncoding(fields.at(i + 1)))});
    return request;
}

QByteArray MediaRequest::frame(const QByteArray &payload)
{
    QByteArray framed(4, '\0');
    qToBigEndian(quint32(payload.size()), framed.data());
    return framed + payload;
}
