// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window costs the machine while nothing happens and while a batch runs.
//
//   clipforger-ui-cpu idle SECONDS        every face but converting, SECONDS each: timer
//                                         wake-ups and main-thread context switches
//   clipforger-ui-cpu converting SECONDS  the converting face with its spinner and progress
//                                         arriving at the encoder's rate: CPU share of one core
//   clipforger-ui-cpu batch CLIP...       a real batch of the clips through the real encoders,
//                                         as many at once as on this machine, from the convert
//                                         button to the completion screen: the app's CPU share
//                                         of one core, beside the encoders', and the intervals
//                                         between the gear's frames

#include "TourFaces.h"
#include "app/ClipforgerApp.h"
#include "app/MainWindow.h"
#include "desktop/SessionBus.h"
#include "engine/EncoderLocation.h"
#include "screens/ContentView.h"
#include "screens/ConvertButton.h"
#include "screens/ConvertingView.h"
#include "screens/SymbolView.h"
#include "session/AppFolder.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTextStream>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>

namespace {

// HandBrakeCLI prints its progress about four times a second.
constexpr int encoderReportIntervalMs = 250;
constexpr int settleMs = 500;

// Counts the events of one type delivered anywhere in the application, except to `ignored`.
class EventCounter : public QObject
{
public:
    EventCounter(QEvent::Type type, const QObject *ignored)
        : m_type(type)
        , m_ignored(ignored)
    {
        qApp->installEventFilter(this);
    }
    ~EventCounter() override { qApp->removeEventFilter(this); }

    int count() const { return m_count; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == m_type && watched != m_ignored)
            ++m_count;
        return false;
    }

private:
    QEvent::Type m_type;
    const QObject *m_ignored;
    int m_count = 0;
};

