// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SymbolView.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Device pixels around a drawing of `pixels` that keep its square covered at any angle, one more
// for the smoothing at the edge.
int marginForTurning(const QSize &pixels)
{
    const double diagonal = std::hypot(pixels.width(), pixels.height());
    return int(std::ceil((diagonal - std::min(pixels.width(), pixels.height())) / 2)) + 1;
}

} // namespace

SymbolView::SymbolView(const QString &symbolName, int height, const QColor &color, QWidget *parent)
    : QWidget(parent)
    , m_size(0, height)
    , m_color(color)
{
    setSymbol(symbolName);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Painting our own background spares Qt repainting the widgets beneath at every frame of
    // the gear's turn.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString SymbolView::resourcePath(const QString &symbolName)
{
    return QStringLiteral(":/icons/%1.svg").arg(QString(symbolName).replace(u'.', u'-'));
}

void SymbolView::setSymbol(const QString &symbolName)
{
    m_renderer.load(resourcePath(symbolName));
    const QSizeF box = m_renderer.viewBoxF().size();
    const int height = m_size.height();
    m_size.setWidth(box.height() > 0 ? qRound(height * box.width() / box.height()) : height);
    m_drawing = QImage();
    updateGeometry();
    update();
}

void SymbolView::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
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

const QImage &SymbolView::drawing()
{
    const Look look{devicePixelRatioF(), m_color.rgba(), palette().color(QPalette::Window).rgba()};
    if (look == m_drawnLook && !m_drawing.isNull())
        return m_drawing;

    const QSize pixels = (QSizeF(m_size) * look.devicePixelRatio).toSize();
    QImage shape(pixels, QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    QPainter painter(&shape);
    m_renderer.render(&painter);
    // The drawings are black shapes on transparency: keep their coverage, replace the colour.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(shape.rect(), m_color);
    painter.end();

    // On the window's colour, with enough of it around the symbol that the drawing still covers
    // the whole view when turned: each frame of a turn is then one opaque image.
    m_margin = marginForTurning(pixels);
    m_drawing =
        QImage(pixels.grownBy({m_margin, m_margin, m_margin, m_margin}), QImage::Format_RGB32);
    m_drawing.fill(look.background);
    painter.begin(&m_drawing);
    painter.drawImage(m_margin, m_margin, shape);
    painter.end();
    m_drawing.setDevicePixelRatio(look.devicePixelRatio);
    m_drawnLook = look;
    return m_drawing;
}

void SymbolView::paintEvent(QPaintEvent *)
{
    const QImage &image = drawing();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPointF centre = QRectF(rect()).center();
    painter.translate(centre);
    painter.rotate(std::fmod(m_rotation, 360.0));
    painter.translate(-QPointF(m_size.width(), m_size.height()) / 2.0);
    painter.drawImage(-QPointF(m_margin, m_margin) / image.devicePixelRatio(), image);
}
