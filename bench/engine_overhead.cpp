// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Converts the same clips through BatchConverter, scheduled as the app would on this
// machine, and through the same HandBrakeCLI commands run directly one after another,
// alternating. Prints the wall-time and encoder CPU ratios, the engine's own CPU time as a share of
// the encoders', the peak memory of the engine and its encoders together, and what reading each
// input's headers and rewriting each output with the input's recording date cost of the engine's
// time. The media helpers that do that reading and rewriting count as the engine's own CPU.
#include "EngineBatch.h"
#include "engine/ConvertedFileNaming.h"
#include "engine/EncoderArguments.h"
#include "media/MediaProbe.h"
#include "media/MetadataRemux.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

struct Usage
{
    double wallSeconds = 0;
    double selfCpuSeconds = 0;
    double childCpuSeconds = 0;
    double helperCpuSeconds = 0;
};

double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The CPU time of the media helpers running now, which the engine keeps between files: children
// of whichever of this process's threads started them, named after the helper.
double helperCpuSeconds()
{
    double seconds = 0;
    const QStringList tasks = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs);
    for (const QString &task : tasks) {
        QFile children(QStringLiteral("/proc/self/task/%1/children").arg(task));
        if (!children.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &pid : children.readAll().simplified().split(' ')) {
            QFile comm(QStringLiteral("/proc/%1/comm").arg(QString::fromLatin1(pid)));
            QFile stat(QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(pid)));
            if (pid.isEmpty() || !comm.open(QIODevice::ReadOnly) ||
                !comm.readAll().startsWith("clipforger-medi") || !stat.open(QIODevice::ReadOnly))
                continue;
            // utime and stime, the 12th and 13th fields after the name
            const QByteArrayList fields = stat.readAll().split(')').last().simplified().split(' ');
            seconds += double(fields.value(11).toLongLong() + fields.value(12).toLongLong()) /
                       double(sysconf(_SC_CLK_TCK));
        }
    }
    return seconds;
}

template <typename Work> Usage measure(Work work)
{
    const double self = cpuSeconds(RUSAGE_SELF);
    const double children = cpuSeconds(RUSAGE_CHILDREN);
    QElapsedTimer timer;
    timer.start();
    work();
    return {double(timer.nsecsElapsed()) / 1e9, cpuSeconds(RUSAGE_SELF) - self,
            cpuSeconds(RUSAGE_CHILDREN) - children};
}

