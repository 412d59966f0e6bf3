#include "Theme.h"

#include <QGuiApplication>
#include <QWidget>

namespace Theme {

int pixelSize(TextStyle style)
{
    switch (style) {
    case TextStyle::LargeTitle:
        return 26;
    case TextStyle::Title:
        return 22;
    case TextStyle::Title2:
        return 17;
    case TextStyle::Headline:
    case TextStyle::Body:
        return 13;
    case TextStyle::Caption:
        return 10;
    }
    return 13;
}

QFont font(TextStyle style, QFont::Weight weight)
{
    QFont result = QGuiApplication::font();
    result.setPixelSize(pixelSize(style));
    if (style == TextStyle::Headline && weight == QFont::Normal)
        weight = QFont::DemiBold;
    result.setWeight(weight);
    return result;
}

QColor accent()
{
    return QColor(0x00, 0x7A, 0xFF);
}

QColor success()
{
    return QColor(0x34, 0xC7, 0x59);
}

QColor warning()
{
    return QColor(0xFF, 0x95, 0x00);
}

QColor neutral()
{
    return QColor(0x8E, 0x8E, 0x93);
}

void useSecondaryText(QWidget *widget)
{
    // A role, not a colour: the widget follows every later palette change by itself.
    widget->setForegroundRole(QPalette::PlaceholderText);
}

void useTextColour(QWidget *widget, const QColor &colour)
{
    // Only this role is set on the widget; the others keep following the desktop's palette.
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace Theme
