// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PaintedButton.h"

#include "FocusRing.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr qreal disabledOpacity = 0.35;
} // namespace

PaintedButton::PaintedButton(QWidget *parent)
    : QAbstractButton(parent)
{
    FocusRing::follow();
}

void PaintedButton::paintEvent(QPaintEvent *)
{
    const Look shown = look();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(isEnabled() ? shown.opacity : disabledOpacity);

    // The ring takes the button's outer edge and the shape steps inside it, so that a ring in
    // the highlight colour shows even around a button filled with that colour.
    const bool ringShown = FocusRing::isShownOn(this);
    const qreal edge = ringShown ? FocusRing::width + FocusRing::gap : shown.edgeInset;
    const qreal radius = std::max<qreal>(0, shown.cornerRadius - (ringShown ? edge : 0));
    const QRectF box = QRectF(rect()).adjusted(edge, edge, -edge, -edge);
    QPainterPath shape;
    shape.addRoundedRect(box, radius, radius);
    painter.fillPath(shape, shown.fill);
    if (shown.border.isValid()) {
        painter.setPen(QPen(shown.border, 1));
        painter.drawPath(shape);
    }
    if (ringShown)
        FocusRing::paint(painter, this, rect(), shown.cornerRadius);

    painter.setPen(shown.text);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}

bool PaintedButton::clickOnEnter(QAbstractButton *button, QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!enter || !plain || event->isAutoRepeat())
        return false;
    button->click();
    event->accept();
    return true;
}

void PaintedButton::keyPressEvent(QKeyEvent *event)
{
    if (!clickOnEnter(this, event))
        QAbstractButton::keyPressEvent(event);
}
