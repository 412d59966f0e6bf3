// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FileOutcome.h"
#include "media/MediaInfo.h"

#include <QByteArray>
#include <QDateTime>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>

class MediaHelperPool;

// One converted file on its way into the output folder. The encoder writes it under a hidden
// temporary name; only once it is complete on disk does it take its final name, so the folder
// never shows an unfinished file under a finished-looking name.
class ConvertedFile
{
public:
    // Below this much free space a failed encode is put down to a full disk.
    static constexpr qint64 FullDiskMargin = 1024 * 1024;

    // Encoding a file that plays everywhere as it is costs some of its quality; it pays only
    // where the file becomes clearly smaller.
    static bool savesATenth(double encodedBytes, double inputBytes)
    {
        return encodedBytes * 10 <= inputBytes * 9;
    }

    // Makes the folder again if it is gone, then creates the temporary file exclusively.
    // Returns nullptr and sets `failure` when that is impossible.
    static std::unique_ptr<ConvertedFile>
    create(const QString &folder, const QString &inputFileName, FileOutcome::Failure *failure);
    // Removes the temporary file unless it was published.
    ~ConvertedFile();
    ConvertedFile(const ConvertedFile &) = delete;
    ConvertedFile &operator=(const ConvertedFile &) = delete;

    QString temporaryPath() const;

    // Writes the file anew under a second temporary name: `write` reads the file at the path
    // given and writes the new content to the descriptor given, an empty file of its own. The
    // new content takes the file's place only once `write` has succeeded; else the file stays
    // as it was. Blocks on the disk.
    bool rewrite(const std::function<bool(const QString &path, int fd)> &write);
    bool setModificationTime(const QDateTime &time);

    // Flushes the file to disk and gives it the first free final name that is not in `taken`,
    // never replacing a file that has that name, then flushes the folder. Returns the final
    // path, or an empty one with `failure` set. Blocks on the disk: run it off the GUI thread.
    QString publish(const QSet<QString> &taken, FileOutcome::Failure *failure);

    // Everything between the encoder's end and the file's name: checks that it is still the
    // whole clip of the input as `input` described it before the encode, gives it the input's
    // recording date, place and modification time, then publishes it. Where the input plays
    // nearly everywhere as it is and the encode does not save a tenth of its size, the file
    // becomes the input's own streams instead. Blocks on the disk.
    QString finish(const QString &inputPath, const MediaInfo &input, const QSet<QString> &taken,
                   MediaHelperPool &helpers, FileOutcome::Failure *failure);
    // Where an encode was found not to pay before it ran: the input's own streams are written
    // into the file, which is then published as finish() does. Returns an empty path without a
    // failure where the input cannot be rewritten, so that it can be encoded after all.
    QString finishWithInputStreams(const QString &inputPath, const MediaInfo &input,
                                   const QSet<QString> &taken, MediaHelperPool &helpers,
                                   FileOutcome::Failure *failure);
    // The file holds the input's own streams, not the encoder's.
    bool holdsInputStreams() const { return m_holdsInputStreams; }

    // What is likely behind a failed encode, if it lies with the output folder.
    bool isOnFullDisk() const;
    bool temporaryFileIsGone() const;

private:
    bool holdInputStreams(const QString &inputPath, const MediaInfo &input,
                          const QDateTime &recorded, MediaHelperPool &helpers);
    // With the input's modification time, as file managers sort by it.
    QString publishAsInput(const QString &inputPath, const QSet<QString> &taken,
                           FileOutcome::Failure *failure);
    // Creates a new, empty temporary file in the folder; -1 with errno set where it cannot.
    static int createTemporary(int folderFd, const QString &inputFileName, QByteArray *name);

    ConvertedFile(int folderFd, const QString &folder, const QString &inputFileName,
                  const QByteArray &temporaryName);

    int m_folderFd;
    QString m_folder;
    QString m_inputFileName;
    QByteArray m_temporaryName;
    bool m_published = false;
    bool m_holdsInputStreams = false;
};
