// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CompletionView.h"

#include "FailureReport.h"
#include "FileDragSource.h"
#include "LargeButton.h"
#include "ScreenActions.h"
#include "SymbolView.h"
#include "TextButton.h"
#include "Theme.h"
#include "session/ScreenState.h"
#include "session/TrashStatus.h"

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

CompletionView::CompletionView(const ScreenState *state, ScreenActions *actions, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_actions(actions)
    , m_icon(new SymbolView(symbolFor(Verdict::AllConverted), Theme::Metrics::completionIconHeight,
                            colourFor(Verdict::AllConverted), this))
    , m_title(new QLabel(this))
    , m_failures(new FailureReport(this))
    , m_sizesLine(captionLine(QString(), this))
{
    m_title->setFont(Theme::font(Theme::TextStyle::LargeTitle, QFont::Bold));
    m_title->setAlignment(Qt::AlignCenter);
    new FileDragSource(this, [this] { return m_state->convertedFiles(); });

    auto *column = new QWidget(this);
    auto *columnLayout = new QVBoxLayout(column);
    const int margin = Theme::Metrics::screenMargin;
    columnLayout->setContentsMargins(margin, margin, margin, margin);
    columnLayout->setSpacing(Theme::Metrics::sectionSpacing);
    columnLayout->addWidget(m_icon, 0, Qt::AlignHCenter);
    columnLayout->addLayout(buildTitleBlock());
    columnLayout->addLayout(buildButtonBlock());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(column, 0, Qt::AlignCenter);

    connect(m_state, &ScreenState::reportChanged, this, &CompletionView::showReport);
    connect(m_state, &ScreenState::folderNotOpenedChanged, this, &CompletionView::showReport);
    connect(m_state, &ScreenState::outputFolderChanged, this, &CompletionView::showReport);
    connect(m_state, &ScreenState::trashOfferChanged, this, &CompletionView::showOriginalsTrash);
    showReport();
    showOriginalsTrash();
}

// The report belongs to the title, closer to it than the column's parts are to each other.
QVBoxLayout *CompletionView::buildTitleBlock()
{
    m_details = new QWidget(this);
    auto *details = new QVBoxLayout(m_details);
    details->setContentsMargins(0, 0, 0, 0);
    details->setSpacing(Theme::Metrics::listSpacing);
    details->addWidget(m_failures);
    details->addWidget(m_sizesLine);
    m_folderNotOpened = buildFolderNotOpened();

    auto *titleBlock = new QVBoxLayout;
    titleBlock->setSpacing(Theme::Metrics::textSpacing);
    titleBlock->addWidget(m_title);
    titleBlock->addWidget(m_details);
    titleBlock->addWidget(m_folderNotOpened);
    return titleBlock;
}

// The quiet buttons and the Trash's line belong to the large ones, closer to them than the
// column's parts are.
QVBoxLayout *CompletionView::buildButtonBlock()
{
    m_viewFilesButton = new LargeButton(tr("View files"), LargeButton::Look::Prominent, this);
    auto *backButton = new LargeButton(tr("Convert more files"), LargeButton::Look::Bordered, this);
    connect(m_viewFilesButton, &LargeButton::clicked, this, [this] {
        if (!m_state->outputFolder().isEmpty())
            m_actions->viewFiles();
    });
    connect(backButton, &LargeButton::clicked, this, [this] { m_actions->goBack(); });
    m_copyButton = new TextButton(tr("Copy"), this);
    m_copyButton->setAccessibleName(tr("Copy the converted files"));
    connect(m_copyButton, &TextButton::clicked, this, &CompletionView::copyFiles);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &CompletionView::copyFiles);
    m_trashButton = new TextButton(QString(), this);
    connect(m_trashButton, &TextButton::clicked, this,
            [this] { m_actions->moveOriginalsToTrash(); });
    m_undoButton = new TextButton(tr("Undo"), this);
    m_undoButton->setAccessibleName(tr("Undo: put the originals back"));
    connect(m_undoButton, &TextButton::clicked, this, [this] { m_actions->putOriginalsBack(); });
    m_trashLine = captionLine(QString(), this);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(Theme::Metrics::buttonSpacing);
    buttonRow->addWidget(m_viewFilesButton, 0, Qt::AlignVCenter);
    buttonRow->addWidget(backButton, 0, Qt::AlignVCenter);
    auto *quietRow = new QHBoxLayout;
    quietRow->setSpacing(Theme::Metrics::buttonSpacing);
    quietRow->addWidget(m_copyButton);
    quietRow->addWidget(m_trashButton);
    quietRow->addWidget(m_undoButton);
    auto *buttonBlock = new QVBoxLayout;
    buttonBlock->setSpacing(Theme::Metrics::textSpacing);
    buttonBlock->addLayout(buttonRow);
    buttonBlock->setAlignment(buttonRow, Qt::AlignHCenter);
    buttonBlock->addLayout(quietRow);
    buttonBlock->setAlignment(quietRow, Qt::AlignHCenter);
    buttonBlock->addWidget(m_trashLine);
    return buttonBlock;
}

