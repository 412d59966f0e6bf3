// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BatchReport.h"

#include <algorithm>

namespace {

QString displayName(const QUrl &input)
{
    const QString name = input.fileName();
    return name.isEmpty() ? input.toDisplayString(QUrl::PreferLocalFile) : name;
}

} // namespace

BatchReport::BatchReport(const BatchOutcomes &outcomes, const SizeSummary &sizes)
    : m_fileCount(outcomes.size())
    , m_convertedCount(outcomes.size() - failedCount(outcomes))
    , m_sizeLine(sizes.text())
    , m_grownNames(sizes.grownNames)
{
    const bool stopped = std::any_of(outcomes.cbegin(), outcomes.cend(), [](const auto &outcome) {
        return outcome.failure == FileOutcome::Failure::Cancelled;
    });
    if (stopped)
        m_verdict = Verdict::Stopped;
    else if (m_convertedCount == m_fileCount)
        m_verdict = Verdict::AllConverted;
    else
        m_verdict = m_convertedCount == 0 ? Verdict::NoneConverted : Verdict::SomeFailed;

    for (const FileOutcome &outcome : outcomes) {
        if (outcome.converted() && outcome.inputStreamsKept)
            ++m_keptCount;
        if (outcome.pictureSubtitlesLeftOut)
            m_pictureSubtitleNames.append(displayName(outcome.input));
        if (!outcome.converted() && outcome.failure != FileOutcome::Failure::Cancelled)
            m_failedFiles.append({displayName(outcome.input), outcome.reason()});
    }
}

QString BatchReport::title() const
{
    switch (m_verdict) {
    case Verdict::NoneConverted:
        return tr("Conversion failed");
    case Verdict::Stopped:
        return tr("Stopped");
    case Verdict::AllConverted:
    case Verdict::SomeFailed:
        break;
    }
    return tr("Complete");
}

QString BatchReport::countLine() const
{
    switch (m_verdict) {
    case Verdict::AllConverted:
        return {};
    case Verdict::Stopped:
        return convertedCountLine(m_convertedCount, m_fileCount);
    case Verdict::SomeFailed:
    case Verdict::NoneConverted:
        break;
    }
    return failedCountLine(m_fileCount - m_convertedCount, m_fileCount);
}

QString BatchReport::keptLine() const
{
    if (m_keptCount == 0)
        return {};
    return tr("%n file(s) were already small: kept as they were", "streams kept, not encoded",
              int(m_keptCount));
}

QString BatchReport::grewLine() const
{
    if (m_grownNames.isEmpty())
        return {};
    return tr("%n file(s) grew to play everywhere: %1", "files encoded bigger than they were",
              int(m_grownNames.size()))
        .arg(namesLine(m_grownNames));
}

QString BatchReport::subtitlesLine() const
{
    if (m_pictureSubtitleNames.isEmpty())
        return {};
    return tr("Picture subtitles not kept: %1", "files whose DVD or Blu-ray subtitles are gone")
        .arg(namesLine(m_pictureSubtitleNames));
}

QString BatchReport::namesLine(const QStringList &names)
{
    QStringList shown = names.first(std::min<qsizetype>(names.size(), namedFailures));
    if (names.size() > shown.size())
        shown.append(furtherNamesLine(names.size() - shown.size()));
    return shown.join(QStringLiteral(", "));
}

QString BatchReport::notificationSummary() const
{
    switch (m_verdict) {
    case Verdict::NoneConverted:
        return tr("Conversion failed");
    case Verdict::Stopped:
        return tr("Conversion stopped");
    case Verdict::SomeFailed:
        return tr("Conversion finished with failures");
    case Verdict::AllConverted:
        break;
    }
    return tr("Conversion complete");
}

QString BatchReport::notificationBody() const
{
    QStringList lines = {m_verdict == Verdict::Stopped ? countLine()
                                                       : tr("Converted: %1. Failed: %2.")
                                                             .arg(m_convertedCount)
                                                             .arg(m_fileCount - m_convertedCount)};
    if (!m_sizeLine.isEmpty())
        lines.append(m_sizeLine);
    if (m_keptCount > 0)
        lines.append(keptLine());
    for (const QString &line : {grewLine(), subtitlesLine()}) {
        if (!line.isEmpty())
            lines.append(line);
    }
    const qsizetype named = std::min<qsizetype>(m_failedFiles.size(), namedFailures);
    for (const FailedFile &file : m_failedFiles.first(named))
        lines.append(notedNameLine(file.name, file.reason));
    if (m_failedFiles.size() > named)
        lines.append(furtherNamesLine(m_failedFiles.size() - named));
    return lines.join(u'\n');
}

QString BatchReport::failedCountLine(qsizetype failedCount, qsizetype totalCount)
{
    // The noun agrees with the total ("1 of 1 file", "1 of 3 files").
    return tr("%1 of %n file(s) could not be converted", "failed of all files", int(totalCount))
        .arg(failedCount);
}

QString BatchReport::convertedCountLine(qsizetype convertedCount, qsizetype totalCount)
{
    return tr("%1 of %n file(s) converted", "converted of all files", int(totalCount))
        .arg(convertedCount);
}

QString BatchReport::notedNameLine(const QString &name, const QString &note)
{
    return tr("%1: %2", "a file name, then what became of the file").arg(name, note);
}

QString BatchReport::furtherNamesLine(qsizetype furtherCount)
{
    return tr("... and %n more", "files listed beyond the names shown", int(furtherCount));
}
