// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "session/TrashOffer.h"

#include <QCoreApplication>
#include <QStringList>

// What the completion screen says of its offer to move the originals to the Trash.
class TrashStatus
{
    Q_DECLARE_TR_FUNCTIONS(TrashStatus)

public:
    // "Move originals to Trash (2.6 GB)".
    static QString offerText(const TrashOffer &offer);
    // What the last move or putting back did, a line each; empty before either.
    static QStringList lines(const TrashOffer &offer);
    // The heading of a notification of what a move did: "Originals moved to the Trash".
    static QString movedSummary(const TrashOffer &offer);
};
