// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// A single line of text that is cut short with an ellipsis, never wrapped, when it is wider
// than the space it gets. The whole text stays available as the tooltip, and screen readers
// read it whole.
class ElidedLabel : public QWidget
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    // Cuts only this part of the text, in its middle, when the whole does not fit: a file name
    // within a line about it, so that what is said about the file stays readable.
    void setElidedPart(const QString &part);
    // The text as drawn at the current width.
    QString displayedText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QString m_elidedPart;
};
