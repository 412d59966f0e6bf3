#include "DropZone.h"

#include "FileSummary.h"
#include "SymbolView.h"
#include "Theme.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

DropZone::DropZone(QWidget *parent)
    : QWidget(parent)
    , m_icon(new SymbolView(QStringLiteral("video.badge.plus"), 50, Theme::systemBlue(), this))
    , m_invitation(new QLabel(tr("Drop video files here"), this))
    , m_summary(new FileSummary(this))
{
    setFixedHeight(height);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(tr("Drop video files here"));

    m_invitation->setFont(Theme::font(Theme::TextStyle::Title2));
    m_invitation->setAlignment(Qt::AlignCenter);
    QPalette invitationPalette = m_invitation->palette();
    invitationPalette.setColor(QPalette::WindowText, Theme::systemBlue());
    m_invitation->setPalette(invitationPalette);

    // Names are elided within the zone's inner edge, clear of the rounded outline.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(int(cornerRadius), 0, int(cornerRadius), 0);
    layout->setSpacing(10);
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
}

QSize DropZone::sizeHint() const
{
    return {420, height};
}

QSize DropZone::minimumSizeHint() const
{
    return {int(2 * cornerRadius), height};
}

void DropZone::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // Qt measures dashes in pen widths. The outline is inset by half its width so that all of
    // it lies inside the widget instead of being clipped at the edge.
    QPen pen(Theme::systemBlue(), strokeWidth, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setDashPattern({dashLength / strokeWidth, dashLength / strokeWidth});
    pen.setMiterLimit(10);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);

    const qreal inset = strokeWidth / 2;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), cornerRadius,
                           cornerRadius);
    painter.drawPath(outline);
}
