// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TrashOffer.h"

#include "engine/BatchList.h"

#include <QFileInfo>

QList<TrashOffer::Original> TrashOffer::convertedOriginals(const BatchList &files)
{
    QList<Original> originals;
    for (const BatchFile &file : files) {
        if (file.stage != BatchFile::Stage::Finished || !file.outcome.converted())
            continue;
        const QFileInfo input(file.url.toLocalFile());
        if (input.isSymLink() || !input.isFile() || file.outcome.outputPath.isEmpty() ||
            !file.encodedVersion)
            continue;
        originals.append({input.filePath(), input.size(), *file.encodedVersion, file.media,
                          file.outcome.outputPath});
    }
    return originals;
}

qint64 TrashOffer::offeredBytes() const
{
    qint64 bytes = 0;
    for (const Original &original : originals)
        bytes += original.size;
    return bytes;
}
