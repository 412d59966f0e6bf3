// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgressLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

#include <cmath>

namespace {

// What it is to screen readers; Qt's accessibility asks a factory, installed with the first one.
class AccessibleProgressLabel : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleProgressLabel(ProgressLabel *label)
        : QAccessibleWidget(label, QAccessible::ProgressBar)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return label()->progressName();
        if (kind == QAccessible::Value)
            return label()->text();
        return QAccessibleWidget::text(kind);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return label()->value(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    const ProgressLabel *label() const { return static_cast<const ProgressLabel *>(widget()); }
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String(ProgressLabel::staticMetaObject.className()))
        return new AccessibleProgressLabel(static_cast<ProgressLabel *>(object));
    return nullptr;
}

} // namespace

ProgressLabel::ProgressLabel(QWidget *parent)
    : QLabel(parent)
    , m_pending(new QTimer(this))
{
    static const bool accessible = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(accessible);
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
