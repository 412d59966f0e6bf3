#pragma once

#include <QSet>
#include <QString>

// Names converted files so that nothing is ever overwritten.
class OutputNaming
{
public:
    // "holiday.trip.mkv" -> "holiday.trip_converted.mp4"; a leading dot is not an extension.
    static QString convertedFileName(const QString &inputFileName);

    // "<base>_converted.mp4", "<base>_converted (2).mp4", ...: the first name in `folder` that
    // is not in `taken` and can be created exclusively. Returns the created (empty) file's path,
    // or an empty string when none could be created.
    static QString reserve(const QString &folder, const QString &inputFileName,
                           const QSet<QString> &taken);
};
