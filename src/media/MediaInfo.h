// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSize>
#include <QString>

#include <optional>
#include <utility>

class QDataStream;

// What a file's own headers say of it, read before it is encoded. A file they say nothing of
// is still handed to the encoder, which decides.
struct MediaInfo
{
    using Tag = std::pair<QByteArray, QString>;

    bool isPortrait() const { return picture.height() > picture.width(); }
    // The encoder fits a picture into its 1920x1080 box one side at a time, and keeps a stored
    // pixel aspect: either way the picture would be stored at a pixel aspect that is not square.
    bool wouldBeStoredAnamorphic() const
    {
        const bool outsideBox = picture.width() > 1920 || picture.height() > 1080;
        return !squarePixels ||
               (outsideBox && qint64(picture.width()) * 1080 != qint64(picture.height()) * 1920);
    }

    bool readable = false;
    // Reading its headers crashed or hung the reader. The encoder's parsers are FFmpeg's too,
    // so such a file is not handed to it.
    bool breaksReader = false;
    std::optional<qint64> durationMs;
    // The first video stream as shown: rotated, at its pixel aspect; empty without video.
    QSize picture;
    bool squarePixels = true;
    // Colours that 8-bit H.264 cannot carry as they are (PQ or HLG transfer).
    bool highDynamicRange = false;
    int audioTracks = 0;
    // The subtitle tracks the encoder reads (not WebVTT), in its order: whether each is text,
    // which MP4 keeps as text, or pictures, which it can only burn in. Which of them the file
    // shows by default, and the first picture track it marks forced, to be shown with every
    // scene; -1 for none.
    QList<bool> subtitleIsText;
    int defaultSubtitle = -1;
    int forcedPictureSubtitle = -1;
    // Has picture tracks that are lost: every one but the forced one, which is burned in.
    bool leavesOutPictureSubtitles() const
    {
        return subtitleIsText.count(false) > (forcedPictureSubtitle >= 0 ? 1 : 0);
    }
    int chapters = 0;
    bool hasCover = false;
    // Plays as it is on nearly every device, and MP4 can take every one of its tracks as they are:
    // 8-bit 4:2:0 H.264 of at most 1920x1080 either way round, AAC or no sound, MP4-style
    // subtitles, in MP4, QuickTime or Matroska. Encoding such a file may save nothing.
    bool widelyPlayable = false;
    // When the clip was recorded, where the file says; invalid where it does not.
    QDateTime recorded;
    // Where and with what the clip was recorded, under the file's own keys.
    QList<Tag> recordingTags;
};

// How the media helper hands what it read to the app.
QDataStream &operator<<(QDataStream &stream, const MediaInfo &media);
QDataStream &operator>>(QDataStream &stream, MediaInfo &media);
