// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QUrl>

// Shows files in the desktop's file manager: their folder with them selected, through the
// org.freedesktop.FileManager1 interface that Nautilus, Dolphin, Nemo and Caja answer; where
// nothing answers it, the folder alone, through xdg-open. Waits for neither.
class FileManagerLauncher : public QObject
{
    Q_OBJECT

public:
    // A file manager that the bus starts for the call takes a moment to answer.
    static constexpr int callTimeoutMs = 5000;

    explicit FileManagerLauncher(const QDBusConnection &bus, QObject *parent = nullptr);

    // Selects `files` in `folder`, or opens the folder alone when there are none.
    void show(const QUrl &folder, const QList<QUrl> &files);

Q_SIGNALS:
    // Nothing could show the folder: the user needs to be told where it is.
    void folderNotOpened();

private:
    void openFolder(const QUrl &folder);

    QDBusConnection m_bus;
};
