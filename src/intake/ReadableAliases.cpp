// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReadableAliases.h"

#include "LocalPath.h"

#include <QDir>
#include <QFile>

#include <QRegularExpression>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The owner's process id in the name, so that the folder of a killed instance can be told from
// that of a running one.
const QString folderPrefix = QStringLiteral("clipforger-links-");

} // namespace

QUrl ReadableAliases::urlFor(const QByteArray &path)
{
    if (LocalPath::isDecodable(path))
        return QUrl::fromLocalFile(QFile::decodeName(path));

    const QMutexLocker lock(&m_mutex);
    if (const auto known = m_links.constFind(path); known != m_links.cend())
        return *known;
    if (!m_folder)
        m_folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + u'/' + folderPrefix +
                                                   QString::number(::getpid()) +
                                                   QStringLiteral("-XXXXXX"));
    if (!m_folder->isValid())
        return {};
    // One folder per link, so that two files of the same name from different folders both keep
    // their names.
    const QString folder = m_folder->filePath(QString::number(m_links.size()));
    const QString link =
        folder + QLatin1Char('/') + LocalPath::readableName(LocalPath::fileName(path));
    if (!QDir().mkdir(folder) || ::symlink(path.constData(), QFile::encodeName(link)) != 0)
        return {};
    const QUrl url = QUrl::fromLocalFile(link);
    m_links.insert(path, url);
    m_originals.insert(url, path);
    return url;
}

QUrl ReadableAliases::originalOf(const QUrl &listed) const
{
    const QMutexLocker lock(&m_mutex);
    const auto original = m_originals.constFind(listed);
    return original == m_originals.cend() ? listed : LocalPath::toUrl(*original);
}

int ReadableAliases::removeLeftBehind(const QString &tempFolder,
                                      const std::function<bool(qint64 pid)> &isRunningInstance)
{
    static const QRegularExpression name(u'^' + folderPrefix +
                                         QStringLiteral("([1-9][0-9]*)-[^/]+$"));
    int removed = 0;
    const QDir folder(tempFolder);
    for (const QString &entry :
         folder.entryList({folderPrefix + u'*'}, QDir::Dirs | QDir::Hidden)) {
        const QRegularExpressionMatch match = name.match(entry);
        const qint64 owner = match.hasMatch() ? match.captured(1).toLongLong() : 0;
        struct stat info;
        // Only our own user's real folders; links are never followed.
        if (owner == 0 || owner == ::getpid() || isRunningInstance(owner) ||
            ::lstat(QFile::encodeName(folder.filePath(entry)).constData(), &info) != 0 ||
            !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
            continue;
        removed += QDir(folder.filePath(entry)).removeRecursively() ? 1 : 0;
    }
    return removed;
}
