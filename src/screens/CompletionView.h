// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/FileOutcome.h"

#include <QUrl>
#include <QWidget>

class ScreenState;

// The screen shown once a batch has ended. It says how the batch went (converted, partly
// failed, failed, or stopped), why files failed and what the converted ones gained, opens the
// output folder, and leads back to the drop screen.
class CompletionView : public QWidget
{
    Q_OBJECT

public:
    enum class Verdict { AllConverted, SomeFailed, NoneConverted, Stopped };

    // Built from the state's outcomes and output folder, as they are when the batch has ended.
    explicit CompletionView(const ScreenState *state, QWidget *parent = nullptr);

    // A batch with a file stopped before its end was stopped, whatever else became of it.
    static Verdict verdictFor(const BatchOutcomes &outcomes);

Q_SIGNALS:
    void backRequested();

private:
    static QString titleFor(Verdict verdict);
    static QString symbolFor(Verdict verdict);
    static QColor colourFor(Verdict verdict);
    QWidget *buildFolderNotOpened();
    void viewFiles();

    QUrl m_outputFolder;
    QWidget *m_details = nullptr;
    QWidget *m_folderNotOpened = nullptr;
};
