// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TrashStatus.h"

#include "session/SizeSummary.h"

using Stage = TrashOffer::Stage;

QString TrashStatus::offerText(const TrashOffer &offer)
{
    return tr("Move originals to Trash (%1)").arg(SizeSummary::formatSize(offer.offeredBytes()));
}

QString TrashStatus::movedSummary(const TrashOffer &offer)
{
    return offer.moves.moved.isEmpty() ? tr("Originals kept") : tr("Originals moved to the Trash");
}

QStringList TrashStatus::lines(const TrashOffer &offer)
{
    QStringList lines;
    const TrashOffer::Moves &moves = offer.moves;
    const TrashOffer::Returns &returns = offer.returns;
    switch (offer.stage) {
    case Stage::NothingOffered:
    case Stage::Offered:
        break;
    case Stage::Moving:
        lines.append(tr("Checking the converted files…"));
        break;
    case Stage::Moved:
    case Stage::PuttingBack: {
        const qsizetype moved = moves.moved.size();
        if (moved > 0)
            lines.append(tr("%n original(s) moved to the Trash", nullptr, int(moved)));
        if (moves.changed > 0)
            lines.append(tr("%n original(s) were kept: changed since their conversion", nullptr,
                            int(moves.changed)));
        if (moves.unchecked > 0)
            lines.append(
                tr("%n original(s) were kept: their converted file(s) could not be checked",
                   nullptr, int(moves.unchecked)));
        if (moves.incomplete > 0)
            lines.append(tr("%n original(s) were kept: subtitles or chapters are missing from "
                            "their converted file(s)",
                            nullptr, int(moves.incomplete)));
        if (moves.refused > 0)
            lines.append(tr("%n original(s) were kept: the Trash refused them", nullptr,
                            int(moves.refused)));
        break;
    }
    case Stage::PutBack:
        if (returns.putBack > 0)
            lines.append(
                tr("%n original(s) put back where they were", nullptr, int(returns.putBack)));
        if (returns.nameTaken > 0)
            lines.append(tr("%n original(s) stayed in the Trash: their name(s) are taken now",
                            nullptr, int(returns.nameTaken)));
        if (returns.failed > 0)
            lines.append(
                tr("%n original(s) stayed in the Trash: their folder(s) could not take them back",
                   nullptr, int(returns.failed)));
        break;
    }
    return lines;
}
