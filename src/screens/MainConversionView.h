// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QUrl>
#include <QWidget>

class ConvertButton;
class DropZone;
class LargeButton;
class QLabel;
class QStackedLayout;
class ScreenActions;
class ScreenState;

// The working screen: the drop zone and the convert button while idle, the progress display and
// the Stop button while a batch runs. It renders from the state and asks the actions for what the
// user wants:
// files dropped on either face or pasted (Ctrl+V), the list cleared (Delete), the batch started,
// paused and resumed (P) or stopped (Esc), and the desktop's file chooser (a click on the zone,
// Ctrl+O).
class MainConversionView : public QWidget
{
    Q_OBJECT

public:
    MainConversionView(const ScreenState *state, ScreenActions *actions, QWidget *parent = nullptr);

    static QString restoredNoticeText(qsizetype restoredCount);

private:
    QWidget *buildIdleFace();
    QWidget *buildConvertingFace();
    void render();
    void paste();

    const ScreenState *m_state;
    ScreenActions *m_actions;
    QStackedLayout *m_faces;
    QWidget *m_idleFace;
    QWidget *m_convertingFace;
    DropZone *m_dropZone = nullptr;
    QLabel *m_restoredNotice = nullptr;
    ConvertButton *m_convertButton = nullptr;
    LargeButton *m_stopButton = nullptr;
    LargeButton *m_pauseButton = nullptr;
};
