#pragma once

#include <QWidget>

class BatchSession;

// The window's content: shows exactly one screen, the conversion screen or the completion
// screen, in a fixed frame, as the session's state says.
class ContentView : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize screenSize{500, 400};

    explicit ContentView(BatchSession *session, QWidget *parent = nullptr);

    QWidget *currentScreen() const { return m_screen; }

Q_SIGNALS:
    // A newly placed screen has been shown.
    void screenShown();
    // The drop screen asks for the desktop's file chooser.
    void chooseFilesRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeScreen();

    BatchSession *m_session;
    QWidget *m_frame;
    QWidget *m_screen = nullptr;
};
