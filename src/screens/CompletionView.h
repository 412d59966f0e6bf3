#pragma once

#include "engine/FileOutcome.h"

#include <QUrl>
#include <QWidget>

class ScreenState;

// The screen shown once a batch has ended. It says how the batch went (converted, partly
// failed, or failed), opens the output folder, and leads back to the drop screen.
class CompletionView : public QWidget
{
    Q_OBJECT

public:
    enum class Verdict { AllConverted, SomeFailed, NoneConverted };

    // Built from the state's outcomes and output folder, as they are when the batch has ended.
    explicit CompletionView(const ScreenState *state, QWidget *parent = nullptr);

    static Verdict verdictFor(const BatchOutcomes &outcomes);

Q_SIGNALS:
    void backRequested();

private:
    void viewFiles();

    QUrl m_outputFolder;
};
