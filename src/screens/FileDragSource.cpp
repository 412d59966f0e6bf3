// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileDragSource.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>

FileDragSource::FileDragSource(QWidget *source, std::function<QList<QUrl>()> files)
    : QObject(source)
    , m_source(source)
    , m_files(std::move(files))
{
    source->installEventFilter(this);
}

namespace {

// GNOME's file managers copy files as "copy" or "cut", then one URL a line.
const QString gnomeCopiedFiles = QStringLiteral("x-special/gnome-copied-files");

} // namespace

QMimeData *FileDragSource::mimeData(const QList<QUrl> &files)
{
    auto *data = new QMimeData;
    data->setUrls(files);
    QByteArray gnomeFiles("copy");
    for (const QUrl &file : files)
        gnomeFiles += '\n' + file.toEncoded();
    data->setData(gnomeCopiedFiles, gnomeFiles);
    // Pasted into a chat or a terminal: the paths as they are, one a line, not URLs half escaped.
    QStringList paths;
    for (const QUrl &file : files)
        paths.append(file.isLocalFile() ? file.toLocalFile() : file.toString());
    data->setText(paths.join(u'\n'));
    return data;
}

QList<QUrl> FileDragSource::filesIn(const QMimeData &data)
{
    if (data.hasUrls())
        return data.urls();
    QList<QUrl> urls;
    const QList<QByteArray> lines = data.data(gnomeCopiedFiles).split('\n');
    for (const QByteArray &line : lines.mid(1))
        urls.append(QUrl::fromEncoded(line.trimmed()));
    return urls;
}

// Presses on the widget's labels and empty space reach it here; its buttons keep their own.
bool FileDragSource::eventFilter(QObject *watched, QEvent *event)
{
    if (m_files().isEmpty())
        return QObject::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_pressed = mouse->button() == Qt::LeftButton;
        m_pressedAt = mouse->globalPosition().toPoint();
        break;
    case QEvent::MouseButtonRelease:
        m_pressed = false;
        break;
    case QEvent::MouseMove:
        if (!m_pressed || (mouse->globalPosition().toPoint() - m_pressedAt).manhattanLength() <
                              QApplication::startDragDistance())
            break;
        m_pressed = false;
        {
            auto *drag = new QDrag(m_source);
            drag->setMimeData(mimeData(m_files()));
            // A copy only: the converted files stay in the output folder, wherever they go.
            drag->exec(Qt::CopyAction);
        }
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
