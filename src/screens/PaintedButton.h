// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QColor>

// A push button drawn as a rounded shape with centred one-line text: the common ground of the
// product's buttons. Subclasses say what the button looks like in its current state. Space and
// Enter press it; while the keyboard is in use, the focused button wears the focus ring.
class PaintedButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit PaintedButton(QWidget *parent = nullptr);

    // The desktop's buttons take a plain Enter or Return as well as the Space that
    // QAbstractButton answers: clicks `button` and returns true for such a key.
    static bool clickOnEnter(QAbstractButton *button, QKeyEvent *event);

protected:
    struct Look
    {
        QColor fill;
        QColor text;
        QColor border; // none when invalid
        qreal cornerRadius = 0;
        qreal opacity = 1.0;
        // Half a pixel keeps a one-pixel border, and the fill's edge, on whole pixels.
        qreal edgeInset = 0;
    };

    virtual Look look() const = 0;

    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
