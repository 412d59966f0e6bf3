// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class BatchSession;
class ConvertButton;
class DropZone;
class LargeButton;
class QLabel;
class QStackedLayout;

// The working screen: the drop zone and the convert button while idle, the progress display and
// the Stop button while a batch runs. It renders from the session's state and sends it what the
// user asks for: files dropped on either face, pasted (Ctrl+V), or cleared (Delete). The file
// chooser (a click on the zone, Ctrl+O) belongs to the desktop: it is asked for.
class MainConversionView : public QWidget
{
    Q_OBJECT

public:
    explicit MainConversionView(BatchSession *session, QWidget *parent = nullptr);

    static QString restoredNoticeText(qsizetype restoredCount);

Q_SIGNALS:
    void chooseFilesRequested();

private:
    QWidget *buildIdleFace();
    QWidget *buildConvertingFace();
    void render();
    void paste();

    BatchSession *m_session;
    QStackedLayout *m_faces;
    QWidget *m_idleFace;
    QWidget *m_convertingFace;
    DropZone *m_dropZone = nullptr;
    QLabel *m_restoredNotice = nullptr;
    ConvertButton *m_convertButton = nullptr;
    LargeButton *m_stopButton = nullptr;
};
