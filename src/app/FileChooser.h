// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QFileDialog;
class QWidget;

// The desktop's file chooser (its native or portal dialog where the platform has one) for
// picking several video files. It opens in the folder it was last left in.
class FileChooser : public QObject
{
    Q_OBJECT

public:
    explicit FileChooser(QWidget *window);

    // Opens the chooser over the window, or brings the open one forward; returns at once.
    void open();

Q_SIGNALS:
    void filesChosen(const QList<QUrl> &urls);

private:
    void onAccepted();

    QWidget *m_window;
    QPointer<QFileDialog> m_dialog;
};
