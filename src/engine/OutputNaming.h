#pragma once

#include <QSet>
#include <QString>

// Names converted files so that nothing is ever overwritten, within the output folder's limit on
// the length of a name.
class OutputNaming
{
public:
    static constexpr int DefaultNameMax = 255;

    // n = 1: "holiday.trip.mkv" -> "holiday.trip_converted.mp4"; a leading dot is not an
    // extension. n > 1: "holiday.trip_converted (n).mp4". A base name too long for nameMax bytes
    // is cut at a character boundary and ends in "…", leaving room for a " (n)" of up to two
    // digits, so that all the candidates of one input look alike.
    static QString convertedFileName(const QString &inputFileName, int n = 1,
                                     int nameMax = DefaultNameMax);

    // "<base>_converted.mp4", "<base>_converted (2).mp4", ...: the first name in `folder` that
    // is not in `taken` and can be created exclusively. Returns the created (empty) file's path,
    // or an empty string when none could be created.
    static QString reserve(const QString &folder, const QString &inputFileName,
                           const QSet<QString> &taken);
};
