#include "OutputNaming.h"

#include <QDir>
#include <QFile>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int MaxCandidates = 10000;
const QString Suffix = QStringLiteral("_converted");
const QString Extension = QStringLiteral(".mp4");
const QString Ellipsis = QStringLiteral("…");

QString baseName(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? fileName.left(dot) : fileName;
}

qsizetype utf8Size(QStringView text)
{
    return text.toUtf8().size();
}

// Whole grapheme clusters only, so neither a UTF-8 sequence nor a surrogate pair, nor a letter
// and its accent, is ever split.
QString fitted(const QString &base, qsizetype maxBytes)
{
    if (utf8Size(base) <= maxBytes)
        return base;
    const qsizetype room = maxBytes - utf8Size(Ellipsis);
    if (room < 0)
        return {};
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, base);
    qsizetype cut = 0;
    qsizetype bytes = 0;
    for (qsizetype next = graphemes.toNextBoundary(); next > 0; next = graphemes.toNextBoundary()) {
        bytes += utf8Size(QStringView(base).sliced(cut, next - cut));
        if (bytes > room)
            break;
        cut = next;
    }
    return base.left(cut) + Ellipsis;
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

QString OutputNaming::convertedFileName(const QString &inputFileName, int n, int nameMax)
{
    const QString number = n > 1 ? QStringLiteral(" (%1)").arg(n) : QString();
    const qsizetype numberRoom = std::max<qsizetype>(utf8Size(u" (99)"), utf8Size(number));
    const QString base =
        fitted(baseName(inputFileName), nameMax - utf8Size(Suffix + Extension) - numberRoom);
    return base + Suffix + number + Extension;
}

QString OutputNaming::reserve(const QString &folder, const QString &inputFileName,
                              const QSet<QString> &taken)
{
    const long max = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    const int nameMax = max > 0 && max <= 4096 ? int(max) : DefaultNameMax;
    for (int n = 1; n <= MaxCandidates; ++n) {
        const QString path = QDir(folder).filePath(convertedFileName(inputFileName, n, nameMax));
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
