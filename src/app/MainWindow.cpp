// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainWindow.h"

#include "BatchNotifier.h"
#include "FileChooser.h"
#include "SleepInhibitor.h"
#include "TaskbarProgress.h"
#include "screens/ContentView.h"
#include "session/BatchProgress.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>

MainWindow::MainWindow(BatchSession *session, const QDBusConnection &sessionBus, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_contentView(new ContentView(session, this))
    , m_inhibitor(new SleepInhibitor(sessionBus, this))
    , m_notifier(new BatchNotifier(sessionBus, this))
    , m_fileChooser(new FileChooser(this))
    , m_taskbar(new TaskbarProgress(sessionBus, this))
{
    setWindowTitle(QStringLiteral("Clipforger"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_contentView);
    fitToContent();

    connect(m_contentView, &ContentView::screenShown, this, &MainWindow::fitToContent);
    connect(m_contentView, &ContentView::frameResized, this, &MainWindow::fitToContent);
    connect(m_contentView, &ContentView::chooseFilesRequested, m_fileChooser, &FileChooser::open);
    connect(m_fileChooser, &FileChooser::filesChosen, m_session, &BatchSession::addFiles);
    connect(m_notifier, &BatchNotifier::folderOpenRequested, this,
            [](const QUrl &folder) { QDesktopServices::openUrl(folder); });

    // The desktop's usual keys; both go through closeEvent, so a running encoder is stopped.
    for (const QKeySequence &keys :
         {QKeySequence(QKeySequence::Quit), QKeySequence(QKeySequence::Close)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);

    const ScreenState *state = m_session->state();
    connect(state, &ScreenState::isConvertingChanged, this, &MainWindow::onConvertingChanged);
    connect(state, &ScreenState::showCompletionViewChanged, this, &MainWindow::onCompletionShown);
    connect(state, &ScreenState::currentFileIndexChanged, this, &MainWindow::renderBatchProgress);
    connect(state, &ScreenState::conversionProgressChanged, this, &MainWindow::renderBatchProgress);
}

QDBusConnection MainWindow::sessionBusIfAny()
{
    // Without an address or the usual socket, libdbus would try to launch a bus of its own.
    const QString runtimeBus =
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/bus");
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") && !QFileInfo::exists(runtimeBus))
        return QDBusConnection(QStringLiteral("no session bus"));
    return QDBusConnection::sessionBus();
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
    // Stop the encoder and remove its partial output first; the window closes once the
    // batch has ended, which takes at most the encoder's grace period.
    event->ignore();
    m_closeWhenStopped = true;
    m_session->cancelConversion();
}

void MainWindow::onConvertingChanged(bool converting)
{
    renderBatchProgress();
    if (converting) {
        m_inhibitor->inhibit(tr("Converting videos"));
        return;
    }
    m_inhibitor->release();
    if (m_closeWhenStopped)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void MainWindow::onCompletionShown(bool shown)
{
    if (!shown || m_closeWhenStopped || isActiveWindow())
        return;
    const ScreenState *state = m_session->state();
    m_notifier->notifyBatchEnded(state->batchOutcomes(), state->sizeSummary(),
                                 state->outputFolder());
}

void MainWindow::renderBatchProgress()
{
    const ScreenState *state = m_session->state();
    if (!state->isConverting()) {
        if (m_shownPercent < 0)
            return;
        m_shownPercent = -1;
        m_shownFilesLeft = -1;
        setWindowTitle(QStringLiteral("Clipforger"));
        m_taskbar->clear();
        return;
    }
    const qsizetype fileCount = state->droppedFiles().size();
    const double fraction =
        BatchProgress::fraction(state->currentFileIndex(), state->conversionProgress(), fileCount);
    const int percent = int(fraction * 100.0);
    const qint64 filesLeft = std::max<qint64>(fileCount - state->currentFileIndex(), 0);
    if (percent == m_shownPercent && filesLeft == m_shownFilesLeft)
        return;
    m_shownPercent = percent;
    m_shownFilesLeft = filesLeft;
    setWindowTitle(tr("%1% – Clipforger", "window title: percent of the batch done").arg(percent));
    m_taskbar->show(percent / 100.0, filesLeft);
}
