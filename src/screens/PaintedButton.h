#pragma once

#include <QAbstractButton>
#include <QColor>

// A push button drawn as a rounded shape with centred one-line text: the common ground of the
// product's buttons. Subclasses say what the button looks like in its current state.
class PaintedButton : public QAbstractButton
{
    Q_OBJECT

public:
    using QAbstractButton::QAbstractButton;

protected:
    struct Look
    {
        QColor fill;
        QColor text;
        QColor border;    // none when invalid
        QColor focusRing; // drawn inside the shape while the button has focus
        qreal cornerRadius = 0;
        qreal opacity = 1.0;
        // Half a pixel keeps a one-pixel border, and the fill's edge, on whole pixels.
        qreal edgeInset = 0;
    };

    virtual Look look() const = 0;

    void paintEvent(QPaintEvent *event) override;
};
