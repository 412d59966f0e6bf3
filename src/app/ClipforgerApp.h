// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QObject>

#include <memory>

#include <QList>
#include <QUrl>

class ApplicationService;
class BatchSession;
class MainWindow;
class QApplication;
class QuitSignals;

// Clipforger as one object: the batch session, its window, the answer to the quit signals, and
// the application id on the session bus through which later launches hand over their files.
// main() only makes the QApplication, this, and runs the event loop.
class ClipforgerApp : public QObject
{
    Q_OBJECT

public:
    static constexpr char desktopFileName[] = "org.clipforger.Clipforger";

    // Names the application and gives its windows our icon, so that the desktop shows
    // "Clipforger" and matches the window to its desktop entry.
    static void describeApplication(QApplication &application);

    ClipforgerApp(const QString &encoderPath, const QString &outputFolder,
                  const QDBusConnection &sessionBus, QObject *parent = nullptr);
    ~ClipforgerApp() override;

    BatchSession *session() const { return m_session; }
    MainWindow *window() const { return m_window.get(); }
    // False when another instance owns the application id: this one should hand over and go.
    bool ownsApplicationId() const;

    // Lists the files as if they had been dropped, and brings the window forward.
    void open(const QList<QUrl> &files);

private:
    void onQuitSignal();
    void bringForward();

    BatchSession *m_session;
    std::unique_ptr<MainWindow> m_window;
    QuitSignals *m_quitSignals;
    ApplicationService *m_service;
    bool m_quitRequested = false;
};
