// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QSize>

class QWidget;

// The one place where the product's look is mapped onto the desktop: text styles become sizes
// relative to the desktop's default font, named colours become fixed colours or palette roles,
// text colours keep a readable contrast on the desktop's background, and the layout's
// measurements live here.
namespace Theme {

enum class TextStyle { LargeTitle, Title, Title2, Headline, Body, Caption };

// The desktop's default font at the style's size. Headline is semibold by definition.
QFont font(TextStyle style, QFont::Weight weight = QFont::Normal);
// The style's size in pixels: the product's size for a 13 px desktop font, scaled in proportion
// to the desktop's actual one, so that users who chose larger text get larger text here too.
int pixelSize(TextStyle style);

// The product's named colours, by what they mean.
QColor accent();  // the drop zone, the gear, the convert button, the percent
QColor success(); // a batch that converted files
QColor warning(); // a batch that converted none
QColor neutral(); // a batch that was stopped

// The WCAG contrast ratio of two opaque colours, from 1 (equal) to 21 (black on white).
double contrastRatio(const QColor &first, const QColor &second);
// The ratio text in `font` needs to be readable (WCAG AA): 3 for large text, 4.5 for the rest.
double minimumContrast(const QFont &font);
// `colour` itself when it stands `ratio` apart from `background`; otherwise the colour darkened
// (on a light background) or lightened (on a dark one) just enough to do so.
QColor withContrast(const QColor &colour, const QColor &background, double ratio);

// Text in the secondary colour: dimmed window text, following light and dark palettes alike.
void useSecondaryText(QWidget *widget);
// Text in one of the named colours above, shaded where needed to stay readable on the window.
void useTextColour(QWidget *widget, const QColor &colour);

namespace Metrics {
inline constexpr int screenMargin = 40;   // around each screen's column
inline constexpr int sectionSpacing = 30; // between a screen's main parts
inline constexpr int gearSpacing = 40;    // between the gear and its texts
inline constexpr int textSpacing = 10;    // between lines of one block
inline constexpr int listSpacing = 5;     // between the lines of a name list
inline constexpr int buttonSpacing = 20;  // between buttons side by side
inline constexpr int dropIconHeight = 50;
inline constexpr int gearHeight = 60;
inline constexpr int completionIconHeight = 80;
// Every screen's size for the product's own text size; larger text grows it.
inline constexpr QSize screenSize{500, 400};
} // namespace Metrics

} // namespace Theme
