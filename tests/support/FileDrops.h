// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <memory>

// Drops as a file manager makes them, for widget tests that link the widgets.
namespace FileDrops {

// What a file manager puts on the wire: one percent-encoded URL a line, CRLF-terminated.
inline std::unique_ptr<QMimeData> uriList(const QList<QUrl> &urls)
{
    QByteArray list;
    for (const QUrl &url : urls)
        list += url.toEncoded() + "\r\n";
    auto mimeData = std::make_unique<QMimeData>();
    mimeData->setData(QStringLiteral("text/uri-list"), list);
    return mimeData;
}

// Drags onto the widget's centre and drops there, as the platform does; gives the action the
// widget chose, IgnoreAction if it refused.
inline Qt::DropAction dropOn(QWidget *target, const QMimeData &mimeData)
{
    const QPoint centre = target->rect().center();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(centre, offered, &mimeData, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return Qt::IgnoreAction;
    QDropEvent drop(centre, offered, &mimeData, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

} // namespace FileDrops
