// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs one batch in a process of its own, for tests that run it on a disk of its own or kill it.
// Prints a line per outcome, "outcome <failure> <output file name>", then one per entry of the
// output folder once the batch is over, "entry <name>".
#include "engine/BatchConverter.h"
#include "engine/BatchList.h"

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
    BatchList list;
    list.append(files, BatchFile::Stage::Waiting);
    BatchConverter batch(args.at(1), args.at(2), &list);
    QObject::connect(&batch, &BatchConverter::finished, &app, [&] {
        for (const FileOutcome &outcome : list.outcomes())
            std::printf("outcome %d %s\n", int(outcome.failure),
                        qPrintable(QFileInfo(outcome.outputPath).fileName()));
        for (const QString &entry :
             QDir(args.at(2))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            std::printf("entry %s\n", qPrintable(entry));
        app.quit();
    });
    batch.start();
    return app.exec();
}
