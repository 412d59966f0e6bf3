#include "LargeButton.h"

#include "Theme.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr qreal disabledOpacity = 0.35;
constexpr int pressedDarkening = 115;
} // namespace

LargeButton::LargeButton(const QString &text, Look look, QWidget *parent)
    : QAbstractButton(parent)
    , m_look(look)
{
    setText(text);
    setFont(Theme::font(Theme::TextStyle::Body));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
}

QSize LargeButton::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(text()) + 2 * horizontalPadding, height};
}

QSize LargeButton::minimumSizeHint() const
{
    return sizeHint();
}

void LargeButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(disabledOpacity);

    const bool prominent = m_look == Look::Prominent;
    QColor fill = palette().color(prominent ? QPalette::Highlight : QPalette::Button);
    if (isDown())
        fill = fill.darker(pressedDarkening);

    // Half-pixel inset keeps the one-pixel border sharp and inside the widget.
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(box, cornerRadius, cornerRadius);
    painter.fillPath(shape, fill);
    if (!prominent) {
        painter.setPen(QPen(palette().color(QPalette::Mid), 1));
        painter.drawPath(shape);
    }

    if (hasFocus()) {
        QPainterPath ring;
        ring.addRoundedRect(box.adjusted(2, 2, -2, -2), cornerRadius - 2, cornerRadius - 2);
        const QColor ringColour = prominent ? palette().color(QPalette::HighlightedText)
                                            : palette().color(QPalette::Highlight);
        painter.setPen(QPen(ringColour, 2));
        painter.drawPath(ring);
    }

    painter.setPen(palette().color(prominent ? QPalette::HighlightedText : QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}
