// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include "intake/LocalPath.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <climits>
#include <unistd.h>

namespace CommandLine {

namespace {

QByteArray workingDirectory()
{
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? QByteArray(buffer) : QByteArray("/");
}

} // namespace

bool asksOnlyForText(int argc, char **argv)
{
    static const QByteArrayList textOptions = {"-h",         "-?", "--help",
                                               "--help-all", "-v", "--version"};
    for (int i = 1; i < argc && qstrcmp(argv[i], "--") != 0; ++i) {
        if (textOptions.contains(QByteArray(argv[i])))
            return true;
    }
    return false;
}

bool namesAWindowSystem(int argc, char **argv)
{
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    for (int i = 1; i < argc && qstrcmp(argv[i], "--") != 0; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

QUrl urlFor(const QByteArray &argument, const QByteArray &workingDirectory)
{
    if (argument.startsWith("file:"))
        return QUrl::fromEncoded(argument);
    QByteArray path = argument;
    if (!path.startsWith('/'))
        path = workingDirectory + (workingDirectory.endsWith('/') ? "" : "/") + path;
    return LocalPath::toUrl(path);
}

QList<QUrl> filesToOpen(int argc, char **argv)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Converts video files into small MP4 files."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "files"),
        QCoreApplication::translate("CommandLine",
                                    "Video files or folders to list for converting."),
        QCoreApplication::translate("CommandLine", "[FILE...]"));

    // Read as Latin-1, which maps every byte to one character, so that each file argument gives
    // back its exact bytes, whatever encoding its name is in.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLatin1(argv[i]));
    parser.process(arguments);

    const QByteArray directory = workingDirectory();
    QList<QUrl> urls;
    for (const QString &argument : parser.positionalArguments())
        urls.append(urlFor(argument.toLatin1(), directory));
    return urls;
}

} // namespace CommandLine