qint64 mainThreadVoluntarySwitches()
{
    QFile status(QStringLiteral("/proc/thread-self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("voluntary_ctxt_switches:"))
            return line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
    return -1;
}

double cpuSeconds(int who = RUSAGE_SELF)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs the event loop for `ms`, woken only once at the end by `deadline`.
void runFor(QTimer &deadline, int ms)
{
    QEventLoop loop;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(ms);
    loop.exec();
}

// Counts the frames painted of one widget, and the longest gaps between them.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QObject *watched)
    {
        watched->installEventFilter(this);
        m_clock.start();
    }

    int count() const { return int(m_frameTimesMs.size()); }
    // The interval between frames that this share of all intervals stays within.
    double intervalPercentileMs(double share) const
    {
        QList<double> intervals;
        for (qsizetype i = 1; i < m_frameTimesMs.size(); ++i)
            intervals.append(m_frameTimesMs[i] - m_frameTimesMs[i - 1]);
        if (intervals.isEmpty())
            return 0;
        std::sort(intervals.begin(), intervals.end());
        return intervals[std::min(intervals.size() - 1, qsizetype(share * intervals.size()))];
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_frameTimesMs.append(m_clock.nsecsElapsed() / 1e6);
        return false;
    }

private:
    QElapsedTimer m_clock;
    QList<double> m_frameTimesMs;
};

// The window's budget while the gear turns, in percent of one core: the accessibility bridge
// adds its own share.
double cpuTarget()
{
    return QAccessible::isActive() ? 3.0 : 1.5;
}

std::unique_ptr<ClipforgerApp> showFace(const QString &face, QTimer &deadline,
                                        const QString &encoderPath = QString())
{
    auto clipforger = std::make_unique<ClipforgerApp>(encoderPath, AppFolder::resolveAndCreate(),
                                                      SessionBus::ifAny());
    TourFaces::show(*clipforger->session(), face);
    clipforger->window()->show();
    runFor(deadline, settleMs);
    return clipforger;
}

int idle(double seconds, QTextStream &out)
{
    int total = 0;
    for (const QString &face : TourFaces::names()) {
        if (face == QLatin1String("converting"))
            continue;
        QTimer deadline;
        const auto clipforger = showFace(face, deadline);
        EventCounter timers(QEvent::Timer, &deadline);
        const qint64 switchesBefore = mainThreadVoluntarySwitches();
        runFor(deadline, int(seconds * 1000));
        const qint64 switches = mainThreadVoluntarySwitches() - switchesBefore;
        // The bench's own deadline accounts for one of the context switches.
        out << QStringLiteral("idle %1: %2 timer wake-ups, %3 voluntary context switches of the "
                              "main thread in %4 s\n")
                   .arg(face, -13)
                   .arg(timers.count())
                   .arg(switches)
                   .arg(seconds);
        total += timers.count();
    }
    out << (total == 0 ? "idle: PASS, no timer wake-ups on any screen\n"
                       : "idle: FAIL, timers woke the app up\n");
    return total == 0 ? 0 : 1;
}

int converting(double seconds, QTextStream &out)
{
    QTimer deadline;
    const auto clipforger = showFace(QStringLiteral("converting"), deadline);
    ScreenState *state = clipforger->session()->stagedState();
    // The gear is the only symbol on the converting face.
    auto *gear = clipforger->window()->findChild<ConvertingView *>()->findChild<SymbolView *>();
    PaintCounter gearFrames(gear);
    // Texts repaint only when their words change.
    EventCounter otherPaints(QEvent::Paint, gear);

    // Stands in for the encoder's progress reports; its own cost is part of the measurement.
    double progress = 0.0;
    int reports = 0;
    QTimer encoder;
    QObject::connect(&encoder, &QTimer::timeout, state, [&] {
        progress += 0.0013;
        state->setConversionProgress(progress);
        ++reports;
    });
    encoder.start(encoderReportIntervalMs);

    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runFor(deadline, int(seconds * 1000));
    const double cpu = cpuSeconds() - cpuBefore;
    const double wallSeconds = wall.nsecsElapsed() / 1e9;

    const double share = 100.0 * cpu / wallSeconds;
    const double target = cpuTarget();
    out << QStringLiteral("converting: %1 s CPU in %2 s = %3% of one core "
                          "(%4 gear frames painted, %5 other paints, %6 progress reports)\n")
               .arg(cpu, 0, 'f', 3)
               .arg(wallSeconds, 0, 'f', 2)
               .arg(share, 0, 'f', 2)
               .arg(gearFrames.count())
               .arg(otherPaints.count())
               .arg(reports);
    const bool pass = share < target;
    out << (pass ? QStringLiteral("converting: PASS, under %1% of one core\n")
                 : QStringLiteral("converting: FAIL, %1% of one core or more\n"))
               .arg(target);
    return pass ? 0 : 1;
}

int batch(const QStringList &clips, QTextStream &out)
{
    QTimer deadline;
    const auto clipforger = showFace(QStringLiteral("empty"), deadline, bundledEncoderPath());
    ScreenState *state = clipforger->session()->stagedState();
    QList<QUrl> files;
    for (const QString &clip : clips)
        files.append(QUrl::fromLocalFile(clip));
    state->files().replace(files);

    QEventLoop batchEnded;
    std::optional<PaintCounter> gearFrames;
    QObject::connect(state, &ScreenState::screenChanged, state, [&](ScreenState::Screen screen) {
        if (screen == ScreenState::Screen::Completion)
            batchEnded.quit();
        if (screen == ScreenState::Screen::Converting)
            gearFrames.emplace(
                clipforger->window()->findChild<ConvertingView *>()->findChild<SymbolView *>());
    });
    const double cpuBefore = cpuSeconds();
    const double encoderCpuBefore = cpuSeconds(RUSAGE_CHILDREN);
    QElapsedTimer wall;
    wall.start();
    clipforger->window()->findChild<ConvertButton *>()->click();
    batchEnded.exec();
    const double cpu = cpuSeconds() - cpuBefore;
    const double encoderCpu = cpuSeconds(RUSAGE_CHILDREN) - encoderCpuBefore;
    const double wallSeconds = wall.nsecsElapsed() / 1e9;

    const qsizetype converted = files.size() - failedCount(state->files().outcomes());
    const double share = 100.0 * cpu / wallSeconds;
    out << QStringLiteral("batch: %1 of %2 files converted in %3 s; the app used %4 s CPU = "
                          "%5% of one core, the encoder %6 s CPU\n")
               .arg(converted)
               .arg(files.size())
               .arg(wallSeconds, 0, 'f', 2)
               .arg(cpu, 0, 'f', 3)
               .arg(share, 0, 'f', 2)
               .arg(encoderCpu, 0, 'f', 2);
    const double p99 = gearFrames ? gearFrames->intervalPercentileMs(0.99) : 0;
    out << QStringLiteral("batch: %1 gear frames; interval between them: median %2 ms, 99th "
                          "percentile %3 ms (target at most 50 ms)\n")
               .arg(gearFrames ? gearFrames->count() : 0)
               .arg(gearFrames ? gearFrames->intervalPercentileMs(0.5) : 0, 0, 'f', 1)
               .arg(p99, 0, 'f', 1);
    const double target = cpuTarget();
    const bool pass = share < target && converted == files.size() && p99 > 0 && p99 <= 50;
    out << (pass ? QStringLiteral("batch: PASS, under %1% of one core, gear frames at most 50 ms "
                                  "apart\n")
                       .arg(target)
                 : QStringLiteral("batch: FAIL\n"));
    return pass ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ClipforgerApp::describeApplication(application);
    QTextStream out(stdout);

    const std::map<QString, std::function<int(double, QTextStream &)>> modes = {
        {QStringLiteral("idle"), idle},
        {QStringLiteral("converting"), converting},
    };
    const QStringList arguments = application.arguments();
    if (arguments.size() >= 3 && arguments[1] == QLatin1String("batch")) {
        const int result = batch(arguments.mid(2), out);
        out.flush();
        return result;
    }
    const auto mode = arguments.size() == 3 ? modes.find(arguments[1]) : modes.end();
    bool secondsOk = false;
    const double seconds = arguments.size() == 3 ? arguments[2].toDouble(&secondsOk) : 0.0;
    if (mode == modes.end() || !secondsOk || seconds <= 0) {
        QTextStream(stderr) << "usage: clipforger-ui-cpu idle|converting SECONDS | batch CLIP...\n";
        return 2;
    }
    const int result = mode->second(seconds, out);
    out.flush();
    return result;
}
