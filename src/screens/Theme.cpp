#include "Theme.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QWidget>

#include <cmath>

namespace Theme {

namespace {

// The desktop font size that the product's own sizes were drawn for.
constexpr double referenceBasePixels = 13.0;

int referencePixelSize(TextStyle style)
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

} // namespace

int pixelSize(TextStyle style)
{
    const int desktopPixels = QFontInfo(QGuiApplication::font()).pixelSize();
    const double scale = desktopPixels > 0 ? desktopPixels / referenceBasePixels : 1.0;
    return std::max(1, int(std::lround(referencePixelSize(style) * scale)));
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
