// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConvertButton.h"

#include "Theme.h"

ConvertButton::ConvertButton(QWidget *parent)
    : PaintedButton(parent)
{
    setFont(Theme::font(Theme::TextStyle::Headline, QFont::DemiBold));
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
    const QSize least = minimumSizeHint();
    return {std::max(preferredWidth, least.width()), least.height()};
}

QSize ConvertButton::minimumSizeHint() const
{
    // The product's text leaves 17 px above and below itself.
    constexpr int verticalPadding = 17;
    return {fontMetrics().horizontalAdvance(text()) + 2 * int(cornerRadius),
            std::max(height, fontMetrics().height() + 2 * verticalPadding)};
}

PaintedButton::Look ConvertButton::look() const
{
    // The named blue, darkened where white text on it would be hard to read.
    constexpr qreal pressedOpacity = 0.7;
    const QColor label(Qt::white);
    const QColor fill = Theme::withContrast(Theme::accent(), label, Theme::minimumContrast(font()));
    return {fill, label, QColor(), cornerRadius, isDown() ? pressedOpacity : 1.0};
}
