// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EncoderArguments.h"

namespace EncoderArguments {

QStringList forFile(const QString &inputPath, const QString &outputPath, const MediaInfo &media)
{
    QStringList arguments = {QStringLiteral("-i"), inputPath, QStringLiteral("-o"), outputPath,
                             QStringLiteral("--preset=Very Fast 1080p30")};
    // The preset keeps the first audio track only; a second language or a commentary would be
    // dropped without a word. Each further track is encoded as the preset encodes the first.
    if (media.audioTracks > 1)
        arguments << QStringLiteral("--all-audio");
    // The preset keeps no subtitle and burns none in. Text tracks go into MP4 as text, with their
    // languages. A picture track can only be burned in whole: the one the file marks forced,
    // meant to be shown whatever the viewer chose (signs, a scene in another language), is.
    const qsizetype textTracks = media.subtitleIsText.count(true);
    if (textTracks > 0 && textTracks == media.subtitleIsText.size()) {
        arguments << QStringLiteral("--all-subtitles");
    } else {
        QStringList numbers;
        qsizetype burned = 0;
        qsizetype shownByDefault = 0; // both counted among the tracks listed
        for (qsizetype i = 0; i < media.subtitleIsText.size(); ++i) {
            const bool text = media.subtitleIsText.at(i);
            if (!text && i != media.forcedPictureSubtitle)
                continue;
            numbers << QString::number(i + 1);
            if (!text)
                burned = numbers.size();
            else if (i == media.defaultSubtitle)
                shownByDefault = numbers.size();
        }
        if (!numbers.isEmpty())
            arguments << QStringLiteral("--subtitle=") + numbers.join(u',');
        if (burned > 0)
            arguments << QStringLiteral("--subtitle-burned=%1").arg(burned);
        if (shownByDefault > 0)
            arguments << QStringLiteral("--subtitle-default=%1").arg(shownByDefault);
    }
    // The preset's box is landscape: a portrait picture would be fitted into it lying down,
    // shrunk, and stored at a pixel aspect that many phones and messengers ignore.
    if (media.isPortrait())
        arguments << QStringLiteral("--maxWidth") << QStringLiteral("1080")
                  << QStringLiteral("--maxHeight") << QStringLiteral("1920")
                  << QStringLiteral("--non-anamorphic");
    // A wide picture (21:9, a panorama) is shrunk to the box's width only, and a clip stored at
    // a pixel aspect keeps it: both would be shown squashed where players ignore the aspect.
    else if (media.wouldBeStoredAnamorphic())
        arguments << QStringLiteral("--non-anamorphic");
    // 8-bit H.264 still tagged as PQ or HLG looks washed out on most screens.
    if (media.highDynamicRange)
        arguments << QStringLiteral("--colorspace") << QStringLiteral("bt709");
    return arguments;
}

} // namespace EncoderArguments
