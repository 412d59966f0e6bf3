// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TemporaryHome.h"
#include "session/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

class tst_AppFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void folderIsClipforgerInTheDocumentsFolder()
    {
        TemporaryHome home;
        const QString folder = AppFolder::resolveAndCreate();
        QCOMPARE(folder, home.documentsPath() + QStringLiteral("/Clipforger"));
        QVERIFY(QFileInfo(folder).isDir());
    }

    void folderFollowsTheDesktopsDocumentsFolder()
    {
        TemporaryHome home;
        const QString documents = home.path() + QStringLiteral("/Papers/Dokumente");
        home.setDocumentsFolder(documents);

        const QString folder = AppFolder::resolveAndCreate();
        QCOMPARE(folder, documents + QStringLiteral("/Clipforger"));
        QVERIFY2(QFileInfo(folder).isDir(), "created together with its parents");
    }

    void folderWithoutDocumentsLocation()
    {
        TemporaryHome home;
        QCOMPARE(AppFolder::resolve(QString()),
                 home.path() + QStringLiteral("/Documents/Clipforger"));
    }

    void existingFolderIsLeftAsItIs()
    {
        TemporaryHome home;
        const QString folder = home.documentsPath() + QStringLiteral("/Clipforger");
        QVERIFY(QDir().mkpath(folder));
        QFile earlier(folder + QStringLiteral("/earlier_converted.mp4"));
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier result");
        earlier.close();

        QCOMPARE(AppFolder::resolveAndCreate(), folder);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier result"));
    }

    void regularFileInTheFoldersPlaceIsNotTouched()
    {
        TemporaryHome home;
        QVERIFY(QDir().mkpath(home.documentsPath()));
        const QString path = home.documentsPath() + QStringLiteral("/Clipforger");
        QFile blocker(path);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("not a folder");
        blocker.close();

        QCOMPARE(AppFolder::resolveAndCreate(), path);
        QVERIFY(QFileInfo(path).isFile());
        QVERIFY(blocker.open(QIODevice::ReadOnly));
        QCOMPARE(blocker.readAll(), QByteArray("not a folder"));
    }
};

QTEST_GUILESS_MAIN(tst_AppFolder)
#include "tst_appfolder.moc"
