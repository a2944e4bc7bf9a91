// SPDX-License-Identifier: GPL-2.0-or-later
// The device commands of the real main form under misuse: profiles that would lock the
// program out of the mouse, files that are not profiles, writes cut by an unplug, another
// program holding the mouse, and the save dialog's overwrite question.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "config/ConfigImage.h"
#include "settings/KeyCode.h"
#include "device/ui/DeviceCommands.h"
#include "support/FormWithMouse.h"
#include "ui/FileDialogs.h"

#include <sys/stat.h>

using namespace tarq;
using tarq::testing::FormWithMouse;
using tarq::testing::PromptsOf;

namespace {

struct Fixture : FormWithMouse {
    Fixture()
    {
        form->ShowStandardMessage = [this](const QString& text) { messages << text; };
        form->ShowDialogMessage = [this](const QString& text) { messages << text; };
        PromptsOf(*form).confirm = [this](const QString& text) {
            questions << text;
            return answer;
        };
        form->State().DataFolder = dir.path() + QLatin1Char('/');
    }
    void Tick() { form->Commands().DevTimerTimer(); }
    DeviceCommands& commands() { return form->Commands(); }
    std::vector<uint8_t> memory() const { return {mouse->memory().begin(), mouse->memory().end()}; }
    QString Write(const QString& name, const std::vector<uint8_t>& bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        return path;
    }

    QTemporaryDir dir;
    QStringList messages;
    QStringList questions;
    bool answer = false;
};

std::vector<uint8_t> Defaults() { return {DefaultImage(1).begin(), DefaultImage(1).end()}; }

} // namespace

class DeviceMisuseTest : public QObject {
    Q_OBJECT
private slots:
    void loadAsksBeforeAProfileThatFailsItsCheck();
    void loadRefusesWhatIsNotARegularFileAtOnce();
    void writeCutByAnUnplugIsWrittenAgainWhenTheMouseIsBack();
    void mouseHeldByAnotherProgramIsTriedAgainQuietly();
    void saveDialogAsksAboutTheFileReallyWritten();
};

void DeviceMisuseTest::loadAsksBeforeAProfileThatFailsItsCheck()
{
    Fixture f;
    f.Tick();
    QVERIFY(f.form->Device().Link.mouseOpen());
    const std::vector<uint8_t> before = f.memory();

    // Foreign codes and a damaged profile section: named in the question; No writes nothing.
    std::vector<uint8_t> profile = Defaults();
    profile[layout::kDeviceCodesAddress] = 0x63;
    profile[0x076] ^= 0xFF;
    const QString path = f.Write("foreign.bin", profile);
    PromptsOf(*f.form).file = [&](UserPrompts::FileUse) { return path; };
    f.commands().Btn_Load_0Click();
    QCOMPARE(f.questions.size(), 1);
    const QString& q = f.questions[0];
    QVERIFY2(q.contains(path) && q.contains(f.form->State().Text(DeviceCommands::kTextFirstProfileFault + 2))
                 && q.contains(f.form->State().Text(DeviceCommands::kTextFirstProfileFault + 4))
                 && !q.contains(f.form->State().Text(DeviceCommands::kTextFirstProfileFault)),
             qPrintable(q));
    QCOMPARE(f.memory(), before);
    QCOMPARE(std::vector<uint8_t>(f.form->State().DeviceImage.begin(), f.form->State().DeviceImage.end()), before);

    // Yes: the user's choice is written as it is.
    f.answer = true;
    f.commands().Btn_Load_0Click();
    QCOMPARE(f.memory(), profile);

    // A profile that passes is loaded without a question.
    f.questions.clear();
    std::vector<uint8_t> good = Defaults();
    good[0x300] = 0x5A;
    const QString goodPath = f.Write("good.bin", good);
    PromptsOf(*f.form).file = [&](UserPrompts::FileUse) { return goodPath; };
    f.Tick(); // the mouse with foreign codes is refused by the device check; the RESET way back is the window's
    f.form->Device().Link.OpenMouseInterface(kMouseVendorId, kMouseProductId, f.form->Device().Link.DeviceVersion);
    f.commands().Btn_Load_0Click();
    QVERIFY(f.questions.isEmpty());
    QCOMPARE(f.memory(), good);
}

