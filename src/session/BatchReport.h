// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SizeSummary.h"
#include "engine/FileOutcome.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// How a finished batch is told, in words: its verdict, its counts, what the converted files
// gained and why each failed file failed. The completion screen and the desktop's notification
// both say it from here, so that they never disagree.
class BatchReport
{
    Q_DECLARE_TR_FUNCTIONS(BatchReport)

public:
    enum class Verdict { AllConverted, SomeFailed, NoneConverted, Stopped };

    struct FailedFile
    {
        QString name;
        QString reason;
    };

    // No batch has ended: a plain "Complete" with nothing to report.
    BatchReport() = default;
    // A batch with a file stopped before its end was stopped, whatever else became of it.
    BatchReport(const BatchOutcomes &outcomes, const SizeSummary &sizes);

    Verdict verdict() const { return m_verdict; }
    qsizetype fileCount() const { return m_fileCount; }
    qsizetype convertedCount() const { return m_convertedCount; }

    // "Complete", "Conversion failed" or "Stopped".
    QString title() const;
    // "1 of 3 files could not be converted", or of a stopped batch "2 of 4 files converted";
    // empty when every file was converted.
    QString countLine() const;
    // "3.1 GB → 540.0 MB, 83% smaller"; empty when nothing was measured.
    QString sizeLine() const { return m_sizeLine; }
    // "2 files were already small: kept as they were"; empty when every converted file was
    // encoded.
    QString keptLine() const;
    // "1 file grew to play everywhere: clip.mkv"; empty when none grew.
    QString grewLine() const;
    // "Picture subtitles not kept: film.mkv"; empty when every subtitle was kept.
    QString subtitlesLine() const;
    // The files that failed, with why; of a stopped batch only those that failed before the stop.
    const QList<FailedFile> &failedFiles() const { return m_failedFiles; }

    // The notification's summary and its body: the counts, the sizes and the first few failed
    // files with why, one a line.
    QString notificationSummary() const;
    QString notificationBody() const;

    // How many failed files are named before the rest are counted.
    static constexpr int namedFailures = 3;
    static QString failedCountLine(qsizetype failedCount, qsizetype totalCount);
    static QString convertedCountLine(qsizetype convertedCount, qsizetype totalCount);
    // "name: note", as a failed file is named.
    static QString notedNameLine(const QString &name, const QString &note);
    // "... and 2 more", for the names not shown.
    static QString furtherNamesLine(qsizetype furtherCount);
    // The first few names, then how many more.
    static QString namesLine(const QStringList &names);

private:
    Verdict m_verdict = Verdict::AllConverted;
    qsizetype m_fileCount = 0;
    qsizetype m_convertedCount = 0;
    qsizetype m_keptCount = 0;
    QString m_sizeLine;
    QStringList m_grownNames;
    QStringList m_pictureSubtitleNames;
    QList<FailedFile> m_failedFiles;
};

Q_DECLARE_METATYPE(BatchReport)
