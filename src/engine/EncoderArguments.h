// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/MediaInfo.h"

#include <QStringList>

// The encoder's command line for one file: the preset, and only where the preset alone would
// lose part of the file or show it wrongly, what mends that.
namespace EncoderArguments {

QStringList forFile(const QString &inputPath, const QString &outputPath,
                    const MediaInfo &media = {});

} // namespace EncoderArguments
