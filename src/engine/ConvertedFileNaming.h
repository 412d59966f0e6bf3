// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>

// Names converted files and the hidden temporary files they are written into, within the
// output folder's limit on the length of a name.
class ConvertedFileNaming
{
public:
    static constexpr int DefaultNameMax = 255;

    // n = 1: "holiday.trip.mkv" -> "holiday.trip_converted.mp4"; a leading dot is not an
    // extension. n > 1: "holiday.trip_converted (n).mp4". A base name too long for nameMax bytes
    // with this n is cut at a character boundary, no further than this name needs, and ends
    // in "…".
    static QString convertedFileName(const QString &inputFileName, int n = 1,
                                     int nameMax = DefaultNameMax);

    // ".holiday.trip_converted.mp4.clipforger-<pid>-<serial>.part": hidden, plainly unfinished,
    // and telling which process writes it.
    static QString temporaryFileName(const QString &inputFileName, qint64 pid, quint64 serial,
                                     int nameMax = DefaultNameMax);
    // The process id that a temporary file name carries, or 0 when `name` is not one.
    static qint64 temporaryFileOwner(QByteArrayView name);

    // The longest name in bytes that the folder open as `folderFd` takes.
    static int nameMax(int folderFd);
};
