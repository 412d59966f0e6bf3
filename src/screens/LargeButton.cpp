// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LargeButton.h"

#include "Theme.h"

LargeButton::LargeButton(const QString &text, Look look, QWidget *parent)
    : PaintedButton(parent)
    , m_look(look)
{
    setText(text);
    setFont(Theme::font(Theme::TextStyle::Body));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
}

QSize LargeButton::sizeHint() const
{
    // The product's text leaves 10 px above and below itself.
    constexpr int verticalPadding = 10;
    return {fontMetrics().horizontalAdvance(text()) + 2 * horizontalPadding,
            std::max(height, fontMetrics().height() + 2 * verticalPadding)};
}

QSize LargeButton::minimumSizeHint() const
{
    return sizeHint();
}

PaintedButton::Look LargeButton::look() const
{
    constexpr int pressedDarkening = 115;
    const QPalette &colours = palette();
    const bool prominent = m_look == Look::Prominent;
    QColor fill = colours.color(prominent ? QPalette::Highlight : QPalette::Button);
    if (isDown())
        fill = fill.darker(pressedDarkening);
    return {fill,
            colours.color(prominent ? QPalette::HighlightedText : QPalette::ButtonText),
            prominent ? QColor() : colours.color(QPalette::Mid),
            cornerRadius,
            1.0,
            0.5};
}
