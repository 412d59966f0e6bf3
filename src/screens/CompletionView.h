// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "session/BatchReport.h"

#include <QUrl>
#include <QWidget>

class FailureReport;
class LargeButton;
class QLabel;
class QLineEdit;
class QVBoxLayout;
class ScreenActions;
class ScreenState;
class SymbolView;
class TextButton;

// The screen shown once a batch has ended. It says how the batch went (converted, partly
// failed, failed, or stopped), why files failed and what the converted ones gained, and where
// the output folder is if the desktop could not open it; it asks for the folder to be opened,
// and for the way back to the drop screen. The converted files can be dragged from it into
// other applications, or copied (Ctrl+C) as a file manager copies them. Their originals can be
// moved to the Trash, never without a press, and put back. It renders from the state.
class CompletionView : public QWidget
{
    Q_OBJECT

public:
    CompletionView(const ScreenState *state, ScreenActions *actions, QWidget *parent = nullptr);

private:
    using Verdict = BatchReport::Verdict;

    static QString symbolFor(Verdict verdict);
    static QColor colourFor(Verdict verdict);
    QVBoxLayout *buildTitleBlock();
    QVBoxLayout *buildButtonBlock();
    QWidget *buildFolderNotOpened();
    void fitFolderPath();
    void showReport();
    void copyFiles();
    void showOriginalsTrash();

    const ScreenState *m_state;
    ScreenActions *m_actions;
    SymbolView *m_icon;
    QLabel *m_title;
    FailureReport *m_failures;
    QLabel *m_sizesLine;
    QWidget *m_details = nullptr;
    QWidget *m_folderNotOpened = nullptr;
    QLineEdit *m_folderPath = nullptr;
    LargeButton *m_viewFilesButton = nullptr;
    TextButton *m_copyButton = nullptr;
    TextButton *m_trashButton = nullptr;
    TextButton *m_undoButton = nullptr;
    QLabel *m_trashLine = nullptr;
};
