// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/FileOutcome.h"

#include <QString>
#include <QStringList>

// What a batch gained: the sizes of the converted files before and after.
struct SizeSummary
{
    qint64 inputBytes = 0;
    qint64 outputBytes = 0;
    qsizetype fileCount = 0; // the converted files measured
    // The encoded files among them that came out more than 1% bigger than their inputs: inputs
    // that do not play everywhere are encoded whatever it costs.
    QStringList grownNames = {};

    // Measures the converted files whose input and output are both still there.
    static SizeSummary measure(const BatchOutcomes &outcomes);

    // "3.1 GB → 540.0 MB, 83% smaller", in the desktop's units; empty when nothing was measured.
    QString text() const;
    // "540.0 MB", in the desktop's units.
    static QString formatSize(qint64 bytes);
};
