// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long Clipforger takes from its start until its window is mapped, and how much memory its
// process then holds, against a bare Qt Widgets window of the same size that draws one line of
// text, as Clipforger's first screen does: PAIRS starts of each, alternating. Watches the X
// server's root window for the first top-level window mapped. The same bare window without text
// is shown beside it: what any window that draws text pays for fonts and shaping before its
// first frame (10 to 15 ms and 3.5 MiB here) is no cost of Clipforger's own.
// Usage: clipforger-window-start CLIPFORGER PAIRS
//        clipforger-window-start --bare WIDTH HEIGHT [TEXT] (the bare window itself)

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QSet>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

struct Start
{
    double mappedMs = -1;
    QSize size;
    double residentMiB = 0;
    int mapsLines = 0;
    int libraries = 0;
    int libAvLibraries = 0;
};

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// What the process has mapped once its window shows: every line of its maps, the shared
// libraries among them, and FFmpeg's.
void readMaps(pid_t pid, Start *start)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return;
    QSet<QByteArray> libraries;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        ++start->mapsLines;
        const QByteArray path = line.mid(line.indexOf('/'));
        if (line.contains('/') && path.contains(".so"))
            libraries.insert(path);
    }
    start->libraries = int(libraries.size());
    start->libAvLibraries =
        int(std::count_if(libraries.cbegin(), libraries.cend(), [](const QByteArray &path) {
            return path.contains("/libav") || path.contains("/libsw");
        }));
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                start->residentMiB = line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
}

Start launch(xcb_connection_t *x, const QList<QByteArray> &command)
{
    Start start;
    std::vector<char *> argv;
    QList<QByteArray> arguments = command;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    const double begun = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    const int fd = xcb_get_file_descriptor(x);
    while (start.mappedMs < 0) {
        xcb_generic_event_t *event = xcb_poll_for_event(x);
        if (!event) {
            pollfd readable = {fd, POLLIN, 0};
            if (poll(&readable, 1, 20000) <= 0)
                break;
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (!map->override_redirect) {
                start.mappedMs = nowMs() - begun;
                xcb_get_geometry_reply_t *geometry =
                    xcb_get_geometry_reply(x, xcb_get_geometry(x, map->window), nullptr);
                if (geometry)
                    start.size = QSize(geometry->width, geometry->height);
                free(geometry);
            }
        }
        free(event);
    }
    // Memory once the first frame is drawn and the start's work is done.
    usleep(1000 * 1000);
    readMaps(pid, &start);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return start;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

int bareWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(QString::fromLocal8Bit(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]).toInt());
    if (argc == 5)
        (new QVBoxLayout(&window))->addWidget(new QLabel(QString::fromLocal8Bit(argv[4])));
    window.show();
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    if ((argc == 4 || argc == 5) && QByteArrayView(argv[1]) == "--bare")
        return bareWindow(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CLIPFORGER PAIRS\n", argv[0]);
        return 2;
    }
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const QByteArray self = QFile::encodeName(QFile::symLinkTarget("/proc/self/exe"));
    const int pairs = std::atoi(argv[2]);
    QList<double> appMs, bareMs, appMiB, bareMiB, textMs, textMiB;
    Start last;
    for (int pair = 0; pair < pairs; ++pair) {
        // Alternate which goes first so that drift in machine load falls on both alike.
        Start app, bare, text;
        const auto runApp = [&] { app = launch(x, {argv[1]}); };
        const auto runBare = [&] {
            const QSize size = last.size.isValid() ? last.size : QSize(500, 400);
            const QList<QByteArray> command = {self, "--bare", QByteArray::number(size.width()),
                                               QByteArray::number(size.height())};
            bare = launch(x, command);
            text = launch(x, command + QList<QByteArray>{"Drop video files here"});
        };
        if (pair % 2 == 0) {
            runApp();
            last = app;
            runBare();
        } else {
            runBare();
            runApp();
            last = app;
        }
        if (app.mappedMs < 0 || bare.mappedMs < 0 || text.mappedMs < 0) {
            std::fprintf(stderr, "a window never showed\n");
            return 1;
        }
        std::printf("pair %d: Clipforger %.0f ms, %.1f MiB (%dx%d); bare window with text %.0f ms, "
                    "%.1f MiB, without %.0f ms, %.1f MiB\n",
                    pair + 1, app.mappedMs, app.residentMiB, app.size.width(), app.size.height(),
                    text.mappedMs, text.residentMiB, bare.mappedMs, bare.residentMiB);
        appMs << app.mappedMs;
        bareMs << bare.mappedMs;
        appMiB << app.residentMiB;
        bareMiB << bare.residentMiB;
        textMs << text.mappedMs;
        textMiB << text.residentMiB;
    }
    const double ratio = median(appMs) / median(textMs);
    const double extraMiB = median(appMiB) - median(textMiB);
    std::printf("start to window mapped, median: Clipforger %.0f ms, bare window with text %.0f "
                "ms, ratio %.2f (target <= 1.30): %s\n",
                median(appMs), median(textMs), ratio, ratio <= 1.3 ? "PASS" : "FAIL");
    std::printf("resident memory, median: Clipforger %.1f MiB, bare window with text %.1f MiB, "
                "%+.1f MiB (target <= +5): %s\n",
                median(appMiB), median(textMiB), extraMiB, extraMiB <= 5 ? "PASS" : "FAIL");
    std::printf("against the bare window without text (%.0f ms, %.1f MiB): ratio %.2f, %+.1f MiB\n",
                median(bareMs), median(bareMiB), median(appMs) / median(bareMs),
                median(appMiB) - median(bareMiB));
    std::printf("Clipforger's process: %d lines in /proc/PID/maps, %d shared libraries, %d of "
                "them FFmpeg's (libav*, libsw*)\n",
                last.mapsLines, last.libraries, last.libAvLibraries);
    return ratio <= 1.3 && extraMiB <= 5 && last.libAvLibraries == 0 ? 0 : 1;
}
