// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TourFaces.h"

#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QFileInfo>

namespace TourFaces {

namespace {

const QStringList fileNames = {
    QStringLiteral("Beach holiday 2023.mov"),
    QStringLiteral("Birthday party.mp4"),
    QStringLiteral("Drone flight over the harbour at dawn.mkv"),
    QStringLiteral("Interview take 3.avi"),
};

QList<QUrl> files()
{
    QList<QUrl> result;
    for (const QString &name : fileNames)
        result.append(QUrl::fromLocalFile(QStringLiteral("/home/user/Videos/") + name));
    return result;
}

using Failure = FileOutcome::Failure;

const QStringList unreadable = {QStringLiteral("No title found."),
                                QStringLiteral("HandBrake has exited.")};
const QStringList diskFull = {
    QStringLiteral("ERROR: avformatMux: track 0, av_interleaved_write_frame failed with error "
                   "'No space left on device'"),
    QStringLiteral("Encode failed (error 4)."), QStringLiteral("HandBrake has exited.")};

// A batch of the first files ended as said, with made-up sizes for the converted ones.
void complete(ScreenState &state, const QString &appFolder,
              const QList<std::pair<Failure, QStringList>> &ends)
{
    const QList<QUrl> inputs = files().first(ends.size());
    BatchList &list = state.files();
    list.replace(inputs);
    list.enterBatch();
    SizeSummary sizes;
    for (qsizetype i = 0; i < ends.size(); ++i) {
        const bool converted = ends[i].first == Failure::None;
        const QString output = converted ? appFolder + QStringLiteral("/") +
                                               QFileInfo(inputs[i].fileName()).completeBaseName() +
                                               QStringLiteral("_converted.mp4")
                                         : QString();
        list.finish(i, {inputs[i], output, ends[i].first, 0, ends[i].second});
        if (converted) {
            sizes.inputBytes += 1'040'000'000;
            sizes.outputBytes += 182'000'000;
            ++sizes.fileCount;
        }
    }
    state.setReport(BatchReport(list.outcomes(), sizes));
    state.setOutputFolder(QUrl::fromLocalFile(appFolder));
    state.setScreen(ScreenState::Screen::Completion);
}

} // namespace

QStringList names()
{
    return {QStringLiteral("empty"),         QStringLiteral("ready"),  QStringLiteral("restored"),
            QStringLiteral("converting"),    QStringLiteral("paused"), QStringLiteral("complete"),
            QStringLiteral("partly-failed"), QStringLiteral("failed"), QStringLiteral("stopped"),
            QStringLiteral("trash-offered")};
}

bool show(BatchSession &session, const QString &face)
{
    ScreenState &state = *session.stagedState();
    const QString appFolder = session.outputFolder();
    if (face == QLatin1String("empty")) {
        state.files().clear();
    } else if (face == QLatin1String("ready")) {
        state.files().replace(files());
    } else if (face == QLatin1String("restored")) {
        state.files().replace(files().mid(1, 2));
        state.setRestoredFileCount(2);
    } else if (face == QLatin1String("converting") || face == QLatin1String("paused")) {
        state.files().replace(files().first(3));
        state.files().enterBatch();
        state.setScreen(ScreenState::Screen::Converting);
        state.setPauseAsked(face == QLatin1String("paused"));
        state.setPaused(face == QLatin1String("paused"));
        state.setCurrentFileIndex(1);
        state.setConversionProgress(0.4267);
        state.setSecondsLeft(4790);
    } else if (face == QLatin1String("complete") || face == QLatin1String("trash-offered")) {
        complete(state, appFolder, {{Failure::None, {}}, {Failure::None, {}}, {Failure::None, {}}});
        if (face == QLatin1String("trash-offered")) {
            TrashOffer offer;
            offer.stage = TrashOffer::Stage::Offered;
            for (const FileOutcome &outcome : state.files().outcomes())
                offer.originals.append(
                    {outcome.input.toLocalFile(), 1'040'000'000, {}, {}, outcome.outputPath});
            state.setTrashOffer(offer);
        }
    } else if (face == QLatin1String("partly-failed")) {
        complete(state, appFolder,
                 {{Failure::None, {}},
                  {Failure::ExitStatus, unreadable},
                  {Failure::None, {}},
                  {Failure::ExitStatus, diskFull}});
    } else if (face == QLatin1String("failed")) {
        complete(state, appFolder, {{Failure::EncoderMissing, {}}, {Failure::EncoderMissing, {}}});
    } else if (face == QLatin1String("stopped")) {
        complete(state, appFolder,
                 {{Failure::None, {}},
                  {Failure::None, {}},
                  {Failure::Cancelled, {}},
                  {Failure::Cancelled, {}}});
    } else {
        return false;
    }
    return true;
}

} // namespace TourFaces
