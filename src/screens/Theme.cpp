#include "Theme.h"

#include <QGuiApplication>

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

QColor systemBlue()
{
    return QColor(0x00, 0x7A, 0xFF);
}

QColor systemGreen()
{
    return QColor(0x34, 0xC7, 0x59);
}

QColor systemOrange()
{
    return QColor(0xFF, 0x95, 0x00);
}

QColor secondaryText(const QPalette &palette)
{
    // Dimmed window text, like the placeholder role: it follows light and dark palettes alike.
    return palette.color(QPalette::PlaceholderText);
}

} // namespace Theme
