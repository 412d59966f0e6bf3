#pragma once

#include <QList>
#include <QObject>
#include <QThreadPool>
#include <QUrl>

class ScreenState;

// Types dropped URLs off the main thread and lists each video file in the screen state as soon
// as its own typing is done, so the list grows in completion order. It lives as long as the
// state it writes to, so loads still land after the screen that took the drop has gone.
class DropIntake : public QObject
{
    Q_OBJECT

public:
    explicit DropIntake(ScreenState *state, QObject *parent = nullptr);
    ~DropIntake() override;

    // Returns at once; every URL is typed on its own.
    void take(const QList<QUrl> &urls);

private:
    ScreenState *m_state;
    // Our own pool: the shared one may be busy with the engine's long blocking waits, and
    // typing must not queue behind a running batch.
    QThreadPool m_pool;
};