void CompletionView::showReport()
{
    const BatchReport &batch = m_state->report();
    const Verdict verdict = batch.verdict();
    m_icon->setSymbol(symbolFor(verdict));
    m_icon->setColor(colourFor(verdict));
    m_title->setText(batch.title());
    m_failures->showReport(batch);
    m_failures->setVisible(verdict != Verdict::AllConverted);
    QStringList sizeLines = {batch.sizeLine(), batch.keptLine(), batch.grewLine(),
                             batch.subtitlesLine()};
    sizeLines.removeAll(QString());
    const QString sizes = sizeLines.join(u'\n');
    m_sizesLine->setText(sizes);
    m_sizesLine->setVisible(!sizes.isEmpty());
    // Where the desktop could not open the folder, the user is told where it is, in place of
    // the details of the batch: the screen has no room for both.
    const bool notOpened = m_state->folderNotOpened();
    m_details->setVisible(!notOpened && (verdict != Verdict::AllConverted || !sizes.isEmpty()));
    m_folderPath->setText(m_state->outputFolder().toLocalFile());
    fitFolderPath();
    m_folderNotOpened->setVisible(notOpened);
    m_copyButton->setVisible(!m_state->convertedFiles().isEmpty());
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
    m_folderPath = new QLineEdit(block);
    m_folderPath->setReadOnly(true);
    m_folderPath->setFrame(false);
    m_folderPath->setAlignment(Qt::AlignCenter);
    m_folderPath->setFont(Theme::font(Theme::TextStyle::Body));
    m_folderPath->setAccessibleName(tr("Output folder"));
    QPalette colours = m_folderPath->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    m_folderPath->setPalette(colours);

    auto *layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Theme::Metrics::listSpacing);
    layout->addWidget(notice);
    layout->addWidget(m_folderPath);
    block->hide();
    return block;
}

void CompletionView::fitFolderPath()
{
    const int innerWidth = Theme::Metrics::screenSize.width() - 2 * Theme::Metrics::screenMargin;
    m_folderPath->setMinimumWidth(std::min(
        m_folderPath->fontMetrics().horizontalAdvance(m_folderPath->text()) + 8, innerWidth));
}

void CompletionView::copyFiles()
{
    const QList<QUrl> converted = m_state->convertedFiles();
    if (!converted.isEmpty())
        QGuiApplication::clipboard()->setMimeData(FileDragSource::mimeData(converted));
}

void CompletionView::showOriginalsTrash()
{
    using Stage = TrashOffer::Stage;
    const TrashOffer &trash = m_state->trashOffer();
    const Stage stage = trash.stage;
    QWidget *focused = QApplication::focusWidget();
    const bool onTrashControl = focused && (focused == m_trashButton || focused == m_undoButton);
    m_trashButton->setText(TrashStatus::offerText(trash));
    m_trashButton->setVisible(stage == Stage::Offered);
    m_undoButton->setVisible(stage == Stage::Moved && !trash.moves.moved.isEmpty());
    const QStringList lines = TrashStatus::lines(trash);
    m_trashLine->setText(lines.join(u'\n'));
    m_trashLine->setVisible(!lines.isEmpty());
    // The keyboard stays on this screen's controls as the one it was on goes.
    if (onTrashControl && !focused->isVisible())
        (m_undoButton->isVisible() ? static_cast<QWidget *>(m_undoButton) : m_viewFilesButton)
            ->setFocus(Qt::TabFocusReason);
}
