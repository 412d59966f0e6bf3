// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopIntegration.h"

#include "BatchNotifier.h"
#include "FileManagerLauncher.h"
#include "SleepInhibitor.h"
#include "TaskbarProgress.h"
#include "session/ScreenState.h"
#include "session/TrashStatus.h"

DesktopIntegration::DesktopIntegration(const ScreenState *state, const QDBusConnection &sessionBus,
                                       std::function<bool()> userSeesTheEnd, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_userSeesTheEnd(std::move(userSeesTheEnd))
    , m_inhibitor(new SleepInhibitor(sessionBus, this))
    , m_notifier(new BatchNotifier(sessionBus, this))
    , m_taskbar(new TaskbarProgress(sessionBus, this))
    , m_fileManager(new FileManagerLauncher(sessionBus, this))
{
    connect(m_state, &ScreenState::screenChanged, this, &DesktopIntegration::onScreenChanged);
    connect(m_state, &ScreenState::pausedChanged, this, &DesktopIntegration::keepAwakeWhileWorking);
    connect(m_state, &ScreenState::batchPercentChanged, this, &DesktopIntegration::renderProgress);
    connect(m_state, &ScreenState::filesLeftChanged, this, &DesktopIntegration::renderProgress);
    // By the time the notification is answered, the list may hold the next batch.
    connect(m_notifier, &BatchNotifier::folderOpenRequested, this,
            [this](const QUrl &folder) { m_fileManager->show(folder, {}); });
    connect(m_fileManager, &FileManagerLauncher::folderNotOpened, this,
            &DesktopIntegration::folderNotOpened);
}

void DesktopIntegration::showConvertedFiles()
{
    if (!m_state->outputFolder().isEmpty())
        m_fileManager->show(m_state->outputFolder(), m_state->files().convertedFiles());
}

void DesktopIntegration::onScreenChanged()
{
    renderProgress();
    keepAwakeWhileWorking();
    if (m_state->isConverting())
        return;
    if (m_state->isOnCompletionScreen() && !m_userSeesTheEnd())
        m_notifier->notifyBatchEnded(m_state->report(), m_state->outputFolder());
}

void DesktopIntegration::tellTrashMoves(const TrashOffer &offer)
{
    m_notifier->notify(TrashStatus::movedSummary(offer), TrashStatus::lines(offer).join(u'\n'));
}

// A paused batch lets the machine sleep: nothing is lost, and it goes on when resumed.
void DesktopIntegration::keepAwakeWhileWorking()
{
    if (m_state->isConverting() && !m_state->isPaused())
        m_inhibitor->inhibit(tr("Converting videos"));
    else
        m_inhibitor->release();
}

void DesktopIntegration::renderProgress()
{
    if (m_state->isConverting()) {
        m_showsProgress = true;
        m_taskbar->show(m_state->batchPercent() / 100.0, m_state->filesLeft());
    } else if (m_showsProgress) {
        m_showsProgress = false;
        m_taskbar->clear();
    }
}
