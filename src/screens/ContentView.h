// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class BatchSession;

// The window's content: shows exactly one screen, the conversion screen or the completion
// screen, in a frame of the screens' size, as the session's state says.
class ContentView : public QWidget
{
    Q_OBJECT

public:
    // The frame's size for the product's own text size. Where larger text does not fit, the
    // frame grows as far as the screen's content needs.
    static constexpr QSize screenSize{500, 400};

    explicit ContentView(BatchSession *session, QWidget *parent = nullptr);

    QWidget *currentScreen() const { return m_screen; }
    QSize frameSize() const;

Q_SIGNALS:
    // A newly placed screen has been shown.
    void screenShown();
    // The drop screen asks for the desktop's file chooser.
    void chooseFilesRequested();
    void frameResized();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeScreen();
    void fitFrame();
    void focusFirstControl();

    BatchSession *m_session;
    QWidget *m_frame;
    QWidget *m_screen = nullptr;
};
