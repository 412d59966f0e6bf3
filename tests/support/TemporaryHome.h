// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// Points HOME and the XDG base directories at a fresh temporary folder for the lifetime of the
// object, so that tests never create or read anything in the real user's home.
class TemporaryHome
{
public:
    TemporaryHome();
    ~TemporaryHome();

    TemporaryHome(const TemporaryHome &) = delete;
    TemporaryHome &operator=(const TemporaryHome &) = delete;

    QString path() const { return m_dir.path(); }
    QString documentsPath() const;

    // Writes an XDG user-dirs file that names the Documents folder, as desktops do.
    void setDocumentsFolder(const QString &absolutePath);

private:
    QTemporaryDir m_dir;
    QList<std::pair<QByteArray, QByteArray>> m_savedEnvironment;
};
