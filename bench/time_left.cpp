// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Converts clips of mixed lengths through the session, as many at once as the app would, and
// notes twice a second the batch's percent and the time left the converting screen shows.
// Afterwards it compares them, at a quarter, half and three quarters of the batch's real time,
// with what really was left.
#include "session/BatchProgress.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace {

struct Sample
{
    double seconds;
    std::optional<qint64> secondsLeft;
    double fraction;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: %s ENCODER OUTPUT_FOLDER CLIP...\n", argv[0]);
        return 2;
    }
    QList<QUrl> urls;
    for (const QString &clip : args.mid(3))
        urls.append(QUrl::fromLocalFile(clip));
    BatchSession session(args.at(1), args.at(2));
    ScreenState *state = session.stagedState();
    state->files().replace(urls);

    QList<Sample> samples;
    QElapsedTimer clock;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        samples.append({double(clock.elapsed()) / 1000.0, state->secondsLeft(),
                        BatchProgress::fraction(state->files().all())});
    });
    QObject::connect(state, &ScreenState::screenChanged, &app, [&](ScreenState::Screen screen) {
        if (screen == ScreenState::Screen::Completion)
            app.quit();
    });
    clock.start();
    session.startConversion();
    sampler.start(500);
    app.exec();
    const double total = double(clock.elapsed()) / 1000.0;
    if (state->report().convertedCount() != urls.size() || samples.isEmpty()) {
        std::fprintf(stderr, "some conversions failed\n");
        return 1;
    }

    bool pass = true;
    std::printf("%lld clips in %.1f s\n", qlonglong(urls.size()), total);
    for (const double share : {0.25, 0.50, 0.75}) {
        const Sample &at = *std::min_element(
            samples.cbegin(), samples.cend(), [&](const Sample &a, const Sample &b) {
                return std::abs(a.seconds - share * total) < std::abs(b.seconds - share * total);
            });
        const double real = total - at.seconds;
        const double error = at.secondsLeft ? std::abs(double(*at.secondsLeft) - real) / real : 1.0;
        pass = pass && error <= 0.25;
        std::printf("at %.0f%% of the time: shown %s s left (really %.1f), off by %.0f%% (target "
                    "<= 25%%); the batch's percent %.0f%%\n",
                    share * 100,
                    at.secondsLeft ? qPrintable(QString::number(*at.secondsLeft)) : "no", real,
                    error * 100, at.fraction * 100);
    }
    std::printf("%s\n", pass ? "PASS" : "FAIL");
    return 0;
}
