// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QUrl>

// What the user can ask for on the screens. The screens call it where the user asks, and the
// window carries each request out: a new request is one function here and one there.
class ScreenActions
{
public:
    virtual ~ScreenActions() = default;

    // Files dropped, pasted or chosen, on the drop screen or joining the running batch.
    virtual void addFiles(const QList<QUrl> &urls) = 0;
    // The desktop's file chooser, filtered to videos.
    virtual void chooseFiles() = 0;
    virtual void clearFiles() = 0;
    virtual void startConversion() = 0;
    virtual void setPaused(bool paused) = 0;
    // The user's Stop: the files converted so far stay.
    virtual void stopConversion() = 0;
    // From the completion screen back to an empty drop screen.
    virtual void goBack() = 0;
    // The last batch's converted files, selected in their folder.
    virtual void viewFiles() = 0;
    virtual void moveOriginalsToTrash() = 0;
    virtual void putOriginalsBack() = 0;
};
