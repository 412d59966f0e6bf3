// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/ProgressParser.h"

#include <QTest>

class tst_ProgressParser : public QObject
{
    Q_OBJECT

private slots:
    void parsesOneChunk_data();
    void parsesOneChunk();
    void readsTasksAndTimeLeft_data();
    void readsTasksAndTimeLeft();
};

void tst_ProgressParser::parsesOneChunk_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<bool>("found");
    QTest::addColumn<double>("percent");

    auto found = [](const char *name, const QByteArray &chunk, double percent) {
        QTest::newRow(name) << chunk << true << percent;
    };
    auto none = [](const char *name, const QByteArray &chunk) {
        QTest::newRow(name) << chunk << false << 0.0;
    };

    found("real percent", "Encoding: task 1 of 1, 45.67 %", 45.67);
    found("integer percent", "Encoding: task 2 of 2, 7 %", 7);
    found("no blank before the percent sign", "Encoding: task 1 of 1, 45%", 45);
    found("point without following digits", "Encoding: task 1 of 1, 45.%", 45);
    found("above 100 is not clamped", "Encoding: task 1 of 1, 150 %", 150);
    none("small e does not match", "encoding: task 1 of 1, 45 %");
    none("no digit before the point", "Encoding: task 1 of 1, .5 %");
    none("no percent sign", "Encoding: task 1 of 1, 45 percent");

    found("line amid other text",
          "\rEncoding: task 1 of 1, 12.34 % (171.33 fps, avg 180.02 fps, ETA 00h00m03s)\n"
          "more",
          12.34);
    found("newest of two lines wins",
          "Encoding: task 1 of 1, 10.00 %\rEncoding: task 1 of 1, 10.50 %", 10.50);
    none("line end between number and percent sign", "Encoding: task 1 of 1, 3 \t\n%");
    none("first half of a line cut by a chunk boundary", "Encoding: task 1 of 1, 4");
    none("second half of a line cut by a chunk boundary", "5.5 %\n");
    none("Arabic-Indic digits match but do not convert",
         "Encoding: task 1 of 1, \xd9\xa4\xd9\xa5 %");
    none("non-ASCII digits in the first match hide a later ASCII line",
         "Encoding: task 1 of 1, \xd9\xa4\xd9\xa5 % Encoding: task 1 of 1, 45 %");
    none("empty chunk", "");

    found("JSON real", R"({"Progress": {"PercentComplete": 12.5}})", 12.5);
    found("JSON integer", R"({"Progress": {"PercentComplete": 12}})", 12);
    found("JSON with white space around", " \n\t{\"Progress\":{\"PercentComplete\":12.5}}\r\n ",
          12.5);
    found("JSON negative is not clamped", R"({"Progress": {"PercentComplete": -5}})", -5);
    found("JSON among other keys",
          R"({"State": "WORKING", "Progress": {"Rate": 1.5, "PercentComplete": 80.25}})", 80.25);
    found("JSON wins over a line in one of its strings",
          R"({"Progress": {"PercentComplete": 20, "Text": "Encoding: task 1 of 1, 90 %"}})", 20);
    found("JSON string percent falls back to the pattern on the same text",
          R"({"Progress": {"PercentComplete": "Encoding: task 1 of 1, 33 %"}})", 33);
    none("JSON string percent without a line", R"({"Progress": {"PercentComplete": "12.5"}})");
    found("JSON plain-number Progress falls back to the pattern",
          R"({"Progress": 12, "Log": "Encoding: task 1 of 1, 34 %"})", 34);
    found("JSON array at the top falls back to the pattern",
          R"([{"Progress": {"PercentComplete": 12.5}}, "Encoding: task 1 of 1, 35 %"])", 35);
    found("JSON followed by text is not JSON",
          R"({"Progress": {"PercentComplete": 12.5}} Encoding: task 1 of 1, 36 %)", 36);
    none("JSON followed by text without a line",
         R"({"Progress": {"PercentComplete": 12.5}} trailing)");
    none("two JSON objects in one chunk",
         R"({"Progress": {"PercentComplete": 1}}{"Progress": {"PercentComplete": 2}})");
    none("JSON keys are case-sensitive", R"({"progress": {"percentcomplete": 12.5}})");
    none("JSON number at the top", "12.5");

    found("valid multi-byte text around a line", "\xc3\xa9 Encoding: task 1 of 1, 46 % \xc3\xa9",
          46);
    none("chunk ending inside a multi-byte character is dropped",
         "Encoding: task 1 of 1, 47 % \xc3");
    none("chunk starting with the rest of a multi-byte character is dropped",
         "\xa9 Encoding: task 1 of 1, 48 %");
    none("invalid byte anywhere drops the chunk", "Encoding: task 1 of 1, 49 % \xff");
    found("invalid newest line leaves the one before", "Encoding: task 1 of 1, 49 %\n\xff", 49);
    none("encoded surrogate is not valid UTF-8", "\xed\xa0\x80 Encoding: task 1 of 1, 50 %");
    none("overlong encoding is not valid UTF-8", "\xc0\xaf Encoding: task 1 of 1, 51 %");
}

