// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainWindow.h"

#include "FileChooser.h"
#include "desktop/DesktopIntegration.h"
#include "screens/ContentView.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QCloseEvent>
#include <QShortcut>
#include <QVBoxLayout>

MainWindow::MainWindow(BatchSession *session, DesktopIntegration *desktop, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_desktop(desktop)
    , m_contentView(new ContentView(session->state(), this, this))
    , m_fileChooser(new FileChooser(this))
{
    setWindowTitle(QStringLiteral("Clipforger"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_contentView);
    fitToContent();

    connect(m_contentView, &ContentView::screenShown, this, &MainWindow::fitToContent);
    connect(m_contentView, &ContentView::frameResized, this, &MainWindow::fitToContent);
    connect(m_fileChooser, &FileChooser::filesChosen, this, &MainWindow::addFiles);

    // The desktop's usual keys; both go through closeEvent, so a running encoder is stopped.
    for (const QKeySequence &keys :
         {QKeySequence(QKeySequence::Quit), QKeySequence(QKeySequence::Close)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);

    const ScreenState *state = m_session->state();
    connect(state, &ScreenState::screenChanged, this, &MainWindow::onScreenChanged);
    connect(state, &ScreenState::batchPercentChanged, this, &MainWindow::renderTitle);
    connect(state, &ScreenState::pausedChanged, this, &MainWindow::renderTitle);
}

void MainWindow::addFiles(const QList<QUrl> &urls)
{
    m_session->addFiles(urls);
}

void MainWindow::chooseFiles()
{
    m_fileChooser->open();
}

void MainWindow::clearFiles()
{
    m_session->clearFiles();
}

void MainWindow::startConversion()
{
    m_session->startConversion();
}

void MainWindow::setPaused(bool paused)
{
    m_session->setPaused(paused);
}

void MainWindow::stopConversion()
{
    m_session->stopConversion();
}

void MainWindow::goBack()
{
    m_session->goBack();
}

void MainWindow::viewFiles()
{
    if (m_desktop)
        m_desktop->showConvertedFiles();
}

void MainWindow::moveOriginalsToTrash()
{
    m_session->moveOriginalsToTrash();
}

void MainWindow::putOriginalsBack()
{
    m_session->putOriginalsBack();
}

void MainWindow::fitToContent()
{
    // A maximised or full-screen window, or one the user has sized by hand, keeps its size; the
    // content stays centred in it.
    const Qt::WindowStates kept = Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized;
    if (windowState() & kept)
        return;
    if (m_fittedSize.isValid() && size() != m_fittedSize)
        return;
    m_fittedSize = m_contentView->frameSize();
    resize(m_fittedSize);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_session->state()->isConverting()) {
        QWidget::closeEvent(event);
        return;
    }
    // Stop the encoders and remove their partial outputs first; the window closes once the
    // batch has ended. The encoders stop side by side, within one grace period.
    event->ignore();
    m_closeWhenStopped = true;
    m_session->stopForQuit();
}

void MainWindow::onScreenChanged()
{
    renderTitle();
    if (!m_session->state()->isConverting() && m_closeWhenStopped)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

// The taskbar shows the title beside the entry's progress.
void MainWindow::renderTitle()
{
    const ScreenState *state = m_session->state();
    const int percent = state->batchPercent();
    if (!state->isConverting())
        setWindowTitle(QStringLiteral("Clipforger"));
    else if (state->isPaused())
        setWindowTitle(tr("Paused at %1% – Clipforger", "window title").arg(percent));
    else
        setWindowTitle(
            tr("%1% – Clipforger", "window title: percent of the batch done").arg(percent));
}
