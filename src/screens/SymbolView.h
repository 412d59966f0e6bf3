// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QSvgRenderer>
#include <QWidget>

// One of Clipforger's own single-colour symbols ("gear", "video.badge.plus", ...), drawn at a
// fixed height in a colour chosen at run time and optionally turned about its centre.
class SymbolView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double rotation READ rotation WRITE setRotation)

public:
    SymbolView(const QString &symbolName, int height, const QColor &color,
               QWidget *parent = nullptr);

    static QString resourcePath(const QString &symbolName);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    // Another of the symbols, at the same height.
    void setSymbol(const QString &symbolName);

    double rotation() const { return m_rotation; }
    void setRotation(double degrees);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // What the drawing depends on besides the symbol itself.
    struct Look
    {
        qreal devicePixelRatio = 0;
        QRgb color = 0;
        QRgb background = 0;
        bool operator==(const Look &) const = default;
    };

    const QImage &drawing();

    QSvgRenderer m_renderer;
    QSize m_size;
    QColor m_color;
    double m_rotation = 0.0;
    Look m_drawnLook;
    // Device pixels of the window's colour around the symbol in the drawing.
    int m_margin = 0;
    QImage m_drawing;
};
