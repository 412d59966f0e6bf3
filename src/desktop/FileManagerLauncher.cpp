// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileManagerLauncher.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QProcess>

FileManagerLauncher::FileManagerLauncher(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{}

void FileManagerLauncher::show(const QUrl &folder, const QList<QUrl> &files)
{
    if (files.isEmpty() || !m_bus.isConnected()) {
        openFolder(folder);
        return;
    }
    QStringList uris;
    for (const QUrl &file : files)
        uris.append(file.toString(QUrl::FullyEncoded));
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    // No startup id: the window is raised by the file manager's own judgement.
    call << uris << QString();
    // Unowned and not activatable, the bus answers with an error at once.
    auto *answer = new QDBusPendingCallWatcher(m_bus.asyncCall(call, callTimeoutMs), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this, answer, folder] {
        answer->deleteLater();
        if (answer->isError())
            openFolder(folder);
    });
}

// QDesktopServices counts xdg-open as having opened the folder as soon as it starts, even when
// it then finds no handler that works (one that needs X11 in a Wayland session): only its exit
// status says whether anything opened.
void FileManagerLauncher::openFolder(const QUrl &folder)
{
    auto *opener = new QProcess(this);
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setStandardInputFile(QProcess::nullDevice());
    connect(opener, &QProcess::finished, this,
            [this, opener](int exitCode, QProcess::ExitStatus exitStatus) {
                opener->deleteLater();
                if (exitStatus != QProcess::NormalExit || exitCode != 0)
                    Q_EMIT folderNotOpened();
            });
    connect(opener, &QProcess::errorOccurred, this, [this, opener](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        opener->deleteLater();
        Q_EMIT folderNotOpened();
    });
    opener->start(QStringLiteral("xdg-open"), {folder.toLocalFile()});
}
