// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <csignal>

// The folder where fake-encoder.sh logs each run; points FAKE_ENCODER_LOG at it while alive.
class FakeEncoderLog
{
public:
    FakeEncoderLog() { qputenv("FAKE_ENCODER_LOG", QFile::encodeName(m_dir.path())); }
    ~FakeEncoderLog() { qunsetenv("FAKE_ENCODER_LOG"); }

    static QString encoderPath() { return QStringLiteral(FAKE_ENCODER_PATH); }
    // A media helper that crashes on any file whose name holds "crash", and answers nothing else.
    static QString mediaHelperPath() { return QStringLiteral(FAKE_MEDIA_HELPER_PATH); }

    // An input file whose first line tells the stand-in encoder what to do ("ok", "exit 3"...).
    static QUrl instructedInput(const QString &path, const QByteArray &instructions)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(instructions + '\n') < 0)
            qFatal("cannot write %s", qPrintable(path));
        return QUrl::fromLocalFile(path);
    }

    int runCount() const
    {
        int n = 0;
        while (QFile::exists(file("args", n + 1)))
            ++n;
        return n;
    }
    QByteArrayList arguments(int run) const
    {
        QByteArrayList arguments = read("args", run).split('\0');
        arguments.removeLast(); // after the last terminator
        return arguments;
    }
    pid_t pid(int run) const { return read("pid", run).trimmed().toInt(); }
    // The encoder given `input`; runs of encoders started together are numbered in any order.
    pid_t pidFor(const QUrl &input) const
    {
        for (int run = 1; run <= runCount(); ++run)
            if (arguments(run).value(1) == QFile::encodeName(input.toLocalFile()))
                return pid(run);
        return 0;
    }
    QByteArray standardInput(int run) const { return read("stdin", run).trimmed(); }
    QByteArray priority(int run) const { return read("priority", run).trimmed(); }
    QByteArray commands(int run) const { return read("commands", run); }
    bool overlapped() const { return QFile::exists(m_dir.filePath(QStringLiteral("overlap"))); }

    static bool isAlive(pid_t pid) { return pid > 0 && ::kill(pid, 0) == 0; }

private:
    QString file(const char *kind, int run) const
    {
        return m_dir.filePath(QStringLiteral("%1.%2").arg(QLatin1String(kind)).arg(run));
    }
    QByteArray read(const char *kind, int run) const
    {
        QFile f(file(kind, run));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};
