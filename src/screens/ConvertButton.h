// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PaintedButton.h"

// The blue "Make ... small, fast, and compatible" button. Its label is the whole visual.
class ConvertButton : public PaintedButton
{
    Q_OBJECT

public:
    // The size for the product's own text size; a longer or larger title widens the button and
    // larger text makes it taller.
    static constexpr int preferredWidth = 300;
    static constexpr int height = 50;
    static constexpr qreal cornerRadius = 12;

    explicit ConvertButton(QWidget *parent = nullptr);

    static QString titleFor(qsizetype fileCount);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    Look look() const override;
};
