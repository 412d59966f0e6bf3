// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal on the main thread, so that Clipforger
// can stop its encoder and remove partial output before it goes, as it does when the window
// is closed.
class QuitSignals : public QObject
{
    Q_OBJECT

public:
    explicit QuitSignals(QObject *parent = nullptr);
    ~QuitSignals() override;

Q_SIGNALS:
    void received(int signalNumber);

private:
    static void handle(int signalNumber);

    QSocketNotifier *m_notifier = nullptr;
};
