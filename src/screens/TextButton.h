// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PaintedButton.h"

// A quiet button that is only its text, in the accent colour: for a secondary action that should
// not compete with the screen's main button.
class TextButton : public PaintedButton
{
    Q_OBJECT

public:
    static constexpr int horizontalPadding = 6;
    static constexpr int verticalPadding = 2;
    static constexpr qreal cornerRadius = 4;

    explicit TextButton(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    Look look() const override;
};
