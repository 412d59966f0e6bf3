#include "TourFaces.h"

#include "session/BatchSession.h"
#include "session/ScreenState.h"

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

void complete(ScreenState &state, const QString &appFolder, const QList<bool> &converted)
{
    BatchOutcomes outcomes;
    const QList<QUrl> inputs = files();
    for (qsizetype i = 0; i < converted.size(); ++i) {
        FileOutcome outcome;
        outcome.input = inputs[i];
        outcome.failure =
            converted[i] ? FileOutcome::Failure::None : FileOutcome::Failure::ExitStatus;
        outcomes.append(outcome);
    }
    state.setDroppedFiles(inputs.first(converted.size()));
    state.setBatchOutcomes(outcomes);
    state.setOutputFolder(QUrl::fromLocalFile(appFolder));
    state.setShowCompletionView(true);
}

} // namespace

QStringList names()
{
    return {QStringLiteral("empty"),    QStringLiteral("ready"),
            QStringLiteral("restored"), QStringLiteral("converting"),
            QStringLiteral("complete"), QStringLiteral("partly-failed"),
            QStringLiteral("failed")};
}

bool show(BatchSession &session, const QString &face)
{
    ScreenState &state = *session.state();
    const QString appFolder = session.outputFolder();
    if (face == QLatin1String("empty")) {
        state.setDroppedFiles({});
    } else if (face == QLatin1String("ready")) {
        state.setDroppedFiles(files());
    } else if (face == QLatin1String("restored")) {
        state.setDroppedFiles(files().mid(1, 2));
        state.setRestoredFileCount(2);
    } else if (face == QLatin1String("converting")) {
        state.setDroppedFiles(files().first(3));
        state.setConverting(true);
        state.setCurrentFileIndex(1);
        state.setConversionProgress(0.4267);
    } else if (face == QLatin1String("complete")) {
        complete(state, appFolder, {true, true, true});
    } else if (face == QLatin1String("partly-failed")) {
        complete(state, appFolder, {true, false, true, false});
    } else if (face == QLatin1String("failed")) {
        complete(state, appFolder, {false, false});
    } else {
        return false;
    }
    return true;
}

} // namespace TourFaces
