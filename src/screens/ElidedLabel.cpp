// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ElidedLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

#include <algorithm>

namespace {

// What it is to screen readers; Qt's accessibility asks a factory, installed with the first one.
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

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String(ElidedLabel::staticMetaObject.className()))
        return new AccessibleElidedLabel(static_cast<ElidedLabel *>(object));
    return nullptr;
}

} // namespace

ElidedLabel::ElidedLabel(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    static const bool accessible = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(accessible);
}

void ElidedLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    setToolTip(text);
    updateGeometry();
    update();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void ElidedLabel::setElidedPart(const QString &part)
{
    if (part == m_elidedPart)
        return;
    m_elidedPart = part;
    update();
}

QString ElidedLabel::displayedText() const
{
    const QFontMetrics metrics = fontMetrics();
    // Given exactly its own width, elidedText() may still cut a text by rounding.
    if (metrics.horizontalAdvance(m_text) <= width())
        return m_text;
    const qsizetype at = m_elidedPart.isEmpty() ? -1 : m_text.indexOf(m_elidedPart);
    if (at < 0)
        return metrics.elidedText(m_text, Qt::ElideRight, width());
    const QString before = m_text.left(at);
    const QString after = m_text.mid(at + m_elidedPart.size());
    const int room = std::max(width() - metrics.horizontalAdvance(before + after), 0);
    return before + metrics.elidedText(m_elidedPart, Qt::ElideMiddle, room) + after;
}

QSize ElidedLabel::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(m_text), fontMetrics().height()};
}

QSize ElidedLabel::minimumSizeHint() const
{
    return {0, fontMetrics().height()};
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, displayedText());
}
