// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ContentView.h"

#include "CompletionView.h"
#include "MainConversionView.h"
#include "Theme.h"
#include "session/ScreenState.h"

#include <QEvent>
#include <QVBoxLayout>

ContentView::ContentView(const ScreenState *state, ScreenActions *actions, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_actions(actions)
    , m_frame(new QWidget(this))
{
    auto *frameLayout = new QVBoxLayout(m_frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame, 0, Qt::AlignCenter);

    connect(m_state, &ScreenState::screenChanged, this, [this] {
        // The drop screen and the converting face are the two faces of one screen.
        if (m_state->isOnCompletionScreen() != m_showsCompletion)
            placeScreen();
    });
    placeScreen();
}

void ContentView::placeScreen()
{
    m_showsCompletion = m_state->isOnCompletionScreen();
    // The old screen may be the sender of the change that brought us here (a button of the
    // completion screen): let it finish before it goes.
    if (m_screen) {
        m_screen->hide();
        m_screen->removeEventFilter(this);
        m_screen->deleteLater();
    }

    if (m_showsCompletion)
        m_screen = new CompletionView(m_state, m_actions, m_frame);
    else
        m_screen = new MainConversionView(m_state, m_actions, m_frame);

    m_screen->installEventFilter(this);
    m_frame->layout()->addWidget(m_screen);
    fitFrame();
    m_screen->show();
    focusFirstControl();
}

QSize ContentView::frameSize() const
{
    return m_frame->size();
}

void ContentView::fitFrame()
{
    // Where larger text does not fit, the frame grows as far as the screen's content needs.
    const QSize needed = Theme::Metrics::screenSize.expandedTo(m_screen->minimumSizeHint());
    if (needed == m_frame->size())
        return;
    m_frame->setFixedSize(needed);
    Q_EMIT frameResized();
}

void ContentView::focusFirstControl()
{
    // Keyboard users start each new screen at its first control, as in a new dialog; a screen
    // reader says where they are.
    for (QWidget *widget = m_screen->nextInFocusChain(); widget != m_screen;
         widget = widget->nextInFocusChain()) {
        if (!m_screen->isAncestorOf(widget))
            continue;
        if (widget->isVisibleTo(m_screen) && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

bool ContentView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_screen && event->type() == QEvent::Show)
        Q_EMIT screenShown();
    // The screen's content may need more room, or less, after each change of its layout.
    if (watched == m_screen && event->type() == QEvent::LayoutRequest)
        fitFrame();
    return QWidget::eventFilter(watched, event);
}
