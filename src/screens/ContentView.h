// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QUrl>
#include <QWidget>

class ScreenActions;
class ScreenState;

// The window's content: shows exactly one screen, the conversion screen or the completion
// screen, in a frame of the screens' size, as the state says; each asks the actions for what the
// user wants.
class ContentView : public QWidget
{
    Q_OBJECT

public:
    ContentView(const ScreenState *state, ScreenActions *actions, QWidget *parent = nullptr);

    QWidget *currentScreen() const { return m_screen; }
    QSize frameSize() const;

Q_SIGNALS:
    // A newly placed screen has been shown.
    void screenShown();
    void frameResized();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeScreen();
    void fitFrame();
    void focusFirstControl();

    const ScreenState *m_state;
    ScreenActions *m_actions;
    // Which screen is placed, so that a change among the others leaves it alone.
    bool m_showsCompletion = false;
    QWidget *m_frame;
    QWidget *m_screen = nullptr;
};
