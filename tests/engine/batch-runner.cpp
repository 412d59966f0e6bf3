// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs one batch in a process of its own, for tests that run it on a disk of its own or kill it.
// Prints a line per outcome, "outcome <failure> <output file name>", then one per entry of the
// output folder once the batch is over, "entry <name>".
#include "EngineBatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: %s ENCODER FOLDER INPUT...\n", argv[0]);
        return 2;
    }
    QList<QUrl> files;
    for (const QString &path : args.mid(3))
        files.append(QUrl::fromLocalFile(path));
    EngineBatch batch(args.at(1), args.at(2));
    QObject::connect(&batch.converter, &BatchConverter::finished, &app, [&] {
        for (const FileOutcome &outcome : batch.outcomes())
            std::printf("outcome %d %s\n", int(outcome.failure),
                        qPrintable(QFileInfo(outcome.outputPath).fileName()));
        for (const QString &entry :
             QDir(args.at(2))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            std::printf("entry %s\n", qPrintable(entry));
        app.quit();
    });
    batch.start(files);
    return app.exec();
}
