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
    void openWithOffersOnlyTypesThatAreTaken();
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

void TestAppIdentity::openWithOffersOnlyTypesThatAreTaken()
{
    QFile entry(QStringLiteral(CLIPFORGER_DESKTOP_ENTRY));
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList types;
    while (!entry.atEnd()) {
        const QString line = QString::fromUtf8(entry.readLine().trimmed());
        if (line.startsWith(QLatin1String("MimeType=")))
            types = line.mid(9).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    QVERIFY(types.contains(QStringLiteral("video/mp4")));
    const QMimeDatabase database;
    for (const QString &name : types) {
        const QMimeType type = database.mimeTypeForName(name);
        QVERIFY2(type.isValid() && VideoFileTyping().isVideoType(type), qPrintable(name));
    }
}

QTEST_MAIN(TestAppIdentity)
#include "tst_appidentity.moc"
