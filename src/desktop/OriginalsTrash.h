// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "session/TrashOffer.h"

#include <QList>
#include <QObject>

// Moves originals to the desktop's Trash and back. An original goes only once its converted file
// has been read back and found to be the same clip; nothing is ever deleted. Every read and move
// waits on the disk, so all of it runs off the GUI thread; each answer carries the generation of
// the offer it was asked for.
class OriginalsTrash : public QObject
{
    Q_OBJECT

public:
    explicit OriginalsTrash(QObject *parent = nullptr);

    void moveToTrash(int generation, const QList<TrashOffer::Original> &originals);
    // Moves each back to its old name, where that name is still free.
    void putBack(int generation, const QList<TrashOffer::Trashed> &trashed);

Q_SIGNALS:
    void moved(int generation, const TrashOffer::Moves &moves);
    void returned(int generation, const TrashOffer::Returns &returns);

private:
    enum class Converted { Intact, Unchecked, Incomplete };
    static Converted checkConverted(const TrashOffer::Original &original);
    static TrashOffer::Moves moveChecked(const QList<TrashOffer::Original> &originals);
    static TrashOffer::Returns moveBack(const QList<TrashOffer::Trashed> &trashed);
};
