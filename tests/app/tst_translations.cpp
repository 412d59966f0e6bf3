// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordedActions.h"
#include "app/Translations.h"
#include "screens/CompletionView.h"
#include "screens/ConvertButton.h"
#include "screens/ConvertingView.h"
#include "screens/DropZone.h"
#include "screens/FailureReport.h"
#include "screens/FileSummary.h"
#include "screens/MainConversionView.h"
#include "screens/NameList.h"
#include "session/BatchReport.h"
#include "session/ScreenState.h"

#include <QLabel>
#include <QLocale>
#include <QtTest>

namespace {

BatchOutcomes outcomes(int converted, int failed)
{
    BatchOutcomes result;
    for (int i = 0; i < converted + failed; ++i) {
        FileOutcome outcome;
        outcome.input = QUrl::fromLocalFile(QStringLiteral("/videos/clip%1.mov").arg(i));
        if (i >= converted)
            outcome.failure = FileOutcome::Failure::ExitStatus;
        result.append(outcome);
    }
    return result;
}

QStringList labelTexts(const QWidget &widget)
{
    QStringList texts;
    for (const QLabel *label : widget.findChildren<QLabel *>())
        texts.append(label->text());
    return texts;
}

} // namespace

// The texts the screens show, in English and in German.
class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void englishTexts();
    void catalogueFollowsTheLocale_data();
    void catalogueFollowsTheLocale();
    void germanTexts_data();
    void germanTexts();
    void germanScreensShowGermanTexts();
    void germanConvertButtonTitleFits();
    void qtsOwnTextsFollowTheLocale();
    void switchingBackToEnglishRemovesTheCatalogue();
};

void TestTranslations::englishTexts()
{
    QVERIFY(Translations::install(*qApp, QLocale(QLocale::English, QLocale::UnitedStates)));

    QCOMPARE(FileSummary::countLine(1), QStringLiteral("1 file selected"));
    QCOMPARE(FileSummary::countLine(5), QStringLiteral("5 files selected"));
    QCOMPARE(BatchReport::failedCountLine(1, 1),
             QStringLiteral("1 of 1 file could not be converted"));
    QCOMPARE(BatchReport::failedCountLine(2, 5),
             QStringLiteral("2 of 5 files could not be converted"));
    QCOMPARE(ConvertButton::titleFor(3), QStringLiteral("Make 3 small, fast, and compatible"));
}

void TestTranslations::catalogueFollowsTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("oneFile");
    QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << "1 Datei ausgewählt";
    QTest::newRow("Switzerland, falls back to plain German")
        << QLocale(QLocale::German, QLocale::Switzerland) << "1 Datei ausgewählt";
    // English plurals come from a catalogue too, the fallback of any language not spoken.
    QTest::newRow("C") << QLocale::c() << "1 file selected";
    QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << "1 file selected";
}

void TestTranslations::catalogueFollowsTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, oneFile);
    Translations::install(*qApp, locale);
    QCOMPARE(FileSummary::countLine(1), oneFile);
}

void TestTranslations::germanTexts_data()
{
    QVERIFY(Translations::install(*qApp, QLocale(QLocale::German, QLocale::Germany)));

    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    // Plurals: German takes the singular for exactly one.
    QTest::newRow("one file selected") << FileSummary::countLine(1) << "1 Datei ausgewählt";
    QTest::newRow("five files selected") << FileSummary::countLine(5) << "5 Dateien ausgewählt";
    QTest::newRow("one more") << NameList::furtherNamesLine(1) << "... und 1 weitere";
    QTest::newRow("one of one failed")
        << BatchReport::failedCountLine(1, 1) << "1 von 1 Datei nicht umgewandelt";
    QTest::newRow("two of five failed")
        << BatchReport::failedCountLine(2, 5) << "2 von 5 Dateien nicht umgewandelt";
    QTest::newRow("button with a count")
        << ConvertButton::titleFor(3) << "3 klein, schnell, kompatibel machen";
    QTest::newRow("file counter") << ConvertingView::counterText(1, 4) << "Datei 2 von 4";
    QTest::newRow("files left by an unfinished batch")
        << MainConversionView::restoredNoticeText(3)
        << "3 Dateien wurden beim letzten Mal nicht umgewandelt";
    QTest::newRow("drop zone, to screen readers")
        << DropZone::listedFilesDescription(1) << "1 Datei aufgelistet";
    QTest::newRow("percent, with German spacing")
        << ConvertingView::percentText(0.42) << QStringLiteral("42\u00a0%");
    QTest::newRow("time left, hours and minutes")
        << ConvertingView::timeLeftText(4790) << "Noch etwa 1 Stunde, 20 Minuten";
    QTest::newRow("stopped batch")
        << BatchReport::convertedCountLine(1, 1) << "1 von 1 Datei umgewandelt";
    QTest::newRow("why a file failed")
        << FileOutcome{{}, {}, FileOutcome::Failure::ExitStatus, 4, {"No space left on device"}}
               .reason()
        << QStringLiteral("der Datenträger ist voll");
}

void TestTranslations::germanTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestTranslations::germanScreensShowGermanTexts()
{
    QVERIFY(Translations::install(*qApp, QLocale(QLocale::German, QLocale::Germany)));

    ScreenState state;
    state.setReport(BatchReport(outcomes(2, 0), {}));
    RecordedActions actions;
    const CompletionView allConverted(&state, &actions);
    QVERIFY(labelTexts(allConverted).contains(QStringLiteral("Abgeschlossen")));

    state.setReport(BatchReport(outcomes(0, 3), {}));
    const CompletionView noneConverted(&state, &actions);
    const QStringList texts = labelTexts(noneConverted);
    QVERIFY2(texts.contains(QStringLiteral("Umwandlung fehlgeschlagen")),
             qPrintable(texts.join('|')));
    QVERIFY2(texts.contains(QStringLiteral("3 von 3 Dateien nicht umgewandelt")),
             qPrintable(texts.join('|')));

    FileSummary summary;
    summary.showFiles({QUrl::fromLocalFile(QStringLiteral("/videos/a.mov"))}, 1);
    QVERIFY(labelTexts(summary).contains(QStringLiteral("1 Datei ausgewählt")));
}

void TestTranslations::germanConvertButtonTitleFits()
{
    QVERIFY(Translations::install(*qApp, QLocale(QLocale::German, QLocale::Germany)));

    // A longer title would widen the button beyond the product's width.
    ConvertButton button;
    for (const int fileCount : {0, 99}) {
        button.setText(ConvertButton::titleFor(fileCount));
        QVERIFY2(button.minimumSizeHint().width() <= ConvertButton::preferredWidth,
                 qPrintable(button.text()));
    }
}

void TestTranslations::qtsOwnTextsFollowTheLocale()
{
    QVERIFY(Translations::install(*qApp, QLocale(QLocale::German, QLocale::Germany)));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

void TestTranslations::switchingBackToEnglishRemovesTheCatalogue()
{
    QVERIFY(Translations::install(*qApp, QLocale(QLocale::German, QLocale::Germany)));
    QVERIFY(Translations::install(*qApp, QLocale(QLocale::English, QLocale::UnitedKingdom)));

    QCOMPARE(FileSummary::countLine(5), QStringLiteral("5 files selected"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
