// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CrashRecord.h"

#include "files/RegularFile.h"
#include "intake/LocalPath.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QLatin1StringView versionKey("version");
const QLatin1StringView filesKey("files");
const QLatin1StringView inputKey("input");
const QLatin1StringView convertedKey("converted");

// A record is a few hundred bytes a file; anything far larger is not ours.
constexpr qint64 maximumSize = 16 * 1024 * 1024;

// The record's bytes when it is a regular file of a record's size. Never waits: a pipe in its
// place would hold the start for ever, and a device such as /dev/zero has no end.
std::optional<QByteArray> readRecord(const QString &path)
{
    struct stat info;
    const int fd = RegularFile::openForReading(QFile::encodeName(path), &info);
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> bytes;
    if (info.st_size <= maximumSize) {
        QFile file;
        if (file.open(fd, QIODevice::ReadOnly))
            bytes = file.read(maximumSize + 1);
    }
    ::close(fd);
    if (bytes && bytes->size() > maximumSize)
        return std::nullopt;
    return bytes;
}

bool exists(const QUrl &input)
{
    struct stat info;
    return ::stat(LocalPath::fromUrl(input).constData(), &info) == 0;
}

std::optional<QList<QUrl>> parseUnconverted(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject record = document.object();
    if (record.value(versionKey).toInt(-1) != CrashRecord::formatVersion ||
        !record.value(filesKey).isArray())
        return std::nullopt;

    QList<QUrl> unconverted;
    for (const QJsonValue &entry : record.value(filesKey).toArray()) {
        const QJsonObject file = entry.toObject();
        const QUrl input = QUrl::fromEncoded(file.value(inputKey).toString().toLatin1());
        if (!input.isValid() || !input.isLocalFile())
            return std::nullopt;
        if (!file.value(convertedKey).toBool(false))
            unconverted.append(input);
    }
    return unconverted;
}

} // namespace

CrashRecord::CrashRecord(const QString &path)
    : m_path(path)
{}

QString CrashRecord::defaultPath()
{
    QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    // The base directory rules ignore a relative path.
    if (stateHome.isEmpty() || QDir::isRelativePath(stateHome))
        stateHome = QDir::homePath() + QStringLiteral("/.local/state");
    return stateHome + QStringLiteral("/clipforger/batch.json");
}

bool CrashRecord::write(const QList<QUrl> &inputs,
                        const QList<std::optional<bool>> &converted) const
{
    QJsonArray files;
    for (qsizetype i = 0; i < inputs.size(); ++i) {
        QJsonObject file{{inputKey, QString::fromLatin1(inputs[i].toEncoded())}};
        if (const std::optional<bool> ended = converted.value(i))
            file.insert(convertedKey, *ended);
        files.append(file);
    }
    const QJsonObject record{{versionKey, formatVersion}, {filesKey, files}};

    QDir().mkpath(QFileInfo(m_path).path());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(record).toJson(QJsonDocument::Compact));
    return file.commit();
}

void CrashRecord::remove() const
{
    QFile::remove(m_path);
}

QList<QUrl> CrashRecord::unconvertedInputs() const
{
    if (!QFile::exists(m_path))
        return {};
    std::optional<QList<QUrl>> unconverted;
    if (const std::optional<QByteArray> bytes = readRecord(m_path))
        unconverted = parseUnconverted(*bytes);
    // Files that are gone since leave nothing to offer; a record of nothing but those is set
    // aside too, so that it is not read at every start.
    const qsizetype recorded = unconverted ? unconverted->size() : 0;
    if (unconverted)
        unconverted->removeIf([](const QUrl &input) { return !exists(input); });
    if (!unconverted || (recorded > 0 && unconverted->isEmpty())) {
        setAside();
        return {};
    }
    return *unconverted;
}

void CrashRecord::setAside() const
{
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddThhmmss"));
    QFile::rename(m_path, m_path + QStringLiteral(".unreadable-") + stamp);
}
