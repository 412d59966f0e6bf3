#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

// The one place where the product's look is mapped onto the desktop: text styles become pixel
// sizes of the desktop's default font, named colours become fixed colours or palette roles.
namespace Theme {

enum class TextStyle { LargeTitle, Title, Title2, Headline, Body, Caption };

// The desktop's default font at the style's pixel size. Headline is semibold by definition.
QFont font(TextStyle style, QFont::Weight weight = QFont::Normal);
int pixelSize(TextStyle style);

QColor systemBlue();
QColor systemGreen();
QColor systemOrange();
QColor secondaryText(const QPalette &palette);

} // namespace Theme
