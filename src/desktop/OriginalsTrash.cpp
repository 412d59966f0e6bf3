// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OriginalsTrash.h"

#include "DesktopTrash.h"
#include "files/FileVersion.h"
#include "media/ClipComparison.h"
#include "media/MediaProbe.h"

#include <QFile>
#include <QFileInfo>
#include <QtConcurrent>

#include <cerrno>

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

// The converted file is the same clip, whole and dated as the original, with every subtitle and
// chapter that a conversion keeps, so that nothing of the clip is lost with the original: a file
// the probe cannot read is never taken for one.
OriginalsTrash::Converted OriginalsTrash::checkConverted(const TrashOffer::Original &original)
{
    const QFileInfo output(original.outputPath);
    if (output.isSymLink() || !output.isFile())
        return Converted::Unchecked;
    const MediaInfo converted = MediaProbe::probe(original.outputPath);
    const MediaInfo source = original.media && original.media->readable
                                 ? *original.media
                                 : MediaProbe::probe(original.path);
    if (!ClipComparison::sameClip(source, original.path, converted))
        return Converted::Unchecked;
    return ClipComparison::keepsSubtitlesAndChapters(source, converted) ? Converted::Intact
                                                                        : Converted::Incomplete;
}

TrashOffer::Moves OriginalsTrash::moveChecked(const QList<TrashOffer::Original> &originals)
{
    TrashOffer::Moves moves;
    for (const TrashOffer::Original &original : originals) {
        const QByteArray path = QFile::encodeName(original.path);
        const std::optional<FileVersion> now = FileVersion::ofRegularFile(path);
        // Gone since the batch ended: nothing left to move.
        if (!now && !QFileInfo::exists(original.path) && !QFileInfo(original.path).isSymLink())
            continue;
        // Only the file that was converted goes: not one put in its place or written since.
        if (now != original.encoded) {
            ++moves.changed;
            continue;
        }
        if (const Converted converted = checkConverted(original); converted != Converted::Intact) {
            ++(converted == Converted::Unchecked ? moves.unchecked : moves.incomplete);
            continue;
        }
        const std::optional<QString> inTrash = DesktopTrash::move(original.path);
        if (!inTrash) {
            ++moves.refused;
            continue;
        }
        // A file swapped in between the look and the move goes straight back.
        const std::optional<FileVersion> moved =
            FileVersion::ofRegularFile(QFile::encodeName(*inTrash));
        if (!moved || moved->identity != original.encoded.identity) {
            DesktopTrash::putBack(*inTrash, original.path);
            ++moves.changed;
            continue;
        }
        moves.moved.append({original.path, *inTrash, original.encoded.identity});
    }
    return moves;
}

TrashOffer::Returns OriginalsTrash::moveBack(const QList<TrashOffer::Trashed> &trashed)
{
    TrashOffer::Returns returns;
    for (const TrashOffer::Trashed &each : trashed) {
        if (DesktopTrash::putBack(each.inTrash, each.original) == 0) {
            ++returns.putBack;
            continue;
        }
        const int error = errno;
        // Put back already, from a file manager's Trash.
        const std::optional<FileVersion> there =
            FileVersion::ofRegularFile(QFile::encodeName(each.original));
        if (there && there->identity == each.identity)
            ++returns.putBack;
        else if (error == EEXIST)
            ++returns.nameTaken;
        else
            ++returns.failed;
    }
    return returns;
}
