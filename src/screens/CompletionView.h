// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "session/BatchReport.h"

#include <QUrl>
#include <QWidget>

class LargeButton;
class OriginalsTrash;
class QLabel;
class ScreenState;
class TextButton;

// The screen shown once a batch has ended. It says how the batch went (converted, partly
// failed, failed, or stopped), why files failed and what the converted ones gained, asks for the
// output folder to be opened, and for the way back to the drop screen. The converted files can
// be dragged from it into other applications, or copied (Ctrl+C) as a file manager copies them.
// Their originals can be moved to the Trash, never without a press, and put back.
class CompletionView : public QWidget
{
    Q_OBJECT

public:
    // Built from the state's report and output folder, as they are when the batch has ended.
    explicit CompletionView(const ScreenState *state, QWidget *parent = nullptr);

    // Where the desktop could not open the folder, the user is told where it is, in place of
    // the details of the batch: the screen has no room for both.
    void showFolderNotOpened();

Q_SIGNALS:
    void viewFilesRequested();
    void backRequested();
    void moveOriginalsToTrashRequested();
    void putOriginalsBackRequested();

private:
    using Verdict = BatchReport::Verdict;

    static QString symbolFor(Verdict verdict);
    static QColor colourFor(Verdict verdict);
    QWidget *buildFolderNotOpened();
    void copyFiles();
    void showOriginalsTrash();

    QUrl m_outputFolder;
    QList<QUrl> m_convertedFiles;
    QWidget *m_details = nullptr;
    QWidget *m_folderNotOpened = nullptr;
    const OriginalsTrash *m_originalsTrash;
    LargeButton *m_viewFilesButton = nullptr;
    TextButton *m_trashButton = nullptr;
    TextButton *m_undoButton = nullptr;
    QLabel *m_trashLine = nullptr;
};
