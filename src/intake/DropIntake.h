#pragma once

#include <QList>
#include <QObject>
#include <QThreadPool>
#include <QUrl>

// Types given URLs off the main thread and reports each video file as soon as its own typing is
// done, so that a list fed from it grows in completion order.
class DropIntake : public QObject
{
    Q_OBJECT

public:
    explicit DropIntake(QObject *parent = nullptr);
    ~DropIntake() override;

    // Returns at once; every URL is typed on its own.
    void take(const QList<QUrl> &urls);

Q_SIGNALS:
    void videoFound(const QUrl &url);

private:
    // Our own pool, so that typing never waits behind other users of the global one; its
    // threads are released after a while without work.
    QThreadPool m_pool;
};
