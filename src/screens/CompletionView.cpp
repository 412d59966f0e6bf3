#include "CompletionView.h"

#include "FailureReport.h"
#include "LargeButton.h"
#include "SymbolView.h"
#include "Theme.h"
#include "session/ScreenState.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CompletionView::CompletionView(const ScreenState *state, QWidget *parent)
    : QWidget(parent)
    , m_outputFolder(state->outputFolder())
{
    const BatchOutcomes &outcomes = state->batchOutcomes();
    const Verdict verdict = verdictFor(outcomes);
    const bool failed = verdict == Verdict::NoneConverted;

    auto *icon = new SymbolView(failed ? QStringLiteral("exclamationmark.triangle.fill")
                                       : QStringLiteral("checkmark.circle.fill"),
                                Theme::Metrics::completionIconHeight,
                                failed ? Theme::warning() : Theme::success(), this);
    auto *title = new QLabel(failed ? tr("Conversion failed") : tr("Complete"), this);
    title->setFont(Theme::font(Theme::TextStyle::LargeTitle, QFont::Bold));
    title->setAlignment(Qt::AlignCenter);
    auto *report = new FailureReport(this);
    report->showOutcomes(outcomes);
    report->setVisible(verdict != Verdict::AllConverted);

    auto *viewFilesButton = new LargeButton(tr("View files"), LargeButton::Look::Prominent, this);
    auto *backButton = new LargeButton(tr("Convert more files"), LargeButton::Look::Bordered, this);
    connect(viewFilesButton, &LargeButton::clicked, this, &CompletionView::viewFiles);
    connect(backButton, &LargeButton::clicked, this, &CompletionView::backRequested);

    // The report belongs to the title, closer to it than the column's parts are to each other.
    auto *titleBlock = new QVBoxLayout;
    titleBlock->setSpacing(Theme::Metrics::textSpacing);
    titleBlock->addWidget(title);
    titleBlock->addWidget(report);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(Theme::Metrics::buttonSpacing);
    buttonRow->addWidget(viewFilesButton, 0, Qt::AlignVCenter);
    buttonRow->addWidget(backButton, 0, Qt::AlignVCenter);

    auto *column = new QWidget(this);
    auto *columnLayout = new QVBoxLayout(column);
    const int margin = Theme::Metrics::screenMargin;
    columnLayout->setContentsMargins(margin, margin, margin, margin);
    columnLayout->setSpacing(Theme::Metrics::sectionSpacing);
    columnLayout->addWidget(icon, 0, Qt::AlignHCenter);
    columnLayout->addLayout(titleBlock);
    columnLayout->addLayout(buttonRow);
    columnLayout->setAlignment(buttonRow, Qt::AlignHCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(column, 0, Qt::AlignCenter);
}

CompletionView::Verdict CompletionView::verdictFor(const BatchOutcomes &outcomes)
{
    const qsizetype failed = failedCount(outcomes);
    if (failed == 0)
        return Verdict::AllConverted;
    return failed == outcomes.size() ? Verdict::NoneConverted : Verdict::SomeFailed;
}

void CompletionView::viewFiles()
{
    if (m_outputFolder.isEmpty())
        return;
    // Whether the desktop managed to open it is not ours to report: the screen stays as it is.
    QDesktopServices::openUrl(m_outputFolder);
}
