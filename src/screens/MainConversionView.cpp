#include "MainConversionView.h"

#include "ConvertButton.h"
#include "ConvertingView.h"
#include "DropZone.h"
#include "LargeButton.h"
#include "Theme.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

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
    connect(m_convertButton, &ConvertButton::clicked, m_session, &BatchSession::startConversion);
    connect(m_dropZone, &DropZone::filesDropped, m_session, &BatchSession::addFiles);
    connect(m_stopButton, &LargeButton::clicked, m_session, &BatchSession::cancelConversion);
    // Stopping takes the encoder a moment; one press is enough.
    connect(m_stopButton, &LargeButton::clicked, m_stopButton,
            [this] { m_stopButton->setEnabled(false); });
    render();
}

QWidget *MainConversionView::buildIdleFace()
{
    m_dropZone = new DropZone;
    m_convertButton = new ConvertButton;
    // The drop zone takes the column's whole width; the button is centred at its own width.
    return centredColumn(this, Theme::Metrics::sectionSpacing,
                         {{m_dropZone, {}}, {m_convertButton, Qt::AlignHCenter}});
}

QWidget *MainConversionView::buildConvertingFace()
{
    auto *progress = new ConvertingView(m_session->state());
    // Quiet, so that the gear stays the centre; no confirmation, as a mistaken press costs no
    // more than the current file's work.
    m_stopButton = new LargeButton(tr("Stop"), LargeButton::Look::Bordered);
    m_stopButton->setShortcut(QKeySequence(Qt::Key_Escape));
    return centredColumn(this, Theme::Metrics::sectionSpacing,
                         {{progress, Qt::AlignHCenter}, {m_stopButton, Qt::AlignHCenter}});
}

void MainConversionView::render()
{
    const ScreenState *state = m_session->state();
    const QList<QUrl> &files = state->droppedFiles();
    m_dropZone->showFiles(files);
    m_convertButton->setText(ConvertButton::titleFor(files.size()));
    m_convertButton->setEnabled(!files.isEmpty() && !state->isConverting());
    m_stopButton->setEnabled(state->isConverting());
    m_faces->setCurrentWidget(state->isConverting() ? m_convertingFace : m_idleFace);
}
