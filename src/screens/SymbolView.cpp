// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SymbolView.h"

#include <QPainter>

#include <cmath>

SymbolView::SymbolView(const QString &symbolName, int height, const QColor &color, QWidget *parent)
    : QWidget(parent)
    , m_renderer(resourcePath(symbolName))
    , m_color(color)
{
    const QSizeF box = m_renderer.viewBoxF().size();
    const int width = box.height() > 0 ? qRound(height * box.width() / box.height()) : height;
    m_size = QSize(width, height);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Painting our own background spares Qt repainting the widgets beneath at every frame of
    // the gear's turn.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString SymbolView::resourcePath(const QString &symbolName)
{
    return QStringLiteral(":/icons/%1.svg").arg(QString(symbolName).replace(u'.', u'-'));
}

void SymbolView::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    m_cache = {};
    update();
}

void SymbolView::setRotation(double degrees)
{
    if (degrees == m_rotation)
        return;
    m_rotation = degrees;
    update();
}

QSize SymbolView::sizeHint() const
{
    return m_size;
}

QSize SymbolView::minimumSizeHint() const
{
    return m_size;
}

const QImage &SymbolView::tintedImage(qreal devicePixelRatio)
{
    const QSize pixels = (QSizeF(m_size) * devicePixelRatio).toSize();
    if (m_cache.size() == pixels)
        return m_cache;

    m_cache = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    m_cache.fill(Qt::transparent);
    QPainter painter(&m_cache);
    m_renderer.render(&painter);
    // The drawings are black shapes on transparency: keep their coverage, replace the colour.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(m_cache.rect(), m_color);
    painter.end();
    m_cache.setDevicePixelRatio(devicePixelRatio);
    return m_cache;
}

void SymbolView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage &image = tintedImage(devicePixelRatioF());
    const QPointF centre = QRectF(rect()).center();
    painter.translate(centre);
    painter.rotate(std::fmod(m_rotation, 360.0));
    painter.translate(-QPointF(m_size.width(), m_size.height()) / 2.0);
    painter.drawImage(QPointF(0, 0), image);
}
