// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PaintedButton.h"

// A large push button in one of the two looks the product uses: prominent, filled with the
// desktop's accent colour, or bordered.
class LargeButton : public PaintedButton
{
    Q_OBJECT

public:
    enum class Look { Prominent, Bordered };

    // The height for the product's own text size; larger text makes the button taller.
    static constexpr int height = 36;
    static constexpr int horizontalPadding = 20;
    static constexpr qreal cornerRadius = 8;

    LargeButton(const QString &text, Look look, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    PaintedButton::Look look() const override;

private:
    Look m_look;
};
