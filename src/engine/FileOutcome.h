#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// What became of one file of a batch. A batch records one outcome per input, in batch order,
// so that the completion screen can tell the truth about failures.
struct FileOutcome
{
    enum class Failure {
        None,             // converted: the output file exists and is not empty
        EncoderMissing,   // no encoder in the application's resource folder
        LaunchFailed,     // the encoder is there but could not be started
        ExitStatus,       // the encoder exited with a non-zero status (detail)
        Signal,           // the encoder was killed by a signal (detail)
        NoOutput,         // the encoder exited 0 without a usable output file
        Cancelled,        // the app quit while this file was being encoded, or before it began
        OutputUnwritable, // no output file could be created in the output folder
        DiskFull,         // the output folder's disk ran out of space; later files are not tried
        InputUnreadable,  // the input was gone or could not be read
    };

    QUrl input;
    QString outputPath; // the converted file; empty when there is none
    Failure failure = Failure::None;
    int detail = 0;

    bool converted() const { return failure == Failure::None; }
    // A short, translatable sentence for the completion screen.
    QString description() const;
};

using BatchOutcomes = QList<FileOutcome>;

// How many files of a batch were not converted.
qsizetype failedCount(const BatchOutcomes &outcomes);
