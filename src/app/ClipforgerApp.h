#pragma once

#include <QDBusConnection>
#include <QObject>

#include <memory>

class BatchSession;
class MainWindow;
class QApplication;
class QuitSignals;

// Clipforger as one object: the batch session, its window, and the answer to the quit signals.
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

private:
    void onQuitSignal();

    BatchSession *m_session;
    std::unique_ptr<MainWindow> m_window;
    QuitSignals *m_quitSignals;
    bool m_quitRequested = false;
};
