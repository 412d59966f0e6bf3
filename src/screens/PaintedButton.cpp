#include "PaintedButton.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr qreal disabledOpacity = 0.35;
constexpr qreal focusRingWidth = 2;
} // namespace

void PaintedButton::paintEvent(QPaintEvent *)
{
    const Look shown = look();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(isEnabled() ? shown.opacity : disabledOpacity);

    const qreal edge = shown.edgeInset;
    const QRectF box = QRectF(rect()).adjusted(edge, edge, -edge, -edge);
    QPainterPath shape;
    shape.addRoundedRect(box, shown.cornerRadius, shown.cornerRadius);
    painter.fillPath(shape, shown.fill);
    if (shown.border.isValid()) {
        painter.setPen(QPen(shown.border, 1));
        painter.drawPath(shape);
    }

    if (hasFocus() && isEnabled() && shown.focusRing.isValid()) {
        const qreal inset = focusRingWidth;
        QPainterPath ring;
        ring.addRoundedRect(box.adjusted(inset, inset, -inset, -inset), shown.cornerRadius - inset,
                            shown.cornerRadius - inset);
        painter.setPen(QPen(shown.focusRing, focusRingWidth));
        painter.drawPath(ring);
    }

    painter.setPen(shown.text);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}
