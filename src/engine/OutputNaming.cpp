#include "OutputNaming.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int MaxCandidates = 10000;
const QString Suffix = QStringLiteral("_converted");
const QString Extension = QStringLiteral(".mp4");

QString baseName(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? fileName.left(dot) : fileName;
}

enum class Created { Yes, Exists, Failed };

// O_EXCL, so a file that appeared since the name was chosen is never truncated.
Created createExclusively(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0) {
        ::close(fd);
        return Created::Yes;
    }
    return errno == EEXIST ? Created::Exists : Created::Failed;
}

} // namespace

QString OutputNaming::convertedFileName(const QString &inputFileName)
{
    return baseName(inputFileName) + Suffix + Extension;
}

QString OutputNaming::reserve(const QString &folder, const QString &inputFileName,
                              const QSet<QString> &taken)
{
    const QString stem = QDir(folder).filePath(baseName(inputFileName) + Suffix);
    for (int n = 1; n <= MaxCandidates; ++n) {
        const QString path =
            n == 1 ? stem + Extension : stem + QStringLiteral(" (%1)").arg(n) + Extension;
        if (taken.contains(path))
            continue;
        switch (createExclusively(path)) {
        case Created::Yes:
            return path;
        case Created::Exists:
            continue;
        case Created::Failed:
            return {};
        }
    }
    return {};
}
