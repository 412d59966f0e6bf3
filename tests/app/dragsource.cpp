// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in for a file manager: a window at the given position that starts a real drag of the
// given URLs when pressed, as Nautilus or Dolphin would, and prints what the target did with it.
//   dragsource X Y ENCODED_URL...
// It prints "ready" once its window is on screen, "dragging" when the drag starts, then the
// action the drop ended with ("copy", "move", "link" or "ignore"). Like a file manager it stays
// running after the drop, since the target fetches the dropped data from it only then.

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {

void say(const char *line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

const char *actionName(Qt::DropAction action)
{
    switch (action) {
    case Qt::CopyAction:
        return "copy";
    case Qt::MoveAction:
        return "move";
    case Qt::LinkAction:
        return "link";
    default:
        return "ignore";
    }
}

class DragSource : public QWidget
{
public:
    explicit DragSource(QList<QUrl> urls)
        : m_urls(std::move(urls))
    {}

protected:
    void mousePressEvent(QMouseEvent *) override
    {
        auto *drag = new QDrag(this);
        auto *mimeData = new QMimeData;
        mimeData->setUrls(m_urls);
        drag->setMimeData(mimeData);
        say("dragging");
        // File managers offer all three and propose a move within one disk.
        say(actionName(
            drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::MoveAction)));
    }

    void showEvent(QShowEvent *) override { say("ready"); }

private:
    QList<QUrl> m_urls;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 4)
        return 2;

    QList<QUrl> urls;
    for (const QString &argument : arguments.mid(3))
        urls.append(QUrl::fromEncoded(argument.toUtf8()));
    DragSource source(urls);
    source.setFixedSize(100, 100);
    source.move(arguments[1].toInt(), arguments[2].toInt());
    source.show();
    return application.exec();
}
