// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QWidget>

class BatchNotifier;
class BatchSession;
class ContentView;
class FileChooser;
class SleepInhibitor;
class TaskbarProgress;

// Clipforger's one window. Its content shows the session's screens; the window adds its title,
// its size, and what a batch means to the rest of the desktop: its progress in the title and on
// the taskbar entry, no suspend while it runs, a notification when it ends unseen, and no
// encoder left behind when the window closes. It fits itself to its content only while the user
// has left its size alone.
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
    void renderBatchProgress();
    void fitToContent();

    BatchSession *m_session;
    ContentView *m_contentView;
    SleepInhibitor *m_inhibitor;
    BatchNotifier *m_notifier;
    FileChooser *m_fileChooser;
    TaskbarProgress *m_taskbar;
    bool m_closeWhenStopped = false;
    // What the title and the taskbar show, so that they change only when it does: the whole
    // percent of the batch (none while idle) and the files left.
    int m_shownPercent = -1;
    qint64 m_shownFilesLeft = -1;
    // The size the window last gave itself; any other size in the normal state is the user's.
    QSize m_fittedSize;
};
