// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AppFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace AppFolder {

QString resolve(const QString &documentsLocation)
{
    const QString documents = documentsLocation.isEmpty()
                                  ? QDir::homePath() + QStringLiteral("/Documents")
                                  : documentsLocation;
    return QDir::cleanPath(QDir(documents).absoluteFilePath(QStringLiteral("Clipforger")));
}

QString resolve()
{
    return resolve(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString resolveAndCreate()
{
    const QString folder = resolve();
    QDir().mkpath(folder);
    return folder;
}

} // namespace AppFolder
