#include "DropZone.h"

#include "AccessibleWidgets.h"
#include "FileSummary.h"
#include "FocusRing.h"
#include "SymbolView.h"
#include "Theme.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <algorithm>

DropZone::DropZone(QWidget *parent)
    : QWidget(parent)
    , m_icon(new SymbolView(QStringLiteral("video.badge.plus"), Theme::Metrics::dropIconHeight,
                            Theme::accent(), this))
    , m_invitation(new QLabel(tr("Drop video files here"), this))
    , m_summary(new FileSummary(this))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Add video files"));
    AccessibleWidgets::install();
    FocusRing::follow();
    setAcceptDrops(true);

    m_invitation->setFont(Theme::font(Theme::TextStyle::Title2));
    m_invitation->setAlignment(Qt::AlignCenter);
    Theme::useTextColour(m_invitation, Theme::accent());

    // Names are elided within the zone's inner edge, clear of the rounded outline, which larger
    // text never touches either.
    auto *layout = new QVBoxLayout(this);
    const int clearance = Theme::Metrics::textSpacing;
    layout->setContentsMargins(int(cornerRadius), clearance, int(cornerRadius), clearance);
    layout->setSpacing(Theme::Metrics::textSpacing);
    layout->addStretch();
    layout->addWidget(m_icon, 0, Qt::AlignHCenter);
    layout->addWidget(m_invitation);
    layout->addWidget(m_summary);
    layout->addStretch();

    showFiles({});
}

void DropZone::showFiles(const QList<QUrl> &files)
{
    m_invitation->setVisible(files.isEmpty());
    m_summary->setVisible(!files.isEmpty());
    m_summary->showFiles(files);
    setAccessibleDescription(listedFilesDescription(files.size()));
}

QString DropZone::listedFilesDescription(qsizetype count)
{
    if (count == 0)
        return tr("No files listed");
    const int n = int(count);
    return n == 1 ? tr("%n file listed", "count of listed files", n)
                  : tr("%n files listed", "count of listed files", n);
}

namespace {

// Never a move: a file manager that is told its files were moved deletes them.
Qt::DropAction harmlessAction(Qt::DropActions offered)
{
    if (offered & Qt::CopyAction)
        return Qt::CopyAction;
    if (offered & Qt::LinkAction)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

} // namespace

void DropZone::dragEnterEvent(QDragEnterEvent *event)
{
    const Qt::DropAction action = harmlessAction(event->possibleActions());
    if (action == Qt::IgnoreAction || !event->mimeData()->hasUrls())
        return;
    // Names only: this runs on every hover and must not wait on the disk.
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::none_of(urls.begin(), urls.end(),
                     [this](const QUrl &url) { return m_typing.mayBeVideo(url); }))
        return;
    event->setDropAction(action);
    event->accept();
}

void DropZone::dropEvent(QDropEvent *event)
{
    const Qt::DropAction action = harmlessAction(event->possibleActions());
    if (action == Qt::IgnoreAction || !event->mimeData()->hasUrls())
        return;
    event->setDropAction(action);
    event->accept();
    Q_EMIT filesDropped(event->mimeData()->urls());
}

QSize DropZone::sizeHint() const
{
    return {420, std::max(height, layout()->sizeHint().height())};
}

QSize DropZone::minimumSizeHint() const
{
    return layout()->minimumSize().expandedTo({int(2 * cornerRadius), height});
}

void DropZone::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // Qt measures dashes in pen widths. The outline is inset by half its width so that all of
    // it lies inside the widget instead of being clipped at the edge.
    QPen pen(Theme::accent(), strokeWidth, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setDashPattern({dashLength / strokeWidth, dashLength / strokeWidth});
    pen.setMiterLimit(10);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);

    const qreal inset = strokeWidth / 2;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), cornerRadius,
                           cornerRadius);
    painter.drawPath(outline);

    if (FocusRing::isShownOn(this)) {
        const qreal ringInset = strokeWidth + FocusRing::gap;
        FocusRing::paint(painter, this,
                         QRectF(rect()).adjusted(ringInset, ringInset, -ringInset, -ringInset),
                         cornerRadius - ringInset);
    }
}