void tst_ProgressParser::parsesOneChunk()
{
    QFETCH(QByteArray, chunk);
    QFETCH(bool, found);
    QFETCH(double, percent);

    const std::optional<double> fraction = parseProgressLines(chunk);
    QCOMPARE(fraction.has_value(), found);
    if (found)
        QCOMPARE(*fraction, percent / 100.0);
}

void tst_ProgressParser::readsTasksAndTimeLeft_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<double>("fileFraction");
    QTest::addColumn<qint64>("secondsLeft"); // -1: none

    // As HandBrakeCLI 1.6 writes them, a carriage return before each.
    QTest::newRow("opening, no estimate yet")
        << QByteArray("\rEncoding: task 1 of 1, 0.00 %") << 0.0 << qint64(-1);
    QTest::newRow("encoding, with its estimate")
        << QByteArray("\rEncoding: task 1 of 1, 58.33 % (33.48 fps, avg 33.48 fps, ETA 00h00m03s)")
        << 0.5833 << qint64(3);
    QTest::newRow("scan task: half the file, its estimate is not the file's")
        << QByteArray(
               "\rEncoding: task 1 of 2, 100.00 % (590.00 fps, avg 601.20 fps, ETA 00h00m00s)")
        << 0.5 << qint64(-1);
    QTest::newRow("encode after the scan goes on from half")
        << QByteArray("\rEncoding: task 2 of 2, 10.00 % (30.00 fps, avg 30.00 fps, ETA 01h20m05s)")
        << 0.55 << qint64(4805);
    QTest::newRow("task beyond the count: the task's own percent")
        << QByteArray("Encoding: task 3 of 2, 40.00 % (ETA 00h01m00s)") << 0.4 << qint64(-1);
    QTest::newRow("estimate of the newest line only")
        << QByteArray(
               "Encoding: task 1 of 1, 1.00 % (ETA 00h02m00s)\rEncoding: task 1 of 1, 2.00 %")
        << 0.02 << qint64(-1);
    QTest::newRow("estimate cut by the chunk's end")
        << QByteArray("Encoding: task 1 of 1, 9.00 % (30.00 fps, avg 30.00 fps, ETA 00h0") << 0.09
        << qint64(-1);
    QTest::newRow("hours beyond any clock")
        << QByteArray("Encoding: task 1 of 1, 9.00 % (ETA 99999999999h00m00s)") << 0.09
        << qint64(-1);
    QTest::newRow("JSON: one task, no estimate")
        << QByteArray(
               R"({"Progress": {"PercentComplete": 20, "Text": "Encoding: task 2 of 2, 90 %"}})")
        << 0.2 << qint64(-1);
}

void tst_ProgressParser::readsTasksAndTimeLeft()
{
    QFETCH(QByteArray, chunk);
    QFETCH(double, fileFraction);
    QFETCH(qint64, secondsLeft);

    const std::optional<EncoderReport> report = parseReportLines(chunk);
    QVERIFY(report);
    QCOMPARE(report->fileFraction, fileFraction);
    QCOMPARE(report->secondsLeft.value_or(-1), secondsLeft);
}

QTEST_GUILESS_MAIN(tst_ProgressParser)
#include "tst_progressparser.moc"
