// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopStandIns.h"
#include "RecordedActions.h"
#include "screens/CompletionView.h"
#include "screens/ElidedLabel.h"
#include "screens/LargeButton.h"
#include "screens/SymbolView.h"
#include "screens/Theme.h"
#include "session/ScreenState.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Failure = FileOutcome::Failure;

namespace {

FileOutcome outcome(const QString &name, Failure failure = Failure::None,
                    const QStringList &encoderLines = {})
{
    return {QUrl::fromLocalFile(QStringLiteral("/videos/") + name), QString(), failure, 0,
            encoderLines};
}

// The texts the screen shows, top to bottom, buttons excluded. The view must be laid out.
QStringList visibleTexts(const QWidget *view)
{
    QMultiMap<int, QString> textsByTop;
    for (const QWidget *widget : view->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(view))
            continue;
        const int top = widget->mapTo(view, QPoint(0, 0)).y();
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            textsByTop.insert(top, label->text());
        else if (const auto *line = qobject_cast<const ElidedLabel *>(widget))
            textsByTop.insert(top, line->text());
    }
    return textsByTop.values();
}

LargeButton *button(const QWidget *view, const QString &text)
{
    for (LargeButton *candidate : view->findChildren<LargeButton *>())
        if (candidate->text() == text)
            return candidate;
    return nullptr;
}

// A state as a batch leaves it when it ends.
std::unique_ptr<ScreenState> endedBatch(const BatchOutcomes &outcomes, const QUrl &folder = {},
                                        const SizeSummary &sizes = {})
{
    auto state = std::make_unique<ScreenState>();
    state->setReport(BatchReport(outcomes, sizes));
    state->setOutputFolder(folder);
    state->setScreen(ScreenState::Screen::Completion);
    return state;
}

QRect geometryIn(const QWidget *widget, const QWidget *ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

} // namespace

class TestCompletionView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void variants_data();
    void variants();
    void layout_data();
    void layout();

private:
    RecordedActions m_actions;
};

