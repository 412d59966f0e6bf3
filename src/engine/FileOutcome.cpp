#include "FileOutcome.h"

#include <QCoreApplication>

#include <algorithm>

QString FileOutcome::description() const
{
    switch (failure) {
    case Failure::None:
        return QCoreApplication::translate("FileOutcome", "Converted");
    case Failure::EncoderMissing:
        return QCoreApplication::translate("FileOutcome", "The encoder HandBrakeCLI is missing");
    case Failure::LaunchFailed:
        return QCoreApplication::translate("FileOutcome", "The encoder could not be started");
    case Failure::ExitStatus:
        return QCoreApplication::translate("FileOutcome", "The encoder failed with exit status %1")
            .arg(detail);
    case Failure::Signal:
        return QCoreApplication::translate("FileOutcome", "The encoder was killed by signal %1")
            .arg(detail);
    case Failure::NoOutput:
        return QCoreApplication::translate("FileOutcome", "The encoder wrote no output");
    case Failure::Cancelled:
        return QCoreApplication::translate("FileOutcome", "Cancelled");
    case Failure::OutputUnwritable:
        return QCoreApplication::translate("FileOutcome", "The output file could not be created");
    case Failure::DiskFull:
        return QCoreApplication::translate("FileOutcome", "The disk is full");
    case Failure::InputUnreadable:
        return QCoreApplication::translate("FileOutcome", "The file could not be read");
    }
    return {};
}

qsizetype failedCount(const BatchOutcomes &outcomes)
{
    return std::count_if(outcomes.cbegin(), outcomes.cend(),
                         [](const FileOutcome &outcome) { return !outcome.converted(); });
}
