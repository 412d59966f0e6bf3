// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextButton.h"

#include "Theme.h"

TextButton::TextButton(const QString &text, QWidget *parent)
    : PaintedButton(parent)
{
    setText(text);
    setFont(Theme::font(Theme::TextStyle::Body));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize TextButton::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(text()) + 2 * horizontalPadding,
            fontMetrics().height() + 2 * verticalPadding};
}

QSize TextButton::minimumSizeHint() const
{
    return sizeHint();
}

PaintedButton::Look TextButton::look() const
{
    constexpr qreal pressedOpacity = 0.6;
    // On the window, so as readable as any text there.
    const QColor text = Theme::withContrast(Theme::accent(), palette().color(QPalette::Window),
                                            Theme::minimumContrast(font()));
    return {Qt::transparent, text, QColor(), cornerRadius, isDown() ? pressedOpacity : 1.0};
}
