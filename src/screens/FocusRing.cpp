// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FocusRing.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QWidget>

namespace {

QPointer<FocusRing> instance;

} // namespace

void FocusRing::follow()
{
    if (instance)
        return;
    instance = new FocusRing(qApp);
    qApp->installEventFilter(instance);
}

bool FocusRing::isShownOn(const QWidget *widget)
{
    return instance && instance->m_keyboardInUse && widget->hasFocus() && widget->isEnabled();
}

void FocusRing::paint(QPainter &painter, const QWidget *widget, const QRectF &outer, qreal radius)
{
    const qreal half = width / 2;
    QPainterPath ring;
    ring.addRoundedRect(outer.adjusted(half, half, -half, -half), radius - half, radius - half);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(1.0);
    painter.setPen(QPen(widget->palette().color(QPalette::Highlight), width));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(ring);
    painter.restore();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    bool keyboard = m_keyboardInUse;
    switch (event->type()) {
    case QEvent::KeyPress:
        keyboard = true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        keyboard = false;
        break;
    default:
        break;
    }
    if (keyboard != m_keyboardInUse) {
        m_keyboardInUse = keyboard;
        if (QWidget *focused = QApplication::focusWidget())
            focused->update();
    }
    return QObject::eventFilter(watched, event);
}
