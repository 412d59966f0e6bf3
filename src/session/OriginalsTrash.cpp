// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OriginalsTrash.h"

#include "SizeSummary.h"
#include "engine/BatchList.h"
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

QList<OriginalsTrash::Original> OriginalsTrash::convertedOriginals(const BatchList &files)
{
    QList<Original> originals;
    for (const BatchFile &file : files) {
        if (file.stage != BatchFile::Stage::Finished || !file.outcome.converted())
            continue;
        const QFileInfo input(file.url.toLocalFile());
        if (input.isSymLink() || !input.isFile() || file.outcome.outputPath.isEmpty())
            continue;
        originals.append({input.filePath(), input.size(), file.media, file.outcome.outputPath});
    }
    return originals;
}

void OriginalsTrash::offer(const QList<Original> &originals)
{
    ++m_generation;
    m_originals = originals;
    m_moves = {};
    m_returns = {};
    setStage(originals.isEmpty() ? Stage::NothingOffered : Stage::Offered);
}

void OriginalsTrash::moveToTrash()
{
    if (m_stage != Stage::Offered)
        return;
    setStage(Stage::Moving);
    QtConcurrent::run(&OriginalsTrash::moveChecked, m_originals)
        .then(this, [this, generation = m_generation](const Moves &moves) {
            if (generation != m_generation)
                return;
            m_moves = moves;
            setStage(Stage::Moved);
        });
}

void OriginalsTrash::putBack()
{
    if (m_stage != Stage::Moved || m_moves.moved.isEmpty())
        return;
    setStage(Stage::PuttingBack);
    QtConcurrent::run(&OriginalsTrash::moveBack, m_moves.moved)
        .then(this, [this, generation = m_generation](const Returns &returns) {
            if (generation != m_generation)
                return;
            m_returns = returns;
            setStage(Stage::PutBack);
        });
}

qint64 OriginalsTrash::offeredBytes() const
{
    qint64 bytes = 0;
    for (const Original &original : m_originals)
        bytes += original.size;
    return bytes;
}

QString OriginalsTrash::offerText() const
{
    return tr("Move originals to Trash (%1)").arg(SizeSummary::formatSize(offeredBytes()));
}

QStringList OriginalsTrash::statusLines() const
{
    QStringList lines;
    switch (m_stage) {
    case Stage::NothingOffered:
    case Stage::Offered:
        break;
    case Stage::Moving:
        lines.append(tr("Checking the converted files…"));
        break;
    case Stage::Moved:
    case Stage::PuttingBack: {
        const qsizetype moved = m_moves.moved.size();
        if (moved > 0)
            lines.append(tr("%n original(s) moved to the Trash", nullptr, int(moved)));
        const qsizetype kept = m_moves.unchecked + m_moves.refused;
        if (m_moves.unchecked > 0 && m_moves.refused > 0)
            lines.append(tr("%n original(s) were kept: some converted files could not be checked, "
                            "and the Trash refused the others",
                            nullptr, int(kept)));
        else if (m_moves.unchecked > 0)
            lines.append(
                tr("%n original(s) were kept: their converted file(s) could not be checked",
                   nullptr, int(kept)));
        else if (m_moves.refused > 0)
            lines.append(
                tr("%n original(s) were kept: the Trash refused them", nullptr, int(kept)));
        break;
    }
    case Stage::PutBack:
        if (m_returns.putBack > 0)
            lines.append(
                tr("%n original(s) put back where they were", nullptr, int(m_returns.putBack)));
        if (m_returns.nameTaken > 0)
            lines.append(tr("%n original(s) stayed in the Trash: their name(s) are taken now",
                            nullptr, int(m_returns.nameTaken)));
        if (m_returns.failed > 0)
            lines.append(
                tr("%n original(s) stayed in the Trash: their folder(s) could not take them back",
                   nullptr, int(m_returns.failed)));
        break;
    }
    return lines;
}

// The converted file is the same clip, whole and dated as the original, so that nothing of the
// clip is lost with the original: a file the probe cannot read is never taken for one.
bool OriginalsTrash::convertedIntact(const Original &original)
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

OriginalsTrash::Moves OriginalsTrash::moveChecked(const QList<Original> &originals)
{
    Moves moves;
    // Without the data folder QFile (Qt 6.4) takes the working folder for the Trash and moves
    // the file there; XDG has an application make the data folder where it is missing.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const bool trashPossible = !dataHome.isEmpty() && QDir().mkpath(dataHome);
    for (const Original &original : originals) {
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

OriginalsTrash::Returns OriginalsTrash::moveBack(const QList<Trashed> &trashed)
{
    Returns returns;
    for (const Trashed &each : trashed) {
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

void OriginalsTrash::setStage(Stage stage)
{
    m_stage = stage;
    Q_EMIT stageChanged();
}
