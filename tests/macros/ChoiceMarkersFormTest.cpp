// SPDX-License-Identifier: GPL-2.0-or-later
// The round markers of the macro page's delay and release choices, of its insert panel and of
// the fire macro editor, clicked as a person clicks them: a marker chooses exactly as its
// caption does, down to the macro library file.

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "firemacros/GunForm.h"
#include "macros/MacroBody.h"
#include "macros/MacroFiles.h"
#include "macros/ui/MacroEditor.h"
#include "macros/ui/MacroLibraryStore.h"
#include "platform/ReadFileBytes.h"
#include "support/FormWithMouse.h"
#include "support/UserActions.h"
#include "ui/SkinLabel.h"

using namespace tarq;

namespace {

void ClickMarker(TForm1& form, const char* marker)
{
    testing::Click(form.control(QString::fromLatin1(marker)));
}

// The marker of each choice is lit and its radio checked; the others of its group are not.
void ExpectChosen(TForm1& form, std::initializer_list<std::pair<const char*, const char*>> group, int chosen)
{
    int n = 0;
    for (const auto& [marker, radio] : group) {
        const bool on = n++ == chosen;
        QVERIFY2(form.control<QRadioButton>(QString::fromLatin1(radio))->isChecked() == on, radio);
        QCOMPARE(form.control<TSkinLabel>(QString::fromLatin1(marker))->picture(),
                 on ? QStringLiteral("RdS_E") : QStringLiteral("RdS_D"));
    }
}

const MacroScript kTap{"00", "1 A CODE:8204", "0 50", "2 A CODE:0204"};

} // namespace

class ChoiceMarkersFormTest : public QObject {
    Q_OBJECT
private slots:
    void macroPageMarkersChooseAsTheirCaptions();
    void fireEditorMarkersChooseAsTheirCaptions();
};

void ChoiceMarkersFormTest::macroPageMarkersChooseAsTheirCaptions()
{
    testing::FormWithMouse device;
    TForm1& form = *device.form;
    QTemporaryDir dir;
    QStringList messages;
    form.ShowDialogMessage = [&](const QString& text) { messages << text; };
    QVERIFY(device.OpenMouse());
    form.State().NoDeviceView = false;
    form.State().DataFolder = dir.path() + QLatin1Char('/');
    form.MacroLibrary().LoadMacroLibrary();
    MacroRecord tap;
    tap.name = MacroNameFromUtf16(u"Tap");
    tap.body = BuildMacroBody(kTap, ReleaseMode::PlayToEnd).body;
    form.State().PcMacros[0] = tap;
    form.MacroLibrary().RefreshPCMacroName();
    form.show();
    testing::Click(form.control("Btn_Macro_1"));
    auto* names = form.control<QListWidget>("LB_PCMacroName");
    testing::ClickRow(names, 0);
    QCOMPARE(names->currentRow(), 0);

    const std::initializer_list<std::pair<const char*, const char*>> delays{
        {"Img_RecDelay", "rb_RecDelay"}, {"Img_DelayTime", "rb_DelayTime"}, {"Img_NoDelay", "rb_NoDelay"}};
    ClickMarker(form, "Img_NoDelay");
    ExpectChosen(form, delays, 2);
    ClickMarker(form, "Img_DelayTime");
    ExpectChosen(form, delays, 1);

    // The release choice of the shown macro is stored at once, in memory and in Macro.bin.
    const std::initializer_list<std::pair<const char*, const char*>> release{
        {"Img_ReleaseStop", "rb_ReleaseStop"}, {"Img_ReleaseContiue", "rb_ReleaseContinue"}};
    ClickMarker(form, "Img_ReleaseStop");
    ExpectChosen(form, release, 0);
    const MacroBody stop = BuildMacroBody(kTap, ReleaseMode::StopOnRelease).body;
    QCOMPARE(form.State().PcMacros[0].body, stop);
    const auto file = ReadFileBytes(form.MacroLibrary().MacroFilePath(), 1 << 20);
    QVERIFY(file);
    QCOMPARE(ReadMacroLibraryFile(*file)[0].body, stop);
    ClickMarker(form, "Img_ReleaseContiue");
    ExpectChosen(form, release, 1);
    QCOMPARE(form.State().PcMacros[0].body, BuildMacroBody(kTap, ReleaseMode::PlayToEnd).body);

    // The insert panel's recording choices, for recorded keys.
    testing::RightClickRow(form.control<QListWidget>("LB_macro"), 0);
    testing::Click(form.control("Btn_Insert"));
    auto* items = form.control<QComboBox>("CB_Insert");
    items->setCurrentIndex(2);
    emit items->activated(2);
    const std::initializer_list<std::pair<const char*, const char*>> insert{
        {"Img_InsertRecDelay", "rb_InsertRecDelay"}, {"Img_InsertDelayTime", "rb_InsertDelayTime"},
        {"Img_InsertNoDelay", "rb_InsertNoDelay"}};
    ClickMarker(form, "Img_InsertNoDelay");
    ExpectChosen(form, insert, 2);
    ClickMarker(form, "Img_InsertDelayTime");
    ExpectChosen(form, insert, 1);
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
}

void ChoiceMarkersFormTest::fireEditorMarkersChooseAsTheirCaptions()
{
    testing::GunForm g;
    g.OpenGunPageFor(4);
    g.OpenEditor();
    QVERIFY(g.form.control("LED_FireNoDelay")->isVisible());
    ClickMarker(g.form, "LED_FireNoDelay");
    ExpectChosen(g.form, {{"LED_FireRecDelay", "rb_FireRecDelay"}, {"LED_FireDelayTime", "rb_FireDelayTime"},
                          {"LED_FireNoDelay", "rb_FireNoDelay"}}, 2);
    const bool stop = g.form.control<QRadioButton>("rb_FireReleaseStop")->isChecked();
    ClickMarker(g.form, stop ? "Img_FireReleaseContiue" : "Img_FireReleaseStop");
    ExpectChosen(g.form, {{"Img_FireReleaseStop", "rb_FireReleaseStop"}, {"Img_FireReleaseContiue", "rb_FireReleaseContinue"}},
                 stop ? 1 : 0);
}

QTEST_MAIN(ChoiceMarkersFormTest)
#include "ChoiceMarkersFormTest.moc"
