// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CompletionView.h"

#include "ContentView.h"
#include "FailureReport.h"
#include "FileDragSource.h"
#include "LargeButton.h"
#include "SymbolView.h"
#include "TextButton.h"
#include "Theme.h"
#include "session/ScreenState.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QLabel *captionLine(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(Theme::font(Theme::TextStyle::Caption));
    label->setAlignment(Qt::AlignCenter);
    Theme::useSecondaryText(label);
    return label;
}

} // namespace

CompletionView::CompletionView(const ScreenState *state, QWidget *parent)
    : QWidget(parent)
    , m_outputFolder(state->outputFolder())
    , m_convertedFiles(state->files().convertedFiles())
    , m_originalsTrash(&state->originalsTrash())
{
    const BatchReport &batch = state->report();
    const Verdict verdict = batch.verdict();

    auto *icon = new SymbolView(symbolFor(verdict), Theme::Metrics::completionIconHeight,
                                colourFor(verdict), this);
    auto *title = new QLabel(batch.title(), this);
    title->setFont(Theme::font(Theme::TextStyle::LargeTitle, QFont::Bold));
    title->setAlignment(Qt::AlignCenter);
    auto *report = new FailureReport(this);
    report->showReport(batch);
    report->setVisible(verdict != Verdict::AllConverted);
    const QString sizes = batch.sizeLine();
    auto *sizesLine = captionLine(sizes, this);
    sizesLine->setVisible(!sizes.isEmpty());
    m_details = new QWidget(this);
    auto *details = new QVBoxLayout(m_details);
    details->setContentsMargins(0, 0, 0, 0);
    details->setSpacing(Theme::Metrics::listSpacing);
    details->addWidget(report);
    details->addWidget(sizesLine);
    m_details->setVisible(verdict != Verdict::AllConverted || !sizes.isEmpty());
    m_folderNotOpened = buildFolderNotOpened();

    auto *viewFilesButton = new LargeButton(tr("View files"), LargeButton::Look::Prominent, this);
    m_viewFilesButton = viewFilesButton;
    auto *backButton = new LargeButton(tr("Convert more files"), LargeButton::Look::Bordered, this);
    connect(viewFilesButton, &LargeButton::clicked, this, [this] {
        if (!m_outputFolder.isEmpty())
            Q_EMIT viewFilesRequested();
    });
    connect(backButton, &LargeButton::clicked, this, &CompletionView::backRequested);
    auto *copyButton = new TextButton(tr("Copy"), this);
    copyButton->setAccessibleName(tr("Copy the converted files"));
    copyButton->setVisible(!m_convertedFiles.isEmpty());
    connect(copyButton, &TextButton::clicked, this, &CompletionView::copyFiles);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &CompletionView::copyFiles);
    new FileDragSource(this, m_convertedFiles);
    m_trashButton = new TextButton(QString(), this);
    connect(m_trashButton, &TextButton::clicked, this,
            &CompletionView::moveOriginalsToTrashRequested);
    m_undoButton = new TextButton(tr("Undo"), this);
    m_undoButton->setAccessibleName(tr("Put the originals back"));
    connect(m_undoButton, &TextButton::clicked, this, &CompletionView::putOriginalsBackRequested);
    m_trashLine = captionLine(QString(), this);
    connect(m_originalsTrash, &OriginalsTrash::stageChanged, this,
            &CompletionView::showOriginalsTrash);
    showOriginalsTrash();

    // The report belongs to the title, closer to it than the column's parts are to each other.
    auto *titleBlock = new QVBoxLayout;
    titleBlock->setSpacing(Theme::Metrics::textSpacing);
    titleBlock->addWidget(title);
    titleBlock->addWidget(m_details);
    titleBlock->addWidget(m_folderNotOpened);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(Theme::Metrics::buttonSpacing);
    buttonRow->addWidget(viewFilesButton, 0, Qt::AlignVCenter);
    buttonRow->addWidget(backButton, 0, Qt::AlignVCenter);
    // The quiet Copy belongs to the buttons, closer to them than the column's parts are.
    auto *buttonBlock = new QVBoxLayout;
    buttonBlock->setSpacing(Theme::Metrics::textSpacing);
    buttonBlock->addLayout(buttonRow);
    buttonBlock->setAlignment(buttonRow, Qt::AlignHCenter);
    auto *quietRow = new QHBoxLayout;
    quietRow->setSpacing(Theme::Metrics::buttonSpacing);
    quietRow->addWidget(copyButton);
    quietRow->addWidget(m_trashButton);
    quietRow->addWidget(m_undoButton);
    buttonBlock->addLayout(quietRow);
    buttonBlock->setAlignment(quietRow, Qt::AlignHCenter);
    buttonBlock->addWidget(m_trashLine);

    auto *column = new QWidget(this);
    auto *columnLayout = new QVBoxLayout(column);
    const int margin = Theme::Metrics::screenMargin;
    columnLayout->setContentsMargins(margin, margin, margin, margin);
    columnLayout->setSpacing(Theme::Metrics::sectionSpacing);
    columnLayout->addWidget(icon, 0, Qt::AlignHCenter);
    columnLayout->addLayout(titleBlock);
    columnLayout->addLayout(buttonBlock);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(column, 0, Qt::AlignCenter);
}

