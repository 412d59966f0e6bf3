// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReadableAliases.h"

#include "LocalPath.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

QUrl ReadableAliases::urlFor(const QByteArray &path)
{
    if (LocalPath::isDecodable(path))
        return QUrl::fromLocalFile(QFile::decodeName(path));

    const QMutexLocker lock(&m_mutex);
    if (const auto known = m_links.constFind(path); known != m_links.cend())
        return *known;
    if (!m_folder)
        m_folder = std::make_unique<QTemporaryDir>();
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
    return url;
}
