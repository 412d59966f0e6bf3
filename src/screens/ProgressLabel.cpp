// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgressLabel.h"

#include "AccessibleWidgets.h"

#include <QAccessible>
#include <QTimer>

#include <cmath>

ProgressLabel::ProgressLabel(QWidget *parent)
    : QLabel(parent)
    , m_pending(new QTimer(this))
{
    AccessibleWidgets::install();
    m_pending->setSingleShot(true);
    connect(m_pending, &QTimer::timeout, this, &ProgressLabel::announce);
}

void ProgressLabel::setFraction(double fraction)
{
    const double percent = std::isfinite(fraction) ? std::clamp(fraction * 100.0, 0.0, 100.0) : 0.0;
    const int value = int(percent);
    if (value == m_value)
        return;
    m_value = value;
    changed();
}

void ProgressLabel::setProgressName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    changed();
}

void ProgressLabel::changed()
{
    // What changes off screen is told when the bar shows.
    if (!isVisible() || m_pending->isActive())
        return;
    const qint64 wait =
        m_sinceAnnouncement.isValid() ? announcementIntervalMs - m_sinceAnnouncement.elapsed() : 0;
    if (wait > 0)
        m_pending->start(int(wait));
    else
        announce();
}

void ProgressLabel::announce()
{
    if (m_name == accessibleName() && m_value == m_announcedValue)
        return;
    m_sinceAnnouncement.start();
    // Tells screen readers of the new name; named, the label no longer tells them of a new
    // name at every new percent.
    if (m_name != accessibleName())
        setAccessibleName(m_name);
    if (m_value != m_announcedValue) {
        m_announcedValue = m_value;
        QAccessibleValueChangeEvent event(this, m_value);
        QAccessible::updateAccessibility(&event);
    }
    Q_EMIT announced(m_value, m_name);
}

void ProgressLabel::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    changed();
}

void ProgressLabel::hideEvent(QHideEvent *event)
{
    // Nothing may wake the app while it is off screen.
    m_pending->stop();
    QLabel::hideEvent(event);
}
