// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ClipforgerApp.h"
#include "intake/VideoFileTyping.h"

#include <QApplication>
#include <QtTest>

// How the application presents itself to the desktop.
class TestAppIdentity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowIconIsOurs_data();
    void windowIconIsOurs();
    void fileManagersOfferEveryTakenType();
};

void TestAppIdentity::windowIconIsOurs_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("panel size 16 px") << 16;
    QTest::newRow("task switcher size 256 px") << 256;
}

void TestAppIdentity::windowIconIsOurs()
{
    QFETCH(int, size);
    ClipforgerApp::describeApplication(*qApp);

    // An icon whose SVG is missing from the resources, or that no icon engine can read, yields
    // an empty pixmap rather than an error.
    const QImage image = QApplication::windowIcon().pixmap(size, size).toImage();
    QVERIFY(!image.isNull());
    QCOMPARE(image.width(), size);
    // Our blue fills the middle of the tile.
    const QColor centre = image.pixelColor(size / 2, size / 4);
    QVERIFY2(centre.blue() > 150 && centre.red() < 120, qPrintable(centre.name()));
}

// Each file manager's action offers every type the intake takes, by its canonical name, and
// nothing else: a file manager matches an alias or a missing type against no file.
void TestAppIdentity::fileManagersOfferEveryTakenType()
{
    QStringList taken;
    for (const QMimeType &type : QMimeDatabase().allMimeTypes()) {
        if (VideoFileTyping().isVideoType(type))
            taken.append(type.name());
    }
    taken.sort();
    for (const char *action : {"kio/servicemenus/org.clipforger.Clipforger.desktop",
                               "nemo/actions/org.clipforger.Clipforger.nemo_action",
                               "file-manager/actions/org.clipforger.Clipforger.desktop"}) {
        QFile entry(QStringLiteral(CLIPFORGER_DATA_DIR "/") + QLatin1String(action));
        QVERIFY2(entry.open(QIODevice::ReadOnly | QIODevice::Text), action);
        const QRegularExpression key(QStringLiteral("^Mime[Tt]ypes?=(.*)$"),
                                     QRegularExpression::MultilineOption);
        QStringList offered = key.match(QString::fromUtf8(entry.readAll()))
                                  .captured(1)
                                  .split(QLatin1Char(';'), Qt::SkipEmptyParts);
        offered.sort();
        QCOMPARE(offered, taken);
    }
}

QTEST_MAIN(TestAppIdentity)
#include "tst_appidentity.moc"
