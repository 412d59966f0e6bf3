// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QRectF>

class QPainter;
class QWidget;

// The ring drawn around the control that has the keyboard focus, in the desktop's highlight
// colour. It shows while the user works with the keyboard and hides as soon as they point and
// click again, so that the window of someone using the mouse looks as it always did.
class FocusRing : public QObject
{
    Q_OBJECT

public:
    static constexpr qreal width = 2;
    // Between the ring and the shape it surrounds, so that it stands out on any fill.
    static constexpr qreal gap = 2;

    // Makes the ring follow the user's input; every widget that draws it calls this when built.
    static void follow();

    static bool isShownOn(const QWidget *widget);
    // Draws the ring along the inside of `outer`, whose corners are rounded by `radius`.
    static void paint(QPainter &painter, const QWidget *widget, const QRectF &outer, qreal radius);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;

    bool m_keyboardInUse = false;
};
