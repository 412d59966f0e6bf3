#include "CompletionView.h"

#include "FailureReport.h"
#include "LargeButton.h"
#include "SymbolView.h"
#include "Theme.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

CompletionView::CompletionView(const QUrl &outputFolder, std::function<void()> onBack,
                               const BatchOutcomes &outcomes, QWidget *parent)
    : QWidget(parent)
    , m_outputFolder(outputFolder)
    , m_onBack(std::move(onBack))
{
    const Verdict verdict = verdictFor(outcomes);
    const bool failed = verdict == Verdict::NoneConverted;

    auto *icon =
        new SymbolView(failed ? QStringLiteral("exclamationmark.triangle.fill")
                              : QStringLiteral("checkmark.circle.fill"),
                       iconHeight, failed ? Theme::systemOrange() : Theme::systemGreen(), this);
    auto *title = new QLabel(failed ? tr("Conversion failed") : tr("Complete"), this);
    title->setFont(Theme::font(Theme::TextStyle::LargeTitle, QFont::Bold));
    title->setAlignment(Qt::AlignCenter);
    auto *report = new FailureReport(this);
    report->showOutcomes(outcomes);
    report->setVisible(verdict != Verdict::AllConverted);

    auto *viewFilesButton = new LargeButton(tr("View files"), LargeButton::Look::Prominent, this);
    auto *backButton = new LargeButton(tr("Convert more files"), LargeButton::Look::Bordered, this);
    connect(viewFilesButton, &LargeButton::clicked, this, &CompletionView::viewFiles);
    connect(backButton, &LargeButton::clicked, this, [this] {
        if (m_onBack)
            m_onBack();
    });

    // The report belongs to the title; the column keeps its three parts 30 apart.
    auto *titleBlock = new QVBoxLayout;
    titleBlock->setSpacing(10);
    titleBlock->addWidget(title);
    titleBlock->addWidget(report);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(20);
    buttonRow->addWidget(viewFilesButton, 0, Qt::AlignVCenter);
    buttonRow->addWidget(backButton, 0, Qt::AlignVCenter);

    auto *column = new QWidget(this);
    auto *columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(40, 40, 40, 40);
    columnLayout->setSpacing(30);
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
    const auto failed =
        std::count_if(outcomes.cbegin(), outcomes.cend(),
                      [](const FileOutcome &outcome) { return !outcome.converted(); });
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
