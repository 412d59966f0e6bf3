// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screens/ScreenActions.h"

#include <QWidget>

class BatchSession;
class ContentView;
class DesktopIntegration;
class FileChooser;

// Clipforger's one window. Its content shows the session's screens, and the window carries out
// what the user asks for there: the batch's requests through the session, the file chooser, and
// the converted files shown by the desktop. It adds its title, with the batch's progress, its
// size, and no encoder left behind when it closes. It fits itself to its content only while the
// user has left its size alone.
class MainWindow : public QWidget, public ScreenActions
{
    Q_OBJECT

public:
    // Without the desktop's integration, View files does nothing.
    explicit MainWindow(BatchSession *session, DesktopIntegration *desktop = nullptr,
                        QWidget *parent = nullptr);

    void addFiles(const QList<QUrl> &urls) override;
    void chooseFiles() override;
    void clearFiles() override;
    void startConversion() override;
    void setPaused(bool paused) override;
    void stopConversion() override;
    void goBack() override;
    void viewFiles() override;
    void moveOriginalsToTrash() override;
    void putOriginalsBack() override;

    ContentView *contentView() const { return m_contentView; }
    // The window was closed mid-batch and goes once the batch has ended.
    bool closesWhenBatchEnds() const { return m_closeWhenStopped; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void onScreenChanged();
    void renderTitle();
    void fitToContent();

    BatchSession *m_session;
    DesktopIntegration *m_desktop;
    ContentView *m_contentView;
    FileChooser *m_fileChooser;
    bool m_closeWhenStopped = false;
    // The size the window last gave itself; any other size in the normal state is the user's.
    QSize m_fittedSize;
};
