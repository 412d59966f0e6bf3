#include "ConvertButton.h"

#include "Theme.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr qreal disabledOpacity = 0.35;
constexpr qreal pressedOpacity = 0.7;
} // namespace

ConvertButton::ConvertButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFont(Theme::font(Theme::TextStyle::Headline, QFont::DemiBold));
    setMaximumWidth(maximumWidth);
    setFixedHeight(height);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
    setText(titleFor(0));
}

QString ConvertButton::titleFor(qsizetype fileCount)
{
    if (fileCount < 2)
        return tr("Make small, fast, and compatible");
    return tr("Make %1 small, fast, and compatible").arg(fileCount);
}

QSize ConvertButton::sizeHint() const
{
    return {maximumWidth, height};
}

QSize ConvertButton::minimumSizeHint() const
{
    return {fontMetrics().horizontalAdvance(text()) + 2 * int(cornerRadius), height};
}

void ConvertButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(disabledOpacity);
    else if (isDown())
        painter.setOpacity(pressedOpacity);

    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    painter.fillPath(shape, Theme::systemBlue());

    if (hasFocus() && isEnabled()) {
        // Keyboard users need to see where focus is; the fill alone does not show it.
        QPainterPath ring;
        ring.addRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), cornerRadius - 2,
                            cornerRadius - 2);
        painter.setPen(QPen(QColor(255, 255, 255, 160), 2));
        painter.drawPath(ring);
    }

    painter.setPen(Qt::white);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}
