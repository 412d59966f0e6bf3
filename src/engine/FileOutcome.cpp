// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileOutcome.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

#include <algorithm>

namespace {

bool encoderSaid(const QStringList &lines, QLatin1StringView message)
{
    return std::any_of(lines.cbegin(), lines.cend(), [message](const QString &line) {
        return line.contains(message, Qt::CaseInsensitive);
    });
}

} // namespace

QString FileOutcome::reason() const
{
    switch (failure) {
    case Failure::None:
        return {};
    case Failure::Cancelled:
        return QCoreApplication::translate("FileOutcome", "stopped",
                                           "why a file was not converted");
    case Failure::EncoderMissing:
        return QCoreApplication::translate("FileOutcome",
                                           "the encoder is not installed (handbrake-cli)",
                                           "why a file was not converted");
    case Failure::LaunchFailed:
        return QCoreApplication::translate("FileOutcome", "the encoder could not be started",
                                           "why a file was not converted");
    default:
        break;
    }
    if (failure == Failure::InputUnreadable)
        return QCoreApplication::translate("FileOutcome", "the file could not be read",
                                           "why a file was not converted");
    if (failure == Failure::InputDamaged)
        return QCoreApplication::translate("FileOutcome", "the file appears to be damaged",
                                           "why a file was not converted");
    if (failure == Failure::InputChanged)
        return QCoreApplication::translate("FileOutcome",
                                           "the file changed while it was being converted",
                                           "why a file was not converted");
    // HandBrakeCLI's own words, as its last lines carry them.
    if (failure == Failure::DiskFull || encoderSaid(encoderLines, "No space left on device"_L1))
        return QCoreApplication::translate("FileOutcome", "the disk is full",
                                           "why a file was not converted");
    if (failure == Failure::OutputUnwritable ||
        encoderSaid(encoderLines, "Could not write to indicated output file"_L1) ||
        encoderSaid(encoderLines, "Read-only file system"_L1))
        return QCoreApplication::translate("FileOutcome", "the output folder cannot be written",
                                           "why a file was not converted");
    if (encoderSaid(encoderLines, "No title found"_L1))
        return QCoreApplication::translate("FileOutcome", "not a video the encoder can read",
                                           "why a file was not converted");
    return QCoreApplication::translate("FileOutcome", "the encoder stopped unexpectedly",
                                       "why a file was not converted");
}

qsizetype failedCount(const BatchOutcomes &outcomes)
{
    return std::count_if(outcomes.cbegin(), outcomes.cend(),
                         [](const FileOutcome &outcome) { return !outcome.converted(); });
}
