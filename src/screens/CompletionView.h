#pragma once

#include "engine/FileOutcome.h"

#include <QUrl>
#include <QWidget>

#include <functional>

// The screen shown once a batch has ended. It says how the batch went (converted, partly
// failed, or failed), opens the output folder, and leads back to the drop screen.
class CompletionView : public QWidget
{
    Q_OBJECT

public:
    enum class Verdict { AllConverted, SomeFailed, NoneConverted };

    static constexpr int iconHeight = 80;

    CompletionView(const QUrl &outputFolder, std::function<void()> onBack,
                   const BatchOutcomes &outcomes, QWidget *parent = nullptr);

    static Verdict verdictFor(const BatchOutcomes &outcomes);

    // Opens the output folder in the desktop's file manager; without a folder does nothing.
    void viewFiles();

private:
    QUrl m_outputFolder;
    std::function<void()> m_onBack;
};
