// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileDropTarget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include <algorithm>

namespace {

// Never a move: a file manager that is told its files were moved deletes them.
Qt::DropAction harmlessAction(Qt::DropActions offered)
{
    if (offered & Qt::CopyAction)
        return Qt::CopyAction;
    if (offered & Qt::LinkAction)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

} // namespace

FileDropTarget::FileDropTarget(QWidget *target)
    : QObject(target)
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

bool FileDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)
        return QObject::eventFilter(watched, event);

    auto *drop = static_cast<QDropEvent *>(event);
    const Qt::DropAction action = harmlessAction(drop->possibleActions());
    if (action == Qt::IgnoreAction || !drop->mimeData()->hasUrls())
        return true;
    const QList<QUrl> urls = drop->mimeData()->urls();
    // Names only: this runs on every hover and must not wait on the disk.
    if (event->type() == QEvent::DragEnter &&
        std::none_of(urls.begin(), urls.end(),
                     [this](const QUrl &url) { return m_typing.mayBeVideo(url); }))
        return true;
    drop->setDropAction(action);
    drop->accept();
    if (event->type() == QEvent::Drop)
        Q_EMIT filesDropped(urls);
    return true;
}