bool runDirectly(const QString &encoder, const QString &input, const QString &output)
{
    QList<QByteArray> arguments = {QFile::encodeName(encoder)};
    for (const QString &argument : EncoderArguments::forFile(input, output))
        arguments.append(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return error == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

qint64 residentBytes(const QString &statm)
{
    QFile file(statm);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

// The resident memory of this process and its children, and how many children there are. The
// encoders are forked from the main thread, whose children the kernel lists.
std::pair<qint64, int> familyMemory()
{
    qint64 bytes = residentBytes(QStringLiteral("/proc/self/statm"));
    QFile children(QStringLiteral("/proc/self/task/%1/children").arg(getpid()));
    if (!children.open(QIODevice::ReadOnly))
        return {bytes, 0};
    const QList<QByteArray> pids = children.readAll().simplified().split(' ');
    int count = 0;
    for (const QByteArray &pid : pids) {
        if (pid.isEmpty())
            continue;
        bytes += residentBytes(QStringLiteral("/proc/%1/statm").arg(QString::fromLatin1(pid)));
        ++count;
    }
    return {bytes, count};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 7) {
        std::fprintf(stderr, "usage: %s ENCODER WORKDIR ROUNDS TIME_RATIO CPU_RATIO CLIP...\n",
                     argv[0]);
        return 2;
    }
    const QString encoder = args.at(1);
    const QDir work(args.at(2));
    const int rounds = args.at(3).toInt();
    const double target = args.at(4).toDouble();
    // "-": the CPU ratio is shown, without a target.
    bool cpuTargetSet = false;
    const double cpuTarget = args.at(5).toDouble(&cpuTargetSet);
    const QStringList clips = args.mid(6);
    // BENCH_ENCODES tries another number of encodes at once than the app's rule gives.
    const int encodes = qEnvironmentVariableIntValue("BENCH_ENCODES");
    const EncodeCapacity capacity =
        encodes > 0 ? EncodeCapacity(encodes) : EncodeCapacity::ofThisMachine();
    QList<QUrl> urls;
    for (const QString &clip : clips)
        urls.append(QUrl::fromLocalFile(clip));

    Usage engine;
    Usage direct;
    bool ok = true;
    qint64 peakBytes = 0;
    int kept = 0;       // files whose own streams were kept, over every round
    double biggest = 0; // the largest output against its input
    int mostEncodesAtOnce = 0;
    QTimer memorySampler;
    QObject::connect(&memorySampler, &QTimer::timeout, [&] {
        const auto [bytes, encoders] = familyMemory();
        peakBytes = std::max(peakBytes, bytes);
        mostEncodesAtOnce = std::max(mostEncodesAtOnce, encoders);
    });
    auto add = [](Usage &total, const Usage &one) {
        total.wallSeconds += one.wallSeconds;
        total.selfCpuSeconds += one.selfCpuSeconds;
        total.childCpuSeconds += one.childCpuSeconds;
        total.helperCpuSeconds += one.helperCpuSeconds;
    };
    for (int round = 0; round < rounds; ++round) {
        const QString engineFolder = work.filePath(QStringLiteral("engine-%1").arg(round));
        const QString directFolder = work.filePath(QStringLiteral("direct-%1").arg(round));
        QDir().mkpath(engineFolder);
        QDir().mkpath(directFolder);
        auto throughEngine = [&] {
            const double helpersBefore = helperCpuSeconds();
            double helpersAfter = 0;
            Usage usage = measure([&] {
                EngineBatch batch(encoder, engineFolder);
                batch.converter.setCapacity(capacity);
                QEventLoop loop;
                QObject::connect(&batch.converter, &BatchConverter::finished, &loop, [&] {
                    for (const FileOutcome &outcome : batch.outcomes()) {
                        ok = ok && outcome.converted();
                        kept += outcome.inputStreamsKept ? 1 : 0;
                        const qint64 output = QFileInfo(outcome.outputPath).size();
                        biggest = std::max(
                            biggest,
                            double(output) / double(QFileInfo(outcome.input.toLocalFile()).size()));
                    }
                    loop.quit();
                });
                batch.start(urls);
                memorySampler.start(100);
                loop.exec();
                memorySampler.stop();
                helpersAfter = helperCpuSeconds();
            });
            usage.helperCpuSeconds = helpersAfter - helpersBefore;
            add(engine, usage);
        };
        auto directly = [&] {
            add(direct, measure([&] {
                    for (const QString &clip : clips) {
                        const QString name =
                            ConvertedFileNaming::convertedFileName(QFileInfo(clip).fileName());
                        ok = runDirectly(encoder, clip, QDir(directFolder).filePath(name)) && ok;
                    }
                }));
        };
        // Alternate which goes first so that drift in machine load falls on both alike.
        if (round % 2 == 0) {
            throughEngine();
            directly();
        } else {
            directly();
            throughEngine();
        }
    }
    if (!ok) {
        std::fprintf(stderr, "some conversions failed\n");
        return 1;
    }

    // The engine runs both steps for every file; timed here on their own, one round's worth.
    QElapsedTimer storyTimer;
    storyTimer.start();
    for (const QString &clip : clips) {
        const MediaInfo media = MediaProbe::probe(clip);
        const QString output =
            QDir(work.filePath(QStringLiteral("engine-0")))
                .filePath(ConvertedFileNaming::convertedFileName(QFileInfo(clip).fileName()));
        QFile scratch(work.filePath(QStringLiteral("remuxed.mp4")));
        ok = scratch.open(QIODevice::ReadWrite | QIODevice::Truncate) &&
             MetadataRemux::remux(output, scratch.handle(), media.recorded, media.recordingTags) &&
             ok;
    }
    const double storySeconds = double(storyTimer.nsecsElapsed()) / 1e9;
    if (!ok) {
        std::fprintf(stderr, "a header could not be read or an output not rewritten\n");
        return 1;
    }

    const double ratio = engine.wallSeconds / direct.wallSeconds;
    std::printf("%d rounds of %lld clips; the engine ran up to %d at once (%d encoders seen)\n",
                rounds, qlonglong(clips.size()), capacity.maxEncodes(), mostEncodesAtOnce);
    std::printf("wall time: engine %.2f s, direct one at a time %.2f s, ratio engine/direct %.4f "
                "(target <= %.2f): %s\n",
                engine.wallSeconds, direct.wallSeconds, ratio, target,
                ratio <= target ? "PASS" : "FAIL");
    const double cpuRatio = engine.childCpuSeconds / direct.childCpuSeconds;
    std::printf("encoder CPU: through the engine %.2f s, directly %.2f s, ratio %.4f",
                engine.childCpuSeconds, direct.childCpuSeconds, cpuRatio);
    if (cpuTargetSet)
        std::printf(" (target <= %.2f): %s", cpuTarget, cpuRatio <= cpuTarget ? "PASS" : "FAIL");
    std::printf("\n");
    const double engineCpu = engine.selfCpuSeconds + engine.helperCpuSeconds;
    std::printf("files that kept their own streams: %d of %lld a round; the largest output %.4f "
                "of its input's size\n",
                kept / rounds, qlonglong(clips.size()), biggest);
    std::printf("engine's own CPU, reading headers and rewriting outputs included, %.3f s (%.3f s "
                "of it in the media helpers) vs encoder CPU %.2f s: %.3f%% (target < 2%%)\n",
                engineCpu, engine.helperCpuSeconds, engine.childCpuSeconds,
                100.0 * engineCpu / engine.childCpuSeconds);
    const double storyShare = 100.0 * storySeconds / (engine.wallSeconds / rounds);
    std::printf("reading headers and noting recording dates: %.3f s of %.2f s a round: %.2f%% "
                "(target <= 2%%)\n",
                storySeconds, engine.wallSeconds / rounds, storyShare);
    std::printf("peak memory of the engine and its encoders together: %.0f MiB\n",
                double(peakBytes) / (1024 * 1024));
    return 0;
}
