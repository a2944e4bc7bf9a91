// SPDX-License-Identifier: GPL-2.0-or-later
// Files the program keeps by itself (here the driver record file) in a data folder that cannot
// be created: the user is told once, in the message dialog, with the folder, and the program
// goes on working.

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "device/ui/DeviceCommands.h"
#include "support/FormWithMouse.h"

using namespace tarq;

class DataFolderNoticeTest : public QObject {
    Q_OBJECT
private slots:
    void folderThatCannotBeCreatedIsToldOnceWithItsPath()
    {
        tarq::testing::FormWithMouse f(true); // driver mode keeps its record file in the data folder
        QStringList messages;
        f.form->ShowStandardMessage = [&](const QString& text) { messages << text; };
        f.form->ShowDialogMessage = [&](const QString& text) { messages << text; };
        // A plain file where the data folder's parent should be: no user, root included, can
        // create the folder.
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString folder = blocker.fileName() + QStringLiteral("/data");
        f.form->State().DataFolder = folder + QLatin1Char('/');

        f.driver->cpiLedRecord = {0x01, 0x02, 0x00, 0x05};
        f.form->Commands().DevTimerTimer();      // connect: the record is fetched and saved
        QVERIFY(f.form->Device().Link.mouseOpen());
        QCoreApplication::processEvents();       // the notice is shown from the event loop
        f.form->Commands().Btn_Apply_0Click();   // saves the record again
        QCoreApplication::processEvents();

        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(f.form->State().Text(902)), qPrintable(messages[0]));
        QVERIFY2(messages[0].contains(folder), qPrintable(messages[0]));
        QVERIFY(f.form->Device().Link.mouseOpen()); // the program goes on with the mouse
    }
};

QTEST_MAIN(DataFolderNoticeTest)
#include "DataFolderNoticeTest.moc"