QString CompletionView::symbolFor(Verdict verdict)
{
    switch (verdict) {
    case Verdict::NoneConverted:
        return QStringLiteral("exclamationmark.triangle.fill");
    case Verdict::Stopped:
        return QStringLiteral("stop.circle.fill");
    case Verdict::AllConverted:
    case Verdict::SomeFailed:
        break;
    }
    return QStringLiteral("checkmark.circle.fill");
}

QColor CompletionView::colourFor(Verdict verdict)
{
    switch (verdict) {
    case Verdict::NoneConverted:
        return Theme::warning();
    case Verdict::Stopped:
        return Theme::neutral();
    case Verdict::AllConverted:
    case Verdict::SomeFailed:
        break;
    }
    return Theme::success();
}

QWidget *CompletionView::buildFolderNotOpened()
{
    auto *block = new QWidget(this);
    auto *notice = captionLine(tr("The folder could not be opened. It is here:"), block);
    // Selectable and scrollable, so that the whole path can be copied, however long.
    auto *path = new QLineEdit(m_outputFolder.toLocalFile(), block);
    path->setReadOnly(true);
    path->setFrame(false);
    path->setAlignment(Qt::AlignCenter);
    path->setFont(Theme::font(Theme::TextStyle::Body));
    path->setAccessibleName(tr("Output folder"));
    QPalette colours = path->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    path->setPalette(colours);
    const int innerWidth = ContentView::screenSize.width() - 2 * Theme::Metrics::screenMargin;
    path->setMinimumWidth(
        std::min(path->fontMetrics().horizontalAdvance(path->text()) + 8, innerWidth));

    auto *layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Theme::Metrics::listSpacing);
    layout->addWidget(notice);
    layout->addWidget(path);
    block->hide();
    return block;
}

void CompletionView::copyFiles()
{
    if (!m_convertedFiles.isEmpty())
        QGuiApplication::clipboard()->setMimeData(FileDragSource::mimeData(m_convertedFiles));
}

void CompletionView::showFolderNotOpened()
{
    m_details->hide();
    m_folderNotOpened->show();
}

void CompletionView::showOriginalsTrash()
{
    using Stage = OriginalsTrash::Stage;
    const Stage stage = m_originalsTrash->stage();
    QWidget *focused = QApplication::focusWidget();
    const bool onTrashControl = focused && (focused == m_trashButton || focused == m_undoButton);
    m_trashButton->setText(m_originalsTrash->offerText());
    m_trashButton->setVisible(stage == Stage::Offered);
    m_undoButton->setVisible(stage == Stage::Moved && m_originalsTrash->movedCount() > 0);
    const QStringList lines = m_originalsTrash->statusLines();
    m_trashLine->setText(lines.join(u'\n'));
    m_trashLine->setVisible(!lines.isEmpty());
    // The keyboard stays on this screen's controls as the one it was on goes.
    if (onTrashControl && !focused->isVisible())
        (m_undoButton->isVisible() ? static_cast<QWidget *>(m_undoButton) : m_viewFilesButton)
            ->setFocus(Qt::TabFocusReason);
}
