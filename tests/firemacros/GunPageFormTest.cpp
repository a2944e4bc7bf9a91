// SPDX-License-Identifier: GPL-2.0-or-later
// The gun page on the real main form with the emulated mouse, driven as a person would: the
// Fire Macro entry of the game view, a gun, typed values at and beyond their limits, colour,
// stop-on-release, Confirm and Cancel; then what the emulated mouse holds, byte for byte,
// against the core's patch rules.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "config/ImageLayout.h"
#include "config/SectionChecksum.h"
#include "device/ui/DeviceCommands.h"
#include "firemacros/FireMacro.h"
#include "firemacros/FirePatch.h"
#include "firemacros/GunTable.h"
#include "firemacros/ui/FireMacroEditor.h"
#include "firemacros/ui/GunPage.h"
#include "firemacros/ui/GunSlotEdits.h"
#include "firemacros/GunForm.h"
#include "support/FormWithMouse.h"
#include "support/UserActions.h"
#include "ui/Navigation.h"
#include "ui/Shapes.h"
#include "ui/SkinLabel.h"

using namespace tarq;
using tarq::testing::PromptsOf;

namespace {

using tarq::testing::Click;

// Replaces the edit's text by typing, key by key, as a person selecting it and typing over.
void TypeOver(QLineEdit* edit, const QString& text)
{
    QVERIFY2(edit, "edit missing");
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// The form after the first device check has read the emulated mouse, in game view.
struct GunForm : tarq::testing::GunForm {
    // The function menu of button k, then its Fire Macro entry.
    void OpenGunPage(int k)
    {
        Click(form.control(QStringLiteral("Key%1").arg(k)));
        QWidget* entry = form.control("Key_FireMacro");
        QVERIFY(entry->isVisibleTo(form.control("Pnl_Main")));
        // The entry lies inside the menu's height in game view.
        QVERIFY(entry->y() + entry->height() <= form.control("Pnl_Main")->height());
        Click(entry);
    }

    QLineEdit* Edit(const QString& name) { return form.control<QLineEdit>(name); }
    std::vector<uint8_t> Memory() const { return {device.mouse->memory().begin(), device.mouse->memory().end()}; }
};

std::vector<uint8_t> Range(const std::vector<uint8_t>& m, size_t at, size_t n)
{
    return {m.begin() + long(at), m.begin() + long(at + n)};
}

bool RecordChecksumOk(std::span<const uint8_t> area, int m)
{
    const auto r = FireMacroRecordOf(area, m);
    const size_t length = r[1];
    if (length == 0)
        return true;
    return length <= fire_record::kMaxLength && SectionChecksum(r.subspan(1, length)) == r[length + 1];
}

} // namespace

class GunPageFormTest : public QObject {
    Q_OBJECT
private slots:
    void fireMacroEntryOpensTheGunPageForTheButton();
    void eachPresetIsPatchedConfirmedAndApplied_data();
    void eachPresetIsPatchedConfirmedAndApplied();
    void yOffsetIsKeptInsideASignedByteAndResetByY();
    void textThatIsNoWholeNumberIsRejected();
    void yTakesOnlyASignedByte();
    void cancelKeepsTheChangesUntilAConfirm();
    void theLastLeftClickIsKept();
    void confirmWithoutAStoringMouseWritesNothing();
};

void GunPageFormTest::fireMacroEntryOpensTheGunPageForTheButton()
{
    GunForm g;
    g.OpenGunPage(4);
    QVERIFY(g.form.control("gbPage5")->isVisible());
    QVERIFY(!g.form.control("gbPage1")->isVisible());
    QVERIFY(!g.form.control("Pnl_Main")->isVisible());
    QCOMPARE(g.form.Gun().SelectedGun(), 1);
    // Every image load fills the working copy from the area.
    const FireMacroArea& area = g.form.State().MacroAreas.fireMacroArea;
    QVERIFY(std::equal(area.begin(), area.begin() + kFireMacroWorkSize, g.form.State().FireMacroWork.begin()));
    QVERIFY(std::equal(area.begin(), area.end(), g.device.mouse->memory().begin() + 0x500));

    // Guns 6 and 7 show two and three columns and their mode icons.
    Click(g.form.control("Btn_Fire7"));
    QCOMPARE(g.form.Gun().SelectedGun(), 7);
    for (const char* name : {"Edt_FireCnt2", "Edt_FireCnt3", "Img_GunMode3", "Img_GunMode5"})
        QVERIFY2(g.form.control(name)->isVisible(), name);
    QVERIFY(!g.form.control("Img_GunMode1")->isVisible());
    Click(g.form.control("Btn_Fire6"));
    QVERIFY(g.form.control("Edt_FireCnt2")->isVisible());
    QVERIFY(!g.form.control("Edt_FireCnt3")->isVisible());
    Click(g.form.control("Btn_Fire2"));
    QVERIFY(!g.form.control("Edt_FireCnt2")->isVisible());

    // The pointer highlights a gun; leaving it restores the normal picture unless it is chosen.
    auto picture = [&g](const char* name) { return g.form.control<TSkinLabel>(name)->picture(); };
    QCOMPARE(picture("Img_Fire2"), QStringLiteral("Gun2_02"));
    QCOMPARE(picture("Img_Fire1"), QStringLiteral("Gun1_01"));
    auto* gun5 = g.form.control<TSkinLabel>("Btn_Fire5");
    emit gun5->mouseEntered();
    QCOMPARE(picture("Img_Fire5"), QStringLiteral("Gun5_02"));
    emit gun5->mouseLeft();
    QCOMPARE(picture("Img_Fire5"), QStringLiteral("Gun5_01"));
    emit g.form.control<TSkinLabel>("Btn_Fire2")->mouseLeft();
    QCOMPARE(picture("Img_Fire2"), QStringLiteral("Gun2_02"));
}

void GunPageFormTest::eachPresetIsPatchedConfirmedAndApplied_data()
{
    QTest::addColumn<int>("gun");
    for (int gun = 1; gun <= kGunCount; ++gun)
        QTest::newRow(qPrintable(QStringLiteral("gun %1").arg(gun))) << gun;
}

void GunPageFormTest::eachPresetIsPatchedConfirmedAndApplied()
{
    QFETCH(int, gun);
    GunForm g;
    const std::vector<uint8_t> before = g.Memory();
    FormState& s = g.form.State();

    // What the core's rules make of the same edits on the records as read.
    FireMacroArea area = s.MacroAreas.fireMacroArea;
    DataBuf buf = s.DataBuf;
    const int columns = GunColumnCount(gun);
    // Showing a gun sets the pointer kinds of its records: gun 1 when the page opens, then this one.
    for (int shownGun : {1, gun})
        for (int c = 1; c <= GunColumnCount(shownGun); ++c) {
            const int m = GunColumnRecord(shownGun, c);
            buf[databuf::kFirePointers + 3 * size_t(m - 1)] = area[FireMacroOffset(m)] == 1 ? 0x0E : 0x0B;
        }
    for (int c = 1; c <= columns; ++c) {
        const int m = GunColumnRecord(gun, c);
        auto record = FireMacroRecordOf(std::span<uint8_t>(area), m);
        const FirePatchPositions at = LoadFireParameters(record, c).positions;
        EditFireCount(record, at, "256");
        EditFireX(record, at, "-128");
        EditFireY(record, at, "127");
        EditFireInterval(record, at, "2040");
        const bool stop = record[0] != 1;
        record[0] = stop ? 1 : 0;
        buf[databuf::kFirePointers + 3 * size_t(m - 1)] = stop ? 0x0E : 0x0B;
        buf[databuf::kYOffsets + 2 * size_t(m - 1)] = 0x00;
        buf[databuf::kYOffsets + 2 * size_t(m - 1) + 1] = 0xFF;
        for (int ch = 0; ch < 3; ++ch)
            buf[databuf::kFireColours + 3 * size_t(m - 1) + size_t(ch)] = uint8_t(10 * c + ch);
    }

    g.OpenGunPage(4);
    Click(g.form.control(QStringLiteral("Btn_Fire%1").arg(gun)));
    PromptsOf(g.form).colour = [](const QColor& current) -> std::optional<QColor> {
        Q_UNUSED(current);
        return std::nullopt;
    };
    for (int c = 1; c <= columns; ++c) {
        const QString n = QString::number(c);
        TypeOver(g.Edit("Edt_FireCnt" + n), "300");
        QCOMPARE(g.Edit("Edt_FireCnt" + n)->text(), QStringLiteral("256"));
        TypeOver(g.Edit("Edt_FireX" + n), "-200");
        QCOMPARE(g.Edit("Edt_FireX" + n)->text(), QStringLiteral("-128"));
        TypeOver(g.Edit("Edt_FireY" + n), "200");
        QCOMPARE(g.Edit("Edt_FireY" + n)->text(), QStringLiteral("127"));
        QCOMPARE(g.Edit("Edt_FireY" + n + "Offset")->text(), QStringLiteral("0"));
        TypeOver(g.Edit("Edt_FireTime" + n), "2047");
        QCOMPARE(g.Edit("Edt_FireTime" + n)->text(), QStringLiteral("2040"));
        Click(g.form.control("lbl_FireRKFS" + n));
        PromptsOf(g.form).colour = [c](const QColor&) -> std::optional<QColor> {
            return QColor(10 * c, 10 * c + 1, 10 * c + 2);
        };
        Click(g.form.control("IB_FireColor" + n));
        QCOMPARE(g.form.control<TRectShape>("cs_FireColor" + n)->brushColor(), QColor(10 * c, 10 * c + 1, 10 * c + 2));
    }
    QVERIFY(g.messages.isEmpty());
    QVERIFY(area != s.MacroAreas.fireMacroArea);
    QVERIFY(std::equal(area.begin(), area.begin() + kFireMacroWorkSize, s.FireMacroWork.begin()));
    QCOMPARE(Range(g.Memory(), 0, 0x800), before);   // nothing reaches the mouse before Confirm

    Click(g.form.control("Btn_FireConfirm"));
    QVERIFY2(g.messages.isEmpty(), qPrintable(g.messages.join('\n')));
    QVERIFY(g.form.control("gbPage1")->isVisible());
    const std::string code = GunKeyCode(gun, 2, 3);
    QCOMPARE(g.form.control<QLabel>("Key4")->text(), s.Text(599 + gun));
    QCOMPARE(s.GameKeyCodes[3], code);

    const std::vector<uint8_t> after = g.Memory();
    QCOMPARE(Range(after, 0x500, 256), std::vector<uint8_t>(area.begin(), area.end()));
    QCOMPARE(Range(after, 0x080, 30), Range(std::vector<uint8_t>(buf.begin(), buf.end()), databuf::kFirePointers, 30));
    QCOMPARE(Range(after, 0x0B0, 20), Range(std::vector<uint8_t>(buf.begin(), buf.end()), databuf::kYOffsets, 20));
    QCOMPARE(Range(after, 0x0D0, 30), Range(std::vector<uint8_t>(buf.begin(), buf.end()), databuf::kFireColours, 30));
    for (int m = 1; m <= kFireMacroCount; ++m)
        QVERIFY(RecordChecksumOk(std::span<const uint8_t>(after).subspan(0x500, 256), m));
    // Nothing else: the button's code waits for Apply.
    std::vector<uint8_t> rest = after;
    std::vector<uint8_t> was = before;
    for (auto [at, n] : {std::pair<size_t, size_t>{0x500, 256}, {0x080, 30}, {0x0B0, 20}, {0x0D0, 30}}) {
        std::fill_n(rest.begin() + long(at), n, 0);
        std::fill_n(was.begin() + long(at), n, 0);
    }
    QCOMPARE(rest, was);

    // Apply brings the button's code and keeps the fire data as confirmed.
    g.form.Commands().Btn_Apply_0Click();
    const std::vector<uint8_t> applied = g.Memory();
    const size_t key = 0x040 + databuf::KeyCodeOffset(2, 4) - layout::kProfile.dataBufOffset;
    const std::optional<KeyCode> bytes = ParseKeyCode(code);
    QCOMPARE(Range(applied, key, 3), (std::vector<uint8_t>{bytes->type, bytes->data1, bytes->data2}));
    QCOMPARE(Range(applied, 0x500, 256), Range(after, 0x500, 256));
    QCOMPARE(Range(applied, 0x080, 0x70), Range(after, 0x080, 0x70));
    // It reads back the same.
    g.form.Commands().Btn_Read_0Click();
    QCOMPARE(std::vector<uint8_t>(s.MacroAreas.fireMacroArea.begin(), s.MacroAreas.fireMacroArea.end()),
             Range(after, 0x500, 256));
    QVERIFY(std::equal(s.FireMacroWork.begin(), s.FireMacroWork.end(), after.begin() + 0x500));
}

void GunPageFormTest::yOffsetIsKeptInsideASignedByteAndResetByY()
{
    GunForm g;
    g.OpenGunPage(4);
    FormState& s = g.form.State();
    TypeOver(g.Edit("Edt_FireY1"), "100");
    // The offset edit is not typed into; the engineer page and the tables fill it.
    g.Edit("Edt_FireY1Offset")->setText("50");
    QCOMPARE(g.Edit("Edt_FireY1Offset")->text(), QStringLiteral("27"));
    QCOMPARE(s.DataBuf[databuf::kYOffsets], uint8_t{27});
    QCOMPARE(s.DataBuf[databuf::kYOffsets + 1], uint8_t{255 - 27});
    QCOMPARE(g.Edit("edt_YOffset1")->text(), QStringLiteral("27"));

    TypeOver(g.Edit("Edt_FireY1"), "0");
    QCOMPARE(g.Edit("Edt_FireY1Offset")->text(), QStringLiteral("0"));
    QCOMPARE(s.DataBuf[databuf::kYOffsets], uint8_t{0});
    QCOMPARE(s.DataBuf[databuf::kYOffsets + 1], uint8_t{0xFF});
    g.Edit("Edt_FireY1Offset")->setText("-128");
    QCOMPARE(g.Edit("Edt_FireY1Offset")->text(), QStringLiteral("-128"));
    QCOMPARE(s.DataBuf[databuf::kYOffsets], uint8_t{0x80});
    QCOMPARE(s.DataBuf[databuf::kYOffsets + 1], uint8_t{0x7F});
}

void GunPageFormTest::textThatIsNoWholeNumberIsRejected()
{
    GunForm g;
    g.OpenGunPage(4);
    const FireMacroWork work = g.form.State().FireMacroWork;
    TypeOver(g.Edit("Edt_FireX1"), "-");
    QVERIFY(g.messages.isEmpty());   // a lone minus waits for digits
    QTest::keyClicks(g.Edit("Edt_FireX1"), "5-");
    QCOMPARE(g.messages.size(), 1);
    QVERIFY2(g.messages[0].contains("\"-5-\""), qPrintable(g.messages[0]));
    g.Edit("Edt_FireX1")->setText("-5");
    g.messages.clear();
    FireMacroWork patched = g.form.State().FireMacroWork;
    g.Edit("Edt_FireX1")->setText("-5x");
    QCOMPARE(g.messages.size(), 1);
    QCOMPARE(g.form.State().FireMacroWork, patched);
    Q_UNUSED(work);
}

void GunPageFormTest::yTakesOnlyASignedByte()
{
    GunForm g;
    FormState& s = g.form.State();
    g.OpenGunPage(4);
    const int m = GunColumnRecord(1, 1);
    const auto y = LoadFireParameters(FireMacroRecordOf(std::span<const uint8_t>(s.FireMacroWork), m), 1).positions.y;
    QVERIFY(y.has_value());
    const size_t at = FireMacroOffset(m) + *y;
    QLineEdit* edit = g.Edit("Edt_FireY1");

    // Letters and a second minus never enter the field, so there is nothing to complain about.
    TypeOver(edit, "a1b-");
    QCOMPARE(edit->text(), QStringLiteral("1"));
    QCOMPARE(s.FireMacroWork[at], uint8_t{1});
    // A lone minus stays as typed and waits for its digits; the move then goes up.
    TypeOver(edit, "-");
    QCOMPARE(edit->text(), QStringLiteral("-"));
    QCOMPARE(s.FireMacroWork[at], uint8_t{1});
    QTest::keyClicks(edit, "-40");
    QCOMPARE(edit->text(), QStringLiteral("-40"));
    QCOMPARE(s.FireMacroWork[at], uint8_t(int8_t(-40)));
    TypeOver(edit, "-999");
    QCOMPARE(edit->text(), QStringLiteral("-128"));
    QCOMPARE(s.FireMacroWork[at], uint8_t{0x80});
    QVERIFY2(g.messages.isEmpty(), qPrintable(g.messages.join('\n')));

    // Confirm takes the upward move to the mouse, and the page shows it again.
    Click(g.form.control("Btn_FireConfirm"));
    QCOMPARE(g.device.mouse->memory()[0x500 + at], uint8_t{0x80});
    QVERIFY(RecordChecksumOk(std::span<const uint8_t>(g.device.mouse->memory()).subspan(0x500, 256), m));
    g.OpenGunPage(4);
    QCOMPARE(edit->text(), QStringLiteral("-128"));
}

void GunPageFormTest::cancelKeepsTheChangesUntilAConfirm()
{
    GunForm g;
    FormState& s = g.form.State();
    const std::vector<uint8_t> before = g.Memory();
    const FireMacroArea area = s.MacroAreas.fireMacroArea;
    g.OpenGunPage(4);
    const FireMacroWork read = s.FireMacroWork;
    TypeOver(g.Edit("Edt_FireCnt1"), "7");
    const FireMacroWork changed = s.FireMacroWork;
    QCOMPARE(changed[2 + 1], uint8_t{6});   // the count byte after FD
    QVERIFY(changed != read);
    Click(g.form.control("Btn_FireExit"));
    QVERIFY(g.form.control("gbPage1")->isVisible());
    QVERIFY(!g.form.control("gbPage5")->isVisible());
    QCOMPARE(s.FireMacroWork, changed);
    QCOMPARE(s.MacroAreas.fireMacroArea, area);
    QCOMPARE(g.Memory(), before);
    QVERIFY(g.form.control<QLabel>("Key4")->text() != s.Text(600));

    // The next Confirm commits what Cancel left.
    g.OpenGunPage(4);
    QCOMPARE(g.Edit("Edt_FireCnt1")->text(), QStringLiteral("7"));
    Click(g.form.control("Btn_FireConfirm"));
    QVERIFY(std::equal(changed.begin(), changed.end(), g.device.mouse->memory().begin() + 0x500));
}

void GunPageFormTest::theLastLeftClickIsKept()
{
    GunForm g;
    FormState& s = g.form.State();
    QCOMPARE(g.form.control<QLabel>("Key1")->text(), s.Text(210));
    const std::vector<uint8_t> before = g.Memory();
    const ButtonKeyCodes codes = s.GameKeyCodes;
    g.OpenGunPage(1);
    TypeOver(g.Edit("Edt_FireCnt1"), "9");
    Click(g.form.control("Btn_FireConfirm"));
    QCOMPARE(g.messages, QStringList{s.Text(108)});
    QCOMPARE(g.form.control<QLabel>("Key1")->text(), s.Text(210));
    QCOMPARE(s.GameKeyCodes, codes);
    QCOMPARE(g.Memory(), before);
}

void GunPageFormTest::confirmWithoutAStoringMouseWritesNothing()
{
    GunForm g;
    FormState& s = g.form.State();
    const FireMacroArea committed = s.MacroAreas.fireMacroArea;
    g.device.mouse->faults.configNotReady = true;
    const std::vector<uint8_t> before = g.Memory();
    g.OpenGunPage(4);
    TypeOver(g.Edit("Edt_FireCnt1"), "9");
    Click(g.form.control("Btn_FireConfirm"));
    QCOMPARE(g.messages, QStringList{s.Text(893)});   // the mouse is not ready: said, not silent
    QCOMPARE(g.Memory(), before);
    // The binding is made and the records are committed for the next Apply.
    QCOMPARE(s.GameKeyCodes[3], std::string("0C0101"));
    QVERIFY(s.MacroAreas.fireMacroArea != committed);
    QVERIFY(g.form.State().DevTimer.isActive());
}

QTEST_MAIN(GunPageFormTest)
#include "GunPageFormTest.moc"
