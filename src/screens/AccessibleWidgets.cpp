// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AccessibleWidgets.h"

#include "ElidedLabel.h"
#include "ProgressLabel.h"

#include <QAccessibleWidget>

namespace {

class AccessibleElidedLabel : public QAccessibleWidget
{
public:
    explicit AccessibleElidedLabel(ElidedLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text kind) const override
    {
        // The whole text, not the shortened one drawn; and its tooltip is no description.
        if (kind == QAccessible::Name)
            return static_cast<const ElidedLabel *>(widget())->text();
        if (kind == QAccessible::Description)
            return {};
        return QAccessibleWidget::text(kind);
    }
};

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
    // Asked once for each class an object is, most derived first.
    if (className == QLatin1String(ElidedLabel::staticMetaObject.className()))
        return new AccessibleElidedLabel(static_cast<ElidedLabel *>(object));
    if (className == QLatin1String(ProgressLabel::staticMetaObject.className()))
        return new AccessibleProgressLabel(static_cast<ProgressLabel *>(object));
    return nullptr;
}

} // namespace

void AccessibleWidgets::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}