void TestCompletionView::variants_data()
{
    QTest::addColumn<BatchOutcomes>("outcomes");
    QTest::addColumn<SizeSummary>("sizes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QColor>("iconColour");

    const QColor green = Theme::success();
    const QColor orange = Theme::warning();
    const SizeSummary none;
    const QString crashed = QStringLiteral(": the encoder stopped unexpectedly");

    QTest::newRow("all converted: plain screen")
        << BatchOutcomes{outcome("a.mov"), outcome("b.mov")} << none << QStringList{"Complete"}
        << green;
    QTest::newRow("no outcomes recorded: plain screen")
        << BatchOutcomes{} << none << QStringList{"Complete"} << green;
    QTest::newRow("one of three failed: complete, with the failed name and why")
        << BatchOutcomes{outcome("a.mov"), outcome("b.mov", Failure::ExitStatus), outcome("c.mov")}
        << SizeSummary{12'000'000, 15'000'000, 2}
        << QStringList{"Complete", "1 of 3 files could not be converted", "b.mov" + crashed,
                       "12.0 MB → 15.0 MB, 25% larger"}
        << green;
    FileOutcome kept = outcome("small.mp4");
    kept.inputStreamsKept = true;
    FileOutcome film = outcome("film.mkv");
    film.pictureSubtitlesLeftOut = true;
    QTest::newRow("kept as they were, or grew, under the sizes")
        << BatchOutcomes{film, kept, kept} << SizeSummary{12'000'000, 6'000'000, 3, {"film.mkv"}}
        << QStringList{"Complete", "12.0 MB → 6.0 MB, 50% smaller\n2 files were already small: "
                                   "kept as they were\n1 file grew to play everywhere: film.mkv\n"
                                   "Picture subtitles not kept: film.mkv"}
        << green;
    QTest::newRow("five of six failed: three names, then how many more")
        << BatchOutcomes{outcome("1.mov", Failure::Signal),
                         outcome("2.mov", Failure::NoOutput),
                         outcome("3.mov"),
                         outcome("4.mov", Failure::LaunchFailed),
                         outcome("5.mov", Failure::ExitStatus),
                         outcome("6.mov", Failure::OutputUnwritable)}
        << none << QStringList{"Complete",
                               "5 of 6 files could not be converted",
                               "1.mov" + crashed,
                               "2.mov" + crashed,
                               "4.mov: the encoder could not be started",
                               "... and 2 more"}
        << green;
    QTest::newRow("why, from the encoder's last words")
        << BatchOutcomes{outcome("a.mov", Failure::ExitStatus,
                                 {"No title found.", "HandBrake has exited."}),
                         outcome("b.mov", Failure::ExitStatus,
                                 {"ERROR: avformatMux: track 0, av_interleaved_write_frame failed "
                                  "with error 'No space left on device'",
                                  "Encode failed (error 4).", "HandBrake has exited."}),
                         outcome("c.mov", Failure::OutputUnwritable)}
        << none
        << QStringList{"Conversion failed", "3 of 3 files could not be converted",
                       "a.mov: not a video the encoder can read", "b.mov: the disk is full",
                       "c.mov: the output folder cannot be written"}
        << orange;
    QTest::newRow("why, from what the batch saw itself")
        << BatchOutcomes{outcome("d.mov", Failure::DiskFull),
                         outcome("e.mov", Failure::InputUnreadable)}
        << none
        << QStringList{"Conversion failed", "2 of 2 files could not be converted",
                       "d.mov: the disk is full", "e.mov: the file could not be read"}
        << orange;
    QTest::newRow("stopped: neutral, how many converted, what failed before the stop")
        << BatchOutcomes{outcome("a.mov"), outcome("b.mov", Failure::EncoderMissing),
                         outcome("c.mov", Failure::Cancelled), outcome("d.mov", Failure::Cancelled)}
        << SizeSummary{2'000'000, 500'000, 1}
        << QStringList{"Stopped", "1 of 4 files converted",
                       "b.mov: the encoder is not installed (handbrake-cli)",
                       "2.0 MB → 500.0 kB, 75% smaller"}
        << Theme::neutral();
    QTest::newRow("single file failed: warning, singular")
        << BatchOutcomes{outcome("a.mov", Failure::EncoderMissing)} << none
        << QStringList{"Conversion failed", "1 of 1 file could not be converted",
                       "a.mov: the encoder is not installed (handbrake-cli)"}
        << orange;
    QTest::newRow("none of four converted: warning, names and more")
        << BatchOutcomes{outcome("a.mov", Failure::ExitStatus),
                         outcome("b.mov", Failure::ExitStatus),
                         outcome("c.mov", Failure::ExitStatus),
                         outcome("d.mov", Failure::ExitStatus)}
        << none << QStringList{"Conversion failed", "4 of 4 files could not be converted",
                               "a.mov" + crashed,   "b.mov" + crashed,
                               "c.mov" + crashed,   "... and 1 more"}
        << orange;
    QTest::newRow("input without a file name still listed")
        << BatchOutcomes{outcome("a.mov"),
                         {QUrl(QStringLiteral("file:///")), {}, Failure::NoOutput, 0}}
        << none << QStringList{"Complete", "1 of 2 files could not be converted", "/" + crashed}
        << green;
}

void TestCompletionView::variants()
{
    QFETCH(BatchOutcomes, outcomes);
    QFETCH(SizeSummary, sizes);
    QFETCH(QStringList, expected);
    QFETCH(QColor, iconColour);

    const auto state = endedBatch(outcomes, {}, sizes);
    CompletionView view(state.get(), &m_actions);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(visibleTexts(&view), expected);
    QCOMPARE(view.findChild<SymbolView *>()->color(), iconColour);
}

void TestCompletionView::layout_data()
{
    QTest::addColumn<BatchOutcomes>("outcomes");

    QTest::newRow("all converted") << BatchOutcomes{outcome("a.mov")};
    QTest::newRow("some failed") << BatchOutcomes{outcome("a.mov"),
                                                  outcome("b.mov", Failure::ExitStatus)};
    QTest::newRow("none converted, with more names than shown")
        << BatchOutcomes(5, outcome("a-file-with-a-name-far-too-long-for-the-screen-to-hold.mov",
                                    Failure::ExitStatus));
}

void TestCompletionView::layout()
{
    QFETCH(BatchOutcomes, outcomes);

    const auto state = endedBatch(outcomes);
    CompletionView view(state.get(), &m_actions);
    view.setFixedSize(Theme::Metrics::screenSize);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const QRect icon = geometryIn(view.findChild<SymbolView *>(), &view);
    const QRect viewFiles = geometryIn(button(&view, "View files"), &view);
    const QRect back = geometryIn(button(&view, "Convert more files"), &view);

    QVERIFY(viewFiles.right() < back.left());
    QCOMPARE(back.left() - viewFiles.right() - 1, 20);
    QCOMPARE(viewFiles.center().y(), back.center().y());
    QCOMPARE(viewFiles.height(), LargeButton::height);

    // The block of icon, title and buttons sits in the middle of the screen, both ways.
    const int centreX = view.width() / 2;
    QVERIFY(qAbs(icon.center().x() - centreX) <= 1);
    QVERIFY(qAbs((viewFiles.left() + back.right()) / 2 - centreX) <= 1);
    QVERIFY(icon.top() >= 40);
    QVERIFY(qAbs(icon.top() - (view.height() - 1 - back.bottom())) <= 1);
    for (const ElidedLabel *name : view.findChildren<ElidedLabel *>()) {
        QVERIFY(name->width() <= view.width() - 80);
        // A long name is cut in its middle; why the file failed stays whole.
        if (name->isVisibleTo(&view))
            QVERIFY2(name->displayedText().endsWith(".mov: the encoder stopped unexpectedly"),
                     qPrintable(name->displayedText()));
    }
}

QTEST_MAIN(TestCompletionView)
#include "tst_completionview.moc"
