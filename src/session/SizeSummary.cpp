// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SizeSummary.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

#include <cmath>

SizeSummary SizeSummary::measure(const BatchOutcomes &outcomes)
{
    SizeSummary summary;
    for (const FileOutcome &outcome : outcomes) {
        if (!outcome.converted())
            continue;
        const QFileInfo input(outcome.input.toLocalFile());
        const QFileInfo output(outcome.outputPath);
        // A file moved away or deleted since would make the sum a guess.
        if (!input.isFile() || !output.isFile())
            continue;
        summary.inputBytes += input.size();
        summary.outputBytes += output.size();
        if (!outcome.inputStreamsKept && input.size() > 0 &&
            output.size() > input.size() + input.size() / 100)
            summary.grownNames.append(input.fileName());
        ++summary.fileCount;
    }
    return summary;
}

QString SizeSummary::text() const
{
    if (fileCount == 0)
        return {};
    const auto size = &SizeSummary::formatSize;
    const QString sizes =
        QCoreApplication::translate("SizeSummary", "%1 → %2", "input size → output size")
            .arg(size(inputBytes), size(outputBytes));
    if (inputBytes <= 0)
        return sizes;
    const qint64 percent = std::llround(100.0 * double(outputBytes - inputBytes) / inputBytes);
    if (percent < 0)
        return QCoreApplication::translate("SizeSummary", "%1, %2% smaller")
            .arg(sizes)
            .arg(-percent);
    if (percent > 0)
        return QCoreApplication::translate("SizeSummary", "%1, %2% larger").arg(sizes).arg(percent);
    return QCoreApplication::translate("SizeSummary", "%1, about the same size").arg(sizes);
}

QString SizeSummary::formatSize(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}
