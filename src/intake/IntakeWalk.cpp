// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "IntakeWalk.h"

#include "LocalPath.h"
#include "ReadableAliases.h"

#include <QCollator>

#include <algorithm>

#include <dirent.h>

namespace {

// Often enough that the list visibly grows, seldom enough that the main thread is not kept
// busy re-rendering it.
constexpr qint64 deliveryIntervalMs = 25;

// The folder's visible entries, in the order a file manager lists them: digits by value,
// letters without regard to case. By their raw bytes rather than through QDir, which decodes
// names and so loses those that are not UTF-8.
QList<QByteArray> sortedEntries(const QByteArray &folder)
{
    QList<QByteArray> names;
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        // Also "." and "..".
        if (entry->d_name[0] != '.')
            names.append(QByteArray(entry->d_name));
    }
    ::closedir(dir);

    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QList<std::pair<QString, QByteArray>> keyed;
    keyed.reserve(names.size());
    for (const QByteArray &name : names)
        keyed.append({LocalPath::readableName(name), name});
    std::sort(keyed.begin(), keyed.end(), [&collator](const auto &a, const auto &b) {
        const int order = collator.compare(a.first, b.first);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    for (qsizetype i = 0; i < keyed.size(); ++i)
        names[i] = keyed[i].second;
    return names;
}

} // namespace

IntakeWalk::IntakeWalk(ReadableAliases &aliases, StillWanted stillWanted, Deliver deliver)
    : m_aliases(aliases)
    , m_stillWanted(std::move(stillWanted))
    , m_deliver(std::move(deliver))
{}

void IntakeWalk::tellFoldersSeen(TellFoldersSeen tell, std::chrono::milliseconds interval)
{
    m_tellFoldersSeen = std::move(tell);
    m_foldersSeenInterval = interval;
}

void IntakeWalk::run(const QList<QUrl> &urls)
{
    m_sinceDelivery.start();
    m_sinceFoldersSeenTold.start();
    for (const QUrl &url : urls) {
        if (!m_stillWanted())
            return;
        visit(url);
    }
    flush();
}

void IntakeWalk::visit(const QUrl &url)
{
    const QByteArray path = LocalPath::fromUrl(url);
    struct stat info;
    if (path.isEmpty() || ::stat(path.constData(), &info) != 0)
        return;
    if (S_ISDIR(info.st_mode)) {
        enterFolder(info);
        visitFolder(path);
    } else {
        visitFile(path, info);
    }
}

void IntakeWalk::visitFolder(const QByteArray &path)
{
    const QByteArray prefix = path.endsWith('/') ? path : path + '/';
    for (const QByteArray &name : sortedEntries(path)) {
        if (!m_stillWanted())
            return;
        const QByteArray entry = prefix + name;
        // Followed through links; a link loop or a vanished entry fails here and is skipped.
        struct stat info;
        if (::stat(entry.constData(), &info) != 0)
            continue;
        if (S_ISDIR(info.st_mode)) {
            if (!m_visitedFolders.contains({info.st_dev, info.st_ino})) {
                enterFolder(info);
                visitFolder(entry);
            }
        } else if (S_ISREG(info.st_mode)) {
            visitFile(entry, info);
        }
    }
}

void IntakeWalk::enterFolder(const struct stat &info)
{
    m_visitedFolders.insert({info.st_dev, info.st_ino});
    if (m_tellFoldersSeen && m_sinceFoldersSeenTold.elapsed() >= m_foldersSeenInterval.count()) {
        m_tellFoldersSeen(m_visitedFolders.size());
        m_sinceFoldersSeenTold.restart();
    }
}

void IntakeWalk::visitFile(const QByteArray &path, const struct stat &info)
{
    if (!m_typing.isVideoFile(path))
        return;
    // Listed by its path alone: "file://localhost/a.mp4", a query or a fragment would not
    // reach the encoder.
    const QUrl url = m_aliases.urlFor(path);
    if (url.isEmpty())
        return;
    m_found.append(url);
    m_identities.append({quint64(info.st_dev), quint64(info.st_ino)});
    if (m_sinceDelivery.elapsed() >= deliveryIntervalMs)
        flush();
}

void IntakeWalk::flush()
{
    if (!m_found.isEmpty() && m_stillWanted())
        m_deliver(m_found, m_identities);
    m_found.clear();
    m_identities.clear();
    m_sinceDelivery.restart();
}
