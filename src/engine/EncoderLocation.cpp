// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EncoderLocation.h"

#include <QCoreApplication>
#include <QDir>

QString bundledEncoderPath()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" CLIPFORGER_ENCODER_DIR_FROM_BIN "/HandBrakeCLI"));
}
