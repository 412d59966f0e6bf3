// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Theme.h"

#include <QEvent>
#include <QFontInfo>
#include <QGuiApplication>
#include <QWidget>

#include <cmath>
#include <functional>

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

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

// `top` as it shows over the opaque `bottom`.
QColor composited(const QColor &top, const QColor &bottom)
{
    return mixed(bottom, QColor(top.red(), top.green(), top.blue()), top.alphaF());
}

// Keeps a widget's text colour readable: sets it now, and again whenever the palette or the font
// (and with it the contrast the text needs) changes.
class ReadableTextColour : public QObject
{
public:
    using Wanted = std::function<QColor(const QPalette &)>;

    static constexpr char name[] = "readableTextColour";

    ReadableTextColour(QWidget *widget, Wanted wanted)
        : QObject(widget)
        , m_wanted(std::move(wanted))
    {
        setObjectName(QLatin1String(name));
        widget->installEventFilter(this);
        apply(widget);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
            apply(static_cast<QWidget *>(watched));
        return false;
    }

private:
    void apply(QWidget *widget) const
    {
        // Setting the same palette again changes nothing and sends no further event.
        QPalette palette = widget->palette();
        const QColor background = palette.color(QPalette::Window);
        palette.setColor(QPalette::WindowText, withContrast(m_wanted(palette), background,
                                                            minimumContrast(widget->font())));
        widget->setPalette(palette);
    }

    Wanted m_wanted;
};

void keepTextReadable(QWidget *widget, ReadableTextColour::Wanted wanted)
{
    // One keeper a widget: two would undo each other's colour on every palette change.
    delete widget->findChild<QObject *>(QLatin1String(ReadableTextColour::name),
                                        Qt::FindDirectChildrenOnly);
    new ReadableTextColour(widget, std::move(wanted));
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

QColor neutral()
{
    return QColor(0x8E, 0x8E, 0x93);
}

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

double minimumContrast(const QFont &font)
{
    // WCAG's large text: 18 pt (24 px), or 14 pt (18.67 px) in bold.
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const bool large = pixels >= 24 || (pixels * 3 >= 56 && font.weight() >= QFont::Bold);
    return large ? 3.0 : 4.5;
}

QColor withContrast(const QColor &colour, const QColor &background, double ratio)
{
    if (contrastRatio(colour, background) >= ratio)
        return colour;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    const QColor towards =
        contrastRatio(black, background) > contrastRatio(white, background) ? black : white;
    constexpr int steps = 100;
    for (int step = 1; step < steps; ++step) {
        const QColor candidate = mixed(colour, towards, double(step) / steps);
        if (contrastRatio(candidate, background) >= ratio)
            return candidate;
    }
    return towards;
}

void useSecondaryText(QWidget *widget)
{
    // The palette's own dimmed text, which some palettes make too faint to read.
    keepTextReadable(widget, [](const QPalette &palette) {
        return composited(palette.color(QPalette::PlaceholderText),
                          palette.color(QPalette::Window));
    });
}

void useTextColour(QWidget *widget, const QColor &colour)
{
    // Only the text colour is set on the widget; the others keep following the desktop's palette.
    keepTextReadable(widget, [colour](const QPalette &) { return colour; });
}

} // namespace Theme
