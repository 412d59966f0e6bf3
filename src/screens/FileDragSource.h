// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QUrl>

#include <functional>

class QMimeData;
class QWidget;

// Lets files be dragged out of a widget into any application that takes files: a press and a
// move past the desktop's drag distance start the drag, offered as a copy only.
class FileDragSource : public QObject
{
    Q_OBJECT

public:
    // `files` gives the files to drag at the moment the drag begins.
    FileDragSource(QWidget *source, std::function<QList<QUrl>()> files);

    // The files as file managers put them on the clipboard and in a drag: a URI list, and for
    // GNOME's file managers their own form of it, marked as a copy.
    static QMimeData *mimeData(const QList<QUrl> &files);
    // The files a file manager put on the clipboard or in a drag, in either form.
    static QList<QUrl> filesIn(const QMimeData &data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_source;
    std::function<QList<QUrl>()> m_files;
    QPoint m_pressedAt;
    bool m_pressed = false;
};
