// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs one batch through a session that keeps its record, in a process of its own, so that a
// test can kill it mid-batch as a crash or a power cut would.
//   session-runner RECORD FOLDER INPUT...
#include "engine/EncoderLocation.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QCoreApplication>
#include <QUrl>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: %s RECORD FOLDER INPUT...\n", argv[0]);
        return 2;
    }
    BatchSession session(bundledEncoderPath(), args.at(2));
    session.recordBatchesAt(args.at(1));
    // One file at a time, so that a kill can be timed to fall between two files.
    session.setEncodeCapacity(EncodeCapacity(1));
    QList<QUrl> files;
    for (const QString &path : args.mid(3))
        files.append(QUrl::fromLocalFile(path));
    session.stagedState()->files().replace(files);
    QObject::connect(session.state(), &ScreenState::screenChanged, &app,
                     [&app](ScreenState::Screen screen) {
                         if (screen == ScreenState::Screen::Completion)
                             app.quit();
                     });
    session.startConversion();
    return app.exec();
}
