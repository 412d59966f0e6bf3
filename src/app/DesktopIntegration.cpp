// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopIntegration.h"

#include "BatchNotifier.h"
#include "MainWindow.h"
#include "SleepInhibitor.h"
#include "TaskbarProgress.h"
#include "session/BatchProgress.h"
#include "session/ScreenState.h"

#include <QDesktopServices>

DesktopIntegration::DesktopIntegration(const ScreenState *state, const QDBusConnection &sessionBus,
                                       const MainWindow *window, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_window(window)
    , m_inhibitor(new SleepInhibitor(sessionBus, this))
    , m_notifier(new BatchNotifier(sessionBus, this))
    , m_taskbar(new TaskbarProgress(sessionBus, this))
{
    connect(m_state, &ScreenState::screenChanged, this, &DesktopIntegration::onScreenChanged);
    connect(m_state, &ScreenState::currentFileIndexChanged, this,
            &DesktopIntegration::renderProgress);
    connect(m_state, &ScreenState::conversionProgressChanged, this,
            &DesktopIntegration::renderProgress);
    connect(m_notifier, &BatchNotifier::folderOpenRequested, this,
            [](const QUrl &folder) { QDesktopServices::openUrl(folder); });
}

void DesktopIntegration::onScreenChanged()
{
    renderProgress();
    if (m_state->isConverting()) {
        m_inhibitor->inhibit(tr("Converting videos"));
        return;
    }
    m_inhibitor->release();
    // A batch ended before the user's eyes, or by the window's closing, needs no word.
    if (m_state->showCompletionView() && !m_window->isActiveWindow() &&
        !m_window->closesWhenBatchEnds())
        m_notifier->notifyBatchEnded(m_state->report(), m_state->outputFolder());
}

void DesktopIntegration::renderProgress()
{
    if (!m_state->isConverting()) {
        if (m_shownPercent < 0)
            return;
        m_shownPercent = -1;
        m_shownFilesLeft = -1;
        m_taskbar->clear();
        return;
    }
    const QList<BatchFile> &files = m_state->files().all();
    const int percent = int(BatchProgress::fraction(files) * 100.0);
    const qint64 filesLeft = files.size() - BatchProgress::currentFileIndex(files);
    if (percent == m_shownPercent && filesLeft == m_shownFilesLeft)
        return;
    m_shownPercent = percent;
    m_shownFilesLeft = filesLeft;
    m_taskbar->show(percent / 100.0, filesLeft);
}
