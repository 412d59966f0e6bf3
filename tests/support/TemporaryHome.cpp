// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TemporaryHome.h"

#include <QDir>
#include <QFile>

namespace {
const QList<QByteArray> overriddenVariables = {"HOME",           "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                                               "XDG_CACHE_HOME", "XDG_STATE_HOME",  "TMPDIR"};
}

TemporaryHome::TemporaryHome()
{
    for (const QByteArray &name : overriddenVariables)
        m_savedEnvironment.append({name, qgetenv(name.constData())});
    const QString home = m_dir.path();
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home + QStringLiteral("/.cache")));
    qputenv("XDG_STATE_HOME", QFile::encodeName(home + QStringLiteral("/.local/state")));
    // An app started here clears what it takes for ended instances' leftovers in the temporary
    // folder, which in the shared one are those of the other tests running beside it.
    qputenv("TMPDIR", QFile::encodeName(home + QStringLiteral("/tmp")));
    QDir(home).mkpath(QStringLiteral(".config"));
    QDir(home).mkpath(QStringLiteral("tmp"));
}

TemporaryHome::~TemporaryHome()
{
    for (const auto &[name, value] : m_savedEnvironment) {
        if (value.isNull())
            qunsetenv(name.constData());
        else
            qputenv(name.constData(), value);
    }
}

QString TemporaryHome::documentsPath() const
{
    return m_dir.path() + QStringLiteral("/Documents");
}

void TemporaryHome::setDocumentsFolder(const QString &absolutePath)
{
    QFile file(m_dir.path() + QStringLiteral("/.config/user-dirs.dirs"));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write("XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(absolutePath) + "\"\n");
}
