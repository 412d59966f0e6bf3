#include "DropIntake.h"

#include "VideoFileTyping.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

DropIntake::DropIntake(QObject *parent)
    : QObject(parent)
{}

DropIntake::~DropIntake()
{
    // Loads not yet started are dropped; the few running ones are short and write only to
    // their futures, whose watchers go with this object.
    m_pool.clear();
    m_pool.waitForDone();
}

void DropIntake::take(const QList<QUrl> &urls)
{
    for (const QUrl &url : urls) {
        auto *watcher = new QFutureWatcher<bool>(this);
        connect(watcher, &QFutureWatcher<bool>::finished, this, [this, watcher, url] {
            if (watcher->future().result())
                Q_EMIT videoFound(url);
            watcher->deleteLater();
        });
        watcher->setFuture(
            QtConcurrent::run(&m_pool, [url] { return VideoFileTyping().isVideoFile(url); }));
    }
}