void DeviceMisuseTest::loadRefusesWhatIsNotARegularFileAtOnce()
{
    Fixture f;
    f.Tick();
    const std::vector<uint8_t> before = f.memory();
    const QString fifo = f.dir.filePath("pipe.bin");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = f.dir.filePath("folder.bin");
    QVERIFY(QDir().mkpath(folder));
    const QString zero = f.dir.filePath("zero.bin");
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), zero));
    for (const QString& bad : {fifo, folder, zero}) {
        f.messages.clear();
        PromptsOf(*f.form).file = [&](UserPrompts::FileUse) { return bad; };
        QElapsedTimer took;
        took.start();
        f.commands().Btn_Load_0Click();
        QVERIFY(took.elapsed() < 2000);
        QCOMPARE(f.messages.size(), 1);
        QVERIFY2(f.messages[0].contains("not a profile") && f.messages[0].contains("not a regular file"),
                 qPrintable(f.messages[0]));
        QCOMPARE(f.memory(), before);
    }
}

void DeviceMisuseTest::writeCutByAnUnplugIsWrittenAgainWhenTheMouseIsBack()
{
    Fixture f;
    f.Tick();
    QVERIFY(WriteButtonKeyCode(f.form->State().DataBuf, 1, 3, "020004"));
    f.mouse->faults.unplugAfterReports = f.mouse->reportsSeen() + 200;
    f.commands().Btn_Apply_0Click();
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.messages[0].contains(f.form->State().Text(DeviceCommands::kTextWriteCut)));
    f.Tick();
    QCOMPARE(f.messages.size(), 1); // one unplug, one message
    QVERIFY(ReadButtonKeyCodes(DataBuf{}, 1)[2] != "020004");

    // Back again: the mouse is read, then the user is offered the write again.
    f.mouse->faults.unplugAfterReports = -1;
    f.bus->setMousePresent(f.mouse, true);
    f.answer = true;
    f.Tick();
    QCOMPARE(f.questions, QStringList{f.form->State().Text(DeviceCommands::kTextWriteAgain)});
    const DeviceImage& written = f.form->State().DeviceImage;
    QCOMPARE(f.memory(), std::vector<uint8_t>(written.begin(), written.end()));
    DataBuf inMouse{};
    ImageToDataBuf(written, inMouse);
    QCOMPARE(ReadButtonKeyCodes(inMouse, 1)[2], std::string("020004"));
    QCOMPARE(f.messages.size(), 1);
    // Asked once only.
    f.commands().Btn_Read_0Click();
    QCOMPARE(f.questions.size(), 1);
}

void DeviceMisuseTest::mouseHeldByAnotherProgramIsTriedAgainQuietly()
{
    Fixture f;
    std::shared_ptr<void> other = f.mouse->takeLock();
    f.Tick();
    QVERIFY(!f.form->Device().Link.mouseOpen());
    QVERIFY(f.form->Device().Link.MouseInUse);
    QVERIFY(f.messages.isEmpty());
    f.Tick();
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.mouse->reportsSeen(), 0);

    // The other program lets go: the next check takes and reads the mouse, and keeps its lock.
    other.reset();
    f.Tick();
    QVERIFY(f.form->Device().Link.mouseOpen());
    QVERIFY(!f.form->State().NoDeviceView);
    QVERIFY(!f.mouse->takeLock());
    // Another device arriving or leaving reopens the mouse without tripping over its own lock.
    f.bus->add({"emulated:other", {0x1234, 0x5678, 1, 0}, true, true, nullptr});
    f.Tick();
    f.bus->find("emulated:other")->present = false;
    f.Tick();
    QVERIFY(f.form->Device().Link.mouseOpen());
    QVERIFY(f.messages.isEmpty());
}

void DeviceMisuseTest::saveDialogAsksAboutTheFileReallyWritten()
{
    QTemporaryDir dir;
    const QString existing = dir.filePath("profile.bin");
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("kept");
    file.close();

    // The user types "profile" without the extension; the dialog must ask before "profile.bin"
    // is replaced. The answer is No, then the dialog is cancelled.
    bool asked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->setDirectory(dir.path());
        dialog->selectFile(QStringLiteral("profile"));
        QTimer::singleShot(0, [&, dialog] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = true;
                box->button(QMessageBox::No) ? box->button(QMessageBox::No)->click() : box->reject();
            }
            dialog->reject();
        });
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const QString chosen = ChooseBinFileToSave(nullptr);
    QVERIFY(asked);
    QVERIFY(chosen.isEmpty());
    QCOMPARE(BinFileName(QStringLiteral("a")), QStringLiteral("a.bin"));
    QCOMPARE(BinFileName(QStringLiteral("a.BIN")), QStringLiteral("a.BIN"));
}

QTEST_MAIN(DeviceMisuseTest)
#include "DeviceMisuseTest.moc"
