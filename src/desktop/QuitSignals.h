// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal on the main thread, so that Clipforger can
// stop its encoders and remove their partial outputs before it goes, as it does when the window
// is closed. One instance at a time owns the handlers; another made meanwhile stays inert.
class QuitSignals : public QObject
{
    Q_OBJECT

public:
    explicit QuitSignals(QObject *parent = nullptr);
    // Puts back the handlers that were there before.
    ~QuitSignals() override;

Q_SIGNALS:
    void received(int signalNumber);

private:
    static void handle(int signalNumber);
    void readSignals();

    int m_sockets[2] = {-1, -1}; // written by the handler, read by the event loop
    QSocketNotifier *m_notifier = nullptr;
};
