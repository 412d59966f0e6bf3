// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class BatchSession;
class ContentView;
class FileChooser;

// Clipforger's one window. Its content shows the session's screens, and the window hands what the
// user asks for there to the session. It adds its title, with the batch's progress, its size,
// the file chooser, and no encoder left behind when it closes. It fits itself to its content only
// while the user has left its size alone.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(BatchSession *session, QWidget *parent = nullptr);

    ContentView *contentView() const { return m_contentView; }
    // The window was closed mid-batch and goes once the batch has ended.
    bool closesWhenBatchEnds() const { return m_closeWhenStopped; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectRequests();
    void onScreenChanged();
    void renderTitle();
    void fitToContent();

    BatchSession *m_session;
    ContentView *m_contentView;
    FileChooser *m_fileChooser;
    bool m_closeWhenStopped = false;
    // The size the window last gave itself; any other size in the normal state is the user's.
    QSize m_fittedSize;
};
