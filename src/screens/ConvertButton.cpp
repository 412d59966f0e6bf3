#include "ConvertButton.h"

#include "Theme.h"

ConvertButton::ConvertButton(QWidget *parent)
    : PaintedButton(parent)
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

PaintedButton::Look ConvertButton::look() const
{
    constexpr qreal pressedOpacity = 0.7;
    return {Theme::accent(), Qt::white,
            QColor(),        QColor(255, 255, 255, 160),
            cornerRadius,    isDown() ? pressedOpacity : 1.0};
}
