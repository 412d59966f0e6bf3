#include "FakeEncoderLog.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The session drives a whole batch without a single widget: what the screens will show is all
// in its state, and arrives in an order no screen can trip over.
class tst_BatchSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stateFollowsABatchToItsCompletion()
    {
        FakeEncoderLog log;
        QTemporaryDir dir;
        BatchSession session(FakeEncoderLog::encoderPath(), dir.filePath(QStringLiteral("out")));
        ScreenState *state = session.state();
        const QList<QUrl> files = {
            FakeEncoderLog::instructedInput(dir.filePath(QStringLiteral("a.mov")), "ok"),
            FakeEncoderLog::instructedInput(dir.filePath(QStringLiteral("b.mov")), "exit 3")};
        state->setDroppedFiles(files);

        QSignalSpy indexes(state, &ScreenState::currentFileIndexChanged);
        QSignalSpy progress(state, &ScreenState::conversionProgressChanged);
        // What a completion screen built at that moment would read.
        qsizetype outcomesWhenShown = -1;
        bool convertingWhenShown = true;
        connect(state, &ScreenState::showCompletionViewChanged, this, [&] {
            outcomesWhenShown = state->batchOutcomes().size();
            convertingWhenShown = state->isConverting();
        });

        session.startConversion();
        QVERIFY(state->isConverting());
        session.startConversion(); // a second press while it runs starts nothing
        QTRY_VERIFY(state->showCompletionView());

        QCOMPARE(indexes.size(), 1);
        QCOMPARE(indexes.first().first().toLongLong(), 1);
        QVERIFY(progress.size() >= 2);
        QCOMPARE(outcomesWhenShown, 2);
        QVERIFY(!convertingWhenShown);
        QCOMPARE(state->outputFolder(), QUrl::fromLocalFile(session.outputFolder()));
        QCOMPARE(failedCount(state->batchOutcomes()), 1);
        QCOMPARE(log.runCount(), 2);
    }

    void goingBackStartsAnEmptyListAndStartAfterNeedsFiles()
    {
        QTemporaryDir dir;
        BatchSession session(FakeEncoderLog::encoderPath(), dir.path());
        ScreenState *state = session.state();
        session.startConversion();
        QVERIFY(!state->isConverting());

        state->setDroppedFiles({QUrl::fromLocalFile(dir.filePath(QStringLiteral("x.mov")))});
        state->setShowCompletionView(true);
        session.goBack();
        QVERIFY(!state->showCompletionView());
        QVERIFY(state->droppedFiles().isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_BatchSession)
#include "tst_batchsession.moc"
