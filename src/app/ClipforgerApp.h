// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "desktop/ApplicationService.h"

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QUrl>

#include <memory>

class BatchSession;
class DesktopIntegration;
class MainWindow;
class OriginalsTrash;
class QCoreApplication;
class QuitSignals;

// Clipforger as one object: the batch session, its window, what a batch means to the desktop,
// the answer to the quit signals, and the application id on the session bus through which later
// launches hand over their files. main() only makes the QApplication, this, and runs the event
// loop.
class ClipforgerApp : public QObject
{
    Q_OBJECT

public:
    // Names the application and, with a window system, gives its windows our icon, so that the
    // desktop shows "Clipforger" and matches the window to its desktop entry.
    static void describeApplication(QCoreApplication &application);

    // Claims the application id on the bus, unless another instance owns it already: then this
    // launch should hand its files over and go, without building an app of its own.
    static std::unique_ptr<ApplicationService> claimApplicationId(const QDBusConnection &bus);

    // With the service that claimed the id, or none to claim it here.
    ClipforgerApp(const QString &encoderPath, const QString &outputFolder,
                  const QDBusConnection &sessionBus,
                  std::unique_ptr<ApplicationService> service = nullptr, QObject *parent = nullptr);
    ~ClipforgerApp() override;

    BatchSession *session() const { return m_session; }
    MainWindow *window() const { return m_window.get(); }
    // False when another instance owns the application id.
    bool ownsApplicationId() const;

    // Lists the files as if they had been dropped, and brings the window forward.
    void open(const QList<QUrl> &files);
    // Shows the window, then lists what the record at recordPath kept of an unfinished batch,
    // followed by the files.
    void start(const QString &recordPath, const QList<QUrl> &files);

private:
    void onQuitSignal();
    void bringForward();

    BatchSession *m_session;
    std::unique_ptr<DesktopIntegration> m_desktop;
    std::unique_ptr<MainWindow> m_window;
    OriginalsTrash *m_trash;
    QuitSignals *m_quitSignals;
    ApplicationService *m_service;
    bool m_quitRequested = false;
};
