// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainConversionView.h"

#include "ConvertButton.h"
#include "ConvertingView.h"
#include "DropZone.h"
#include "FileDropTarget.h"
#include "LargeButton.h"
#include "Theme.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QClipboard>
#include <QGuiApplication>
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

MainConversionView::MainConversionView(BatchSession *session, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_faces(new QStackedLayout(this))
{
    m_idleFace = buildIdleFace();
    m_convertingFace = buildConvertingFace();
    m_faces->addWidget(m_idleFace);
    m_faces->addWidget(m_convertingFace);

    const ScreenState *state = m_session->state();
    connect(state, &ScreenState::droppedFilesChanged, this, &MainConversionView::render);
    connect(state, &ScreenState::isConvertingChanged, this, &MainConversionView::render);
    connect(state, &ScreenState::restoredFileCountChanged, this, &MainConversionView::render);
    connect(m_convertButton, &ConvertButton::clicked, m_session, &BatchSession::startConversion);
    connect(m_dropZone, &DropZone::filesDropped, m_session, &BatchSession::addFiles);
    connect(m_dropZone, &DropZone::chooseFilesRequested, this,
            &MainConversionView::chooseFilesRequested);
    connect(m_dropZone, &DropZone::clearRequested, m_session, &BatchSession::clearFiles);

    // Shortcuts of a hidden face do not fire: these work on the drop screen only.
    connect(new QShortcut(QKeySequence::Open, m_idleFace), &QShortcut::activated, this,
            &MainConversionView::chooseFilesRequested);
    connect(new QShortcut(QKeySequence::Delete, m_idleFace), &QShortcut::activated, m_session,
            &BatchSession::clearFiles);
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this,
            &MainConversionView::paste);
    connect(m_stopButton, &LargeButton::clicked, m_session, &BatchSession::stopConversion);
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
    auto *progress = new ConvertingView(m_session->state());
    // Quiet, so that the gear stays the centre; no confirmation, as a mistaken press costs no
    // more than the current file's work.
    m_stopButton = new LargeButton(tr("Stop"), LargeButton::Look::Bordered);
    m_stopButton->setShortcut(QKeySequence(Qt::Key_Escape));
    QWidget *face = centredColumn(this, Theme::Metrics::sectionSpacing,
                                  {{progress, Qt::AlignHCenter}, {m_stopButton, Qt::AlignHCenter}});
    // Files dropped here join the running batch.
    connect(new FileDropTarget(face), &FileDropTarget::filesDropped, m_session,
            &BatchSession::addFiles);
    return face;
}

QString MainConversionView::restoredNoticeText(qsizetype restoredCount)
{
    const int n = int(restoredCount);
    return n == 1 ? tr("%n file was not converted last time", "restored after a crash", n)
                  : tr("%n files were not converted last time", "restored after a crash", n);
}

void MainConversionView::render()
{
    const ScreenState *state = m_session->state();
    const QList<QUrl> &files = state->droppedFiles();
    m_dropZone->showFiles(files);
    const qsizetype restored = state->restoredFileCount();
    m_restoredNotice->setText(restored > 0 ? restoredNoticeText(restored) : QString());
    m_restoredNotice->setVisible(restored > 0 && !files.isEmpty());
    m_convertButton->setText(ConvertButton::titleFor(files.size()));
    m_convertButton->setEnabled(!files.isEmpty() && !state->isConverting());
    m_stopButton->setEnabled(state->isConverting());
    m_faces->setCurrentWidget(state->isConverting() ? m_convertingFace : m_idleFace);
}

void MainConversionView::paste()
{
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    if (!copied)
        return;
    if (copied->hasUrls()) {
        m_session->addFiles(copied->urls());
        return;
    }
    // GNOME's file managers copy files as "copy" or "cut", then one URL a line.
    const QList<QByteArray> lines =
        copied->data(QStringLiteral("x-special/gnome-copied-files")).split('\n');
    QList<QUrl> urls;
    for (const QByteArray &line : lines.mid(1))
        urls.append(QUrl::fromEncoded(line.trimmed()));
    m_session->addFiles(urls);
}
