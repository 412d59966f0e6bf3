#include "EncoderLocation.h"

#include <QCoreApplication>
#include <QDir>

QString bundledEncoderPath()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" CLIPFORGER_ENCODER_DIR_FROM_BIN "/HandBrakeCLI"));
}
