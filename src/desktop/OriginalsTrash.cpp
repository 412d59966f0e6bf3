// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OriginalsTrash.h"

#include "files/NoReplaceRename.h"
#include "media/ClipComparison.h"
#include "media/MediaProbe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtConcurrent>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

OriginalsTrash::OriginalsTrash(QObject *parent)
    : QObject(parent)
{}

void OriginalsTrash::moveToTrash(int generation, const QList<TrashOffer::Original> &originals)
{
    QtConcurrent::run(&OriginalsTrash::moveChecked, originals)
        .then(this, [this, generation](const TrashOffer::Moves &moves) {
            Q_EMIT moved(generation, moves);
        });
}

void OriginalsTrash::putBack(int generation, const QList<TrashOffer::Trashed> &trashed)
{
    QtConcurrent::run(&OriginalsTrash::moveBack, trashed)
        .then(this, [this, generation](const TrashOffer::Returns &returns) {
            Q_EMIT returned(generation, returns);
        });
}

// The converted file is the same clip, whole and dated as the original, so that nothing of the
// clip is lost with the original: a file the probe cannot read is never taken for one.
bool OriginalsTrash::convertedIntact(const TrashOffer::Original &original)
{
    const QFileInfo output(original.outputPath);
    if (output.isSymLink() || !output.isFile())
        return false;
    const MediaInfo converted = MediaProbe::probe(original.outputPath);
    const MediaInfo source = original.media && original.media->readable
                                 ? *original.media
                                 : MediaProbe::probe(original.path);
    return ClipComparison::sameClip(source, original.path, converted);
}

TrashOffer::Moves OriginalsTrash::moveChecked(const QList<TrashOffer::Original> &originals)
{
    TrashOffer::Moves moves;
    // Without the data folder QFile (Qt 6.4) takes the working folder for the Trash and moves
    // the file there; XDG has an application make the data folder where it is missing.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const bool trashPossible = !dataHome.isEmpty() && QDir().mkpath(dataHome);
    for (const TrashOffer::Original &original : originals) {
        // Gone since the batch ended: nothing left to move.
        if (!QFileInfo(original.path).isFile())
            continue;
        if (!convertedIntact(original)) {
            ++moves.unchecked;
            continue;
        }
        QString inTrash;
        if (trashPossible && QFile::moveToTrash(original.path, &inTrash))
            moves.moved.append({original.path, inTrash});
        else
            ++moves.refused;
    }
    return moves;
}

TrashOffer::Returns OriginalsTrash::moveBack(const QList<TrashOffer::Trashed> &trashed)
{
    TrashOffer::Returns returns;
    for (const TrashOffer::Trashed &each : trashed) {
        if (NoReplaceRename::rename(AT_FDCWD, QFile::encodeName(each.inTrash).constData(), AT_FDCWD,
                                    QFile::encodeName(each.original).constData()) == 0) {
            ++returns.putBack;
            // The Trash's note of where the file came from, as a file manager's Restore
            // removes it: otherwise the Trash would list a file it no longer holds.
            const QFileInfo inTrash(each.inTrash);
            QFile::remove(inTrash.dir().filePath(QStringLiteral("../info/")) + inTrash.fileName() +
                          QStringLiteral(".trashinfo"));
        } else if (errno == EEXIST) {
            ++returns.nameTaken;
        } else {
            ++returns.failed;
        }
    }
    return returns;
}
