#pragma once

#include <QDBusConnection>
#include <QWidget>

class BatchNotifier;
class BatchSession;
class ContentView;
class SleepInhibitor;

// Clipforger's one window. Its content shows the session's screens; the window adds its title,
// its size, and what a batch means to the rest of the desktop: no suspend while it runs, a
// notification when it ends unseen, and no encoder left behind when the window closes. It fits
// itself to its content only while the user has left its size alone.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    MainWindow(BatchSession *session, const QDBusConnection &sessionBus, QWidget *parent = nullptr);

    ContentView *contentView() const { return m_contentView; }

    // The session bus, or a disconnected connection where the session has none.
    static QDBusConnection sessionBusIfAny();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void onConvertingChanged(bool converting);
    void onCompletionShown(bool shown);
    void fitToContent();

    BatchSession *m_session;
    ContentView *m_contentView;
    SleepInhibitor *m_inhibitor;
    BatchNotifier *m_notifier;
    bool m_closeWhenStopped = false;
    // The size the window last gave itself; any other size in the normal state is the user's.
    QSize m_fittedSize;
};
