#include "MainConversionView.h"

#include "ConvertButton.h"
#include "ConvertingView.h"
#include "DropZone.h"
#include "ScreenState.h"
#include "engine/BatchConverter.h"

#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

// Lays out one face as the product's centred column: 40 margins, its children 30 apart, the
// whole column centred vertically in the screen.
struct ColumnItem
{
    QWidget *widget;
    Qt::Alignment alignment;
};

QWidget *centredColumn(QWidget *parent, int spacing, const QList<ColumnItem> &items)
{
    auto *face = new QWidget(parent);
    auto *column = new QWidget(face);
    auto *columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(40, 40, 40, 40);
    columnLayout->setSpacing(spacing);
    for (const ColumnItem &item : items)
        columnLayout->addWidget(item.widget, 0, item.alignment);

    auto *faceLayout = new QVBoxLayout(face);
    faceLayout->setContentsMargins(0, 0, 0, 0);
    faceLayout->addWidget(column, 0, Qt::AlignVCenter);
    return face;
}

} // namespace

MainConversionView::MainConversionView(ScreenState *state, const QString &appFolder,
                                       const QString &encoderPath, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_appFolder(appFolder)
    , m_batch(new BatchConverter(encoderPath, appFolder, this))
    , m_faces(new QStackedLayout(this))
{
    m_idleFace = buildIdleFace();
    m_convertingFace = buildConvertingFace();
    m_faces->addWidget(m_idleFace);
    m_faces->addWidget(m_convertingFace);

    connect(m_state, &ScreenState::droppedFilesChanged, this, &MainConversionView::render);
    connect(m_state, &ScreenState::isConvertingChanged, this, &MainConversionView::render);
    connect(m_convertButton, &ConvertButton::clicked, this, &MainConversionView::startConversion);
    connect(m_dropZone, &DropZone::filesDropped, this, &MainConversionView::filesDropped);
    connect(m_batch, &BatchConverter::currentFileIndexChanged, m_convertingView,
            &ConvertingView::setCurrentFileIndex);
    connect(m_batch, &BatchConverter::conversionProgressChanged, m_convertingView,
            &ConvertingView::setConversionProgress);
    connect(m_batch, &BatchConverter::finished, this, &MainConversionView::finishConversion);
    render();
}

QWidget *MainConversionView::buildIdleFace()
{
    m_dropZone = new DropZone;
    m_convertButton = new ConvertButton;
    // The drop zone takes the column's whole width; the button is centred at its own width.
    return centredColumn(this, 30, {{m_dropZone, {}}, {m_convertButton, Qt::AlignHCenter}});
}

QWidget *MainConversionView::buildConvertingFace()
{
    m_convertingView = new ConvertingView(m_state);
    return centredColumn(this, 40, {{m_convertingView, Qt::AlignHCenter}});
}

void MainConversionView::render()
{
    const QList<QUrl> &files = m_state->droppedFiles();
    m_dropZone->showFiles(files);
    m_convertButton->setText(ConvertButton::titleFor(files.size()));
    m_convertButton->setEnabled(!files.isEmpty() && !m_state->isConverting());
    m_faces->setCurrentWidget(m_state->isConverting() ? m_convertingFace : m_idleFace);
}

void MainConversionView::startConversion()
{
    if (m_state->droppedFiles().isEmpty())
        return;
    m_state->setConverting(true);
    m_batch->start(m_state->droppedFiles());
}

void MainConversionView::cancelConversion()
{
    m_batch->cancel();
}

void MainConversionView::finishConversion(const BatchOutcomes &outcomes)
{
    // One step, so that no screen ever sees the batch half ended. The outcomes go first: the
    // completion screen reads them when it is built.
    m_state->setConverting(false);
    m_state->setOutputFolder(QUrl::fromLocalFile(m_appFolder));
    m_state->setBatchOutcomes(outcomes);
    m_state->setShowCompletionView(true);
}
