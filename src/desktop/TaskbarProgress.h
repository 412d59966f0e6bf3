// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QObject>

// Shows a batch's progress on the app's taskbar entry or dock icon: the
// com.canonical.Unity.LauncherEntry signal, which KDE Plasma's task manager and the common docks
// read. Fire and forget: without a bus, or when the bus refuses, nothing is shown and nothing
// waits.
class TaskbarProgress : public QObject
{
    Q_OBJECT

public:
    static constexpr char objectPath[] = "/org/clipforger/Clipforger/LauncherEntry";

    explicit TaskbarProgress(const QDBusConnection &bus, QObject *parent = nullptr);

    // The fraction done (0 to 1) and the count of files left, on the entry.
    void show(double fraction, qint64 filesLeft);
    // Takes both off the entry again.
    void clear();

private:
    void send(const QVariantMap &properties);

    QDBusConnection m_bus;
};
