#pragma once

#include <QDBusConnection>
#include <QWidget>

class BatchNotifier;
class ContentView;
class SleepInhibitor;

// Clipforger's one window. Its content is the root view; the window adds its title, its size,
// and what a batch means to the rest of the desktop: no suspend while it runs, a notification
// when it ends unseen, and no encoder left behind when the window closes.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(const QString &encoderPath, QWidget *parent = nullptr,
                        const QDBusConnection &sessionBus = sessionBusIfAny());

    ContentView *contentView() const { return m_contentView; }
    BatchNotifier *notifier() const { return m_notifier; }

    // The session bus, or a disconnected connection where the session has none.
    static QDBusConnection sessionBusIfAny();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void onConvertingChanged(bool converting);
    void onCompletionShown(bool shown);

    ContentView *m_contentView;
    SleepInhibitor *m_inhibitor;
    BatchNotifier *m_notifier;
    bool m_closeWhenStopped = false;
};
