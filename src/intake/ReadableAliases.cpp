// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReadableAliases.h"

#include "LocalPath.h"

#include <QDir>
#include <QFile>

#include <algorithm>
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

namespace {

// The process that made a links folder, from its name "clipforger-links-<pid>-<random>"; 0 for
// any other name. Read by hand rather than by a pattern, which would load a regular expression
// engine into every start for one folder listing.
qint64 ownerOfLinksFolder(QStringView name)
{
    if (!name.startsWith(folderPrefix))
        return 0;
    name = name.sliced(folderPrefix.size());
    const qsizetype dash = name.indexOf(u'-');
    if (dash <= 0 || dash == name.size() - 1 || name.front() == u'0')
        return 0;
    const QStringView digits = name.first(dash);
    if (!std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return 0;
    return digits.toLongLong();
}

} // namespace

int ReadableAliases::removeLeftBehind(const QString &tempFolder,
                                      const std::function<bool(qint64 pid)> &isRunningInstance)
{
    int removed = 0;
    const QDir folder(tempFolder);
    for (const QString &entry :
         folder.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const qint64 owner = ownerOfLinksFolder(entry);
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
