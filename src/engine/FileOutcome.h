// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
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
        Cancelled,        // the batch was stopped, or the app quit, before this file ended
        OutputUnwritable, // no output file could be created in the output folder
        DiskFull,         // the output folder's disk ran out of space; later files are not tried
        InputUnreadable,  // the input was gone or could not be read
        InputChanged,     // the output came out shorter than the input was when it was read
        InputDamaged,     // reading the input's headers crashed or hung the media helper
    };

    QUrl input;
    QString outputPath; // the converted file; empty when there is none
    Failure failure = Failure::None;
    int detail = 0;
    // The encoder's last few lines on its error channel, where it says what went wrong. The
    // initialiser keeps outcomes braced up to `detail` free of warnings.
    QStringList encoderLines = {};
    // The converted file holds the input's own streams, rewritten into MP4: it played nearly
    // everywhere already, and encoding it saved too little.
    bool inputStreamsKept = false;
    // The input had picture subtitles, which MP4 cannot hold as the input held them, besides the
    // one it marks forced, which is burned in.
    bool pictureSubtitlesLeftOut = false;

    bool converted() const { return failure == Failure::None; }
    // Why the file was not converted, in a few plain words for the user ("the disk is full"),
    // from the kind of failure and what the encoder said; empty for a converted file.
    QString reason() const;
};

using BatchOutcomes = QList<FileOutcome>;

// How many files of a batch were not converted.
qsizetype failedCount(const BatchOutcomes &outcomes);
