// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QUrl>
#include <QWidget>

class ScreenState;

// The window's content: shows exactly one screen, the conversion screen or the completion
// screen, in a frame of the screens' size, as the state says, and passes on what the user asks
// of either.
class ContentView : public QWidget
{
    Q_OBJECT

public:
    // The frame's size for the product's own text size. Where larger text does not fit, the
    // frame grows as far as the screen's content needs.
    static constexpr QSize screenSize{500, 400};

    explicit ContentView(const ScreenState *state, QWidget *parent = nullptr);

    QWidget *currentScreen() const { return m_screen; }
    QSize frameSize() const;
    // The completion screen says where the folder is, as the desktop could not open it.
    void showFolderNotOpened();

Q_SIGNALS:
    // A newly placed screen has been shown.
    void screenShown();
    void frameResized();

    // What the user asks for, on whichever screen.
    void addFilesRequested(const QList<QUrl> &urls);
    void clearRequested();
    void convertRequested();
    void stopRequested();
    void pauseRequested(bool paused);
    void chooseFilesRequested();
    void backRequested();
    void viewFilesRequested();
    void moveOriginalsToTrashRequested();
    void putOriginalsBackRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeScreen();
    void fitFrame();
    void focusFirstControl();

    const ScreenState *m_state;
    // Which screen is placed, so that a change among the others leaves it alone.
    bool m_showsCompletion = false;
    QWidget *m_frame;
    QWidget *m_screen = nullptr;
};
