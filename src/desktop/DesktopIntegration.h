// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QObject>

#include <functional>

struct TrashOffer;
class BatchNotifier;
class FileManagerLauncher;
class ScreenState;
class SleepInhibitor;
class TaskbarProgress;

// What a batch means to the rest of the desktop: no suspend while it runs, its progress and the
// files left on the taskbar entry, a notification when it ends while the window is not watched,
// and its converted files shown in the file manager. Without a session bus, only the folder
// opens.
class DesktopIntegration : public QObject
{
    Q_OBJECT

public:
    // `userSeesTheEnd` says whether a batch that ends now needs no word: the user is watching
    // the window, or it ended because the window is closing.
    DesktopIntegration(const ScreenState *state, const QDBusConnection &sessionBus,
                       std::function<bool()> userSeesTheEnd, QObject *parent = nullptr);

    // The last batch's converted files, selected in their folder.
    void showConvertedFiles();
    // What a move of originals to the Trash did, where its screen is no longer shown.
    void tellTrashMoves(const TrashOffer &offer);

Q_SIGNALS:
    void folderNotOpened();

private:
    void onScreenChanged();
    void keepAwakeWhileWorking();
    void renderProgress();

    const ScreenState *m_state;
    std::function<bool()> m_userSeesTheEnd;
    SleepInhibitor *m_inhibitor;
    BatchNotifier *m_notifier;
    TaskbarProgress *m_taskbar;
    FileManagerLauncher *m_fileManager;
    // The taskbar entry shows the batch's progress, to be cleared once it has ended.
    bool m_showsProgress = false;
};
