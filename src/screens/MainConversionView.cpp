// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainConversionView.h"

#include "ConvertButton.h"
#include "ConvertingView.h"
#include "DropZone.h"
#include "FileDragSource.h"
#include "FileDropTarget.h"
#include "FileSummary.h"
#include "LargeButton.h"
#include "NameList.h"
#include "ScreenActions.h"
#include "Theme.h"
#include "session/ScreenState.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QShortcut>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

struct ColumnItem
{
    QWidget *widget;
    Qt::Alignment alignment;
};

// Lays out one face as the product's centred column: the screen margin all round, the items
// `spacing` apart, the whole column centred vertically in the screen.
QWidget *centredColumn(QWidget *parent, int spacing, const QList<ColumnItem> &items)
{
    auto *face = new QWidget(parent);
    auto *column = new QWidget(face);
    auto *columnLayout = new QVBoxLayout(column);
    const int margin = Theme::Metrics::screenMargin;
    columnLayout->setContentsMargins(margin, margin, margin, margin);
    columnLayout->setSpacing(spacing);
    for (const ColumnItem &item : items)
        columnLayout->addWidget(item.widget, 0, item.alignment);

    auto *faceLayout = new QVBoxLayout(face);
    faceLayout->setContentsMargins(0, 0, 0, 0);
    faceLayout->addWidget(column, 0, Qt::AlignVCenter);
    return face;
}

} // namespace

MainConversionView::MainConversionView(const ScreenState *state, ScreenActions *actions,
                                       QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_actions(actions)
    , m_faces(new QStackedLayout(this))
{
    m_idleFace = buildIdleFace();
    m_convertingFace = buildConvertingFace();
    m_faces->addWidget(m_idleFace);
    m_faces->addWidget(m_convertingFace);

    connect(&m_state->files(), &BatchList::filesChanged, this, &MainConversionView::render);
    connect(m_state, &ScreenState::screenChanged, this, &MainConversionView::render);
    connect(m_state, &ScreenState::restoredFileCountChanged, this, &MainConversionView::render);
    connect(m_state, &ScreenState::foldersSeenChanged, this, &MainConversionView::render);
    connect(m_convertButton, &ConvertButton::clicked, this,
            [this] { m_actions->startConversion(); });
    connect(m_dropZone, &DropZone::filesDropped, this,
            [this](const QList<QUrl> &urls) { m_actions->addFiles(urls); });
    const auto chooseFiles = [this] { m_actions->chooseFiles(); };
    const auto clearFiles = [this] { m_actions->clearFiles(); };
    connect(m_dropZone, &DropZone::chooseFilesRequested, this, chooseFiles);
    connect(m_dropZone, &DropZone::clearRequested, this, clearFiles);

    // Shortcuts of a hidden face do not fire: these work on the drop screen only.
    connect(new QShortcut(QKeySequence::Open, m_idleFace), &QShortcut::activated, this,
            chooseFiles);
    connect(new QShortcut(QKeySequence::Delete, m_idleFace), &QShortcut::activated, this,
            clearFiles);
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this,
            &MainConversionView::paste);
    connect(m_stopButton, &LargeButton::clicked, this, [this] { m_actions->stopConversion(); });
    connect(m_pauseButton, &LargeButton::clicked, this,
            [this] { m_actions->setPaused(!m_state->isPauseAsked()); });
    connect(m_state, &ScreenState::pauseAskedChanged, this, &MainConversionView::render);
    // Stopping takes the encoder a moment; one press is enough.
    connect(m_stopButton, &LargeButton::clicked, m_stopButton,
            [this] { m_stopButton->setEnabled(false); });
    render();
}

QWidget *MainConversionView::buildIdleFace()
{
    m_dropZone = new DropZone;
    m_restoredNotice = new QLabel;
    m_restoredNotice->setFont(Theme::font(Theme::TextStyle::Caption));
    m_restoredNotice->setAlignment(Qt::AlignCenter);
    Theme::useSecondaryText(m_restoredNotice);
    // The notice belongs to the list in the zone, so it sits closer to it than the button.
    auto *listBlock = new QWidget;
    auto *listLayout = new QVBoxLayout(listBlock);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(Theme::Metrics::textSpacing);
    listLayout->addWidget(m_dropZone);
    listLayout->addWidget(m_restoredNotice);
    m_convertButton = new ConvertButton;
    // The drop zone takes the column's whole width; the button is centred at its own width.
    return centredColumn(this, Theme::Metrics::sectionSpacing,
                         {{listBlock, {}}, {m_convertButton, Qt::AlignHCenter}});
}

QWidget *MainConversionView::buildConvertingFace()
{
    auto *progress = new ConvertingView(m_state);
    // Quiet, so that the gear stays the centre; no confirmation, as a mistaken press costs no
    // more than the work on the files being converted.
    m_stopButton = new LargeButton(tr("Stop"), LargeButton::Look::Bordered);
    m_stopButton->setShortcut(QKeySequence(Qt::Key_Escape));
    m_pauseButton = new LargeButton(QString(), LargeButton::Look::Bordered);
    auto *buttons = new QWidget;
    auto *buttonRow = new QHBoxLayout(buttons);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonRow->setSpacing(Theme::Metrics::buttonSpacing);
    buttonRow->addWidget(m_pauseButton);
    buttonRow->addWidget(m_stopButton);
    QWidget *face = centredColumn(this, Theme::Metrics::sectionSpacing,
                                  {{progress, Qt::AlignHCenter}, {buttons, Qt::AlignHCenter}});
    // Not the button's own shortcut, which each new text replaces; not Space, which presses the
    // focused button.
    connect(new QShortcut(QKeySequence(Qt::Key_P), face), &QShortcut::activated, m_pauseButton,
            &LargeButton::click);
    // Files dropped here join the running batch.
    connect(new FileDropTarget(face), &FileDropTarget::filesDropped, this,
            [this](const QList<QUrl> &urls) { m_actions->addFiles(urls); });
    return face;
}

QString MainConversionView::restoredNoticeText(qsizetype restoredCount)
{
    return tr("%n file(s) were not converted last time", "restored after a crash",
              int(restoredCount));
}

void MainConversionView::render()
{
    const BatchList &files = m_state->files();
    const bool converting = m_state->isConverting();
    // While a batch runs the idle face is hidden: files joining it need not be listed there.
    if (!converting) {
        // Only the names shown: a list of many thousands grows by many steps.
        QList<QUrl> firstFiles;
        for (qsizetype i = 0; i < files.size() && i < NameList::shownNames; ++i)
            firstFiles.append(files.at(i).url);
        m_dropZone->showFiles(firstFiles, files.size());
        m_dropZone->showFoldersSeen(m_state->foldersSeen());
    }
    const qsizetype restored = m_state->restoredFileCount();
    m_restoredNotice->setText(restored > 0 ? restoredNoticeText(restored) : QString());
    m_restoredNotice->setVisible(restored > 0 && !files.isEmpty());
    m_convertButton->setText(ConvertButton::titleFor(files.size()));
    m_convertButton->setEnabled(!files.isEmpty() && !converting);
    m_stopButton->setEnabled(converting);
    m_pauseButton->setText(m_state->isPauseAsked() ? tr("Resume") : tr("Pause"));
    m_pauseButton->setEnabled(converting);
    m_faces->setCurrentWidget(converting ? m_convertingFace : m_idleFace);
}

void MainConversionView::paste()
{
    if (const QMimeData *copied = QGuiApplication::clipboard()->mimeData())
        m_actions->addFiles(FileDragSource::filesIn(*copied));
}
