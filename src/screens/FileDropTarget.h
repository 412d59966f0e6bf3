// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "intake/VideoFileTyping.h"

#include <QList>
#include <QObject>
#include <QUrl>

class QWidget;

// Makes a widget take dropped files: a drag is taken only when something in it may be a video,
// never as a move, and the dropped URLs are handed on untyped.
class FileDropTarget : public QObject
{
    Q_OBJECT

public:
    explicit FileDropTarget(QWidget *target);

Q_SIGNALS:
    void filesDropped(const QList<QUrl> &urls);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    VideoFileTyping m_typing;
};
