#pragma once

#include <QWidget>

#include <functional>

class DropIntake;
class ScreenState;

// The window's content: owns the shared screen state and the output folder, and shows exactly
// one screen, the conversion screen or the completion screen, in a fixed frame.
class ContentView : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize screenSize{500, 400};

    explicit ContentView(const QString &encoderPath, QWidget *parent = nullptr);

    ScreenState *state() const { return m_state; }
    QString appFolder() const { return m_appFolder; }
    QWidget *currentScreen() const { return m_screen; }

    // Runs each time a newly placed screen is shown.
    void setScreenShownAction(std::function<void()> action);

    // Leaves the completion screen for an empty conversion screen.
    void goBack();
    // Stops a running batch, which then ends as usual.
    void cancelConversion();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeScreen();

    ScreenState *m_state;
    DropIntake *m_dropIntake;
    QString m_appFolder;
    QString m_encoderPath;
    QWidget *m_frame;
    QWidget *m_screen = nullptr;
    std::function<void()> m_screenShownAction;
};
