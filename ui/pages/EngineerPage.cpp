// SPDX-License-Identifier: GPL-2.0-or-later
// Page 6, the engineer page: banner, close and result marks, the two button rows, the tab
// control with the operator tab, and the hint line.

#include "ui/pages/Pages.h"
#include "ui/pages/EngineerPageControls.h"
#include "config/EngineerSettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>

#include "ui/HexEdit.h"
#include "ui/SkinLabel.h"
#include "ui/pages/EngineerText.h"
#include "ui/pages/PageKit.h"

namespace tarq::pages {

namespace {

constexpr int kRowHeight = 26;
constexpr int kButtonWidth = 120;
constexpr int kButtonSpacing = 126;

QStringList Numbers(int first, int last)
{
    QStringList items;
    for (int v = first; v <= last; ++v)
        items << QString::number(v);
    return items;
}

const QStringList& DpiValues()
{
    static const QStringList values = {"500", "800", "1000", "1200", "1600", "2000",
                                       "2400", "3200", "4000", "4800", "6400", "8000"};
    return values;
}

// An on/off pair of radio buttons in a group box of its own.
RadioPair OnOffGroup(QWidget* tab, const QString& group, int titleId, const QString& on,
                     const QString& off, QRect rect)
{
    QGroupBox* box = Group(tab, group, EngineerText(titleId), rect);
    auto* pair = new QButtonGroup(box);
    RadioPair radios{Radio(box, on, EngineerText(21), QRect(10, 20, 60, 20), pair),
                     Radio(box, off, EngineerText(22), QRect(76, 20, 60, 20), pair)};
    radios.on->setChecked(true);
    return radios;
}

void BuildLightingGroups(QWidget* tab, EngineerSettingsControls& c)
{
    QGroupBox* type = Group(tab, "gbLEDType", EngineerText(15), QRect(8, 6, 150, 104));
    auto* types = new QButtonGroup(type);
    const char* typeNames[] = {"rb_MCULED", "rb_RBLED", "rb_SyncLED", "rb_BreLED"};
    for (int i = 0; i < 4; ++i)
        c.ledTypes[size_t(i)] = Radio(type, typeNames[i], EngineerText(16 + i), QRect(10, 20 + i * 20, 130, 20), types);
    c.ledTypes[0]->setChecked(true);
    type->setEnabled(false);
    c.ledTypeGroup = type;

    c.ledOn = OnOffGroup(tab, "gbLEDStatus", 20, "rb_LEDOn", "rb_LEDOff", QRect(8, 114, 150, 48));
    c.ledOnOffChord = OnOffGroup(tab, "gbB4CPI", 23, "rb_B4CPIOn", "rb_B4CPIOff", QRect(8, 166, 150, 48));
    c.ledModeChord = OnOffGroup(tab, "gbLCPI", 30, "rb_LCPIOn", "rb_LCPIOff", QRect(8, 218, 150, 48));
    c.ledModeChordGroup = qobject_cast<QGroupBox*>(c.ledModeChord.on->parentWidget());
    c.keepKeyMode = OnOffGroup(tab, "gbSaveKeyMode", 61, "rb_Save", "rb_NoSave", QRect(8, 270, 150, 48));
    c.keepKeyMode.on->setText(EngineerText(62));
    c.keepKeyMode.off->setText(EngineerText(63));
    c.keepKeyMode.off->setGeometry(70, 20, 76, 20);

    QGroupBox* fireFn = Group(tab, "gbFireFn", EngineerText(24), QRect(164, 6, 170, 66));
    auto* fn = new QButtonGroup(fireFn);
    c.fireFn.on = Radio(fireFn, "rb_FireFnOn", EngineerText(25), QRect(10, 20, 150, 20), fn);
    c.fireFn.off = Radio(fireFn, "rb_FireFnOff", EngineerText(26), QRect(10, 40, 150, 20), fn);
    c.fireFn.off->setChecked(true);

    QGroupBox* fireMode = Group(tab, "gbFireMode", EngineerText(27), QRect(164, 76, 170, 76));
    Caption(fireMode, "lbl_FireCount", EngineerText(28), QRect(10, 20, 80, 22));
    c.fireCount = Combo(fireMode, "cb_FireCount", QRect(92, 20, 68, 22), Numbers(1, 256));
    Caption(fireMode, "lbl_FireTime", EngineerText(29), QRect(10, 46, 80, 22));
    c.fireTime = IntEdit(fireMode, "edt_FireTime", QRect(92, 46, 68, 22), 3);

    QGroupBox* brightness = Group(tab, "gbMCULEDControlMode", EngineerText(31), QRect(164, 156, 170, 48));
    auto* levels = new QButtonGroup(brightness);
    c.fullBrightness.on = Radio(brightness, "rb_MCULED3Control", EngineerText(32), QRect(10, 20, 76, 20), levels);
    c.fullBrightness.off = Radio(brightness, "rb_MCULED6Control", EngineerText(33), QRect(88, 20, 80, 20), levels);
    c.fullBrightness.on->setChecked(true);
    c.brightnessGroup = brightness;

    c.keyCount = OnOffGroup(tab, "gbKeys", 73, "rb_6Keys", "rb_9Keys", QRect(164, 208, 170, 48));
    c.keyCount.on->setText(EngineerText(74));
    c.keyCount.off->setText(EngineerText(75));
    c.keyCount.off->hide();

    QGroupBox* switchFn = Group(tab, "gbSwitchFn", EngineerText(57), QRect(164, 260, 170, 78));
    c.longPress[0] = Check(switchFn, "cb_MidPress", EngineerText(58), QRect(10, 18, 156, 20));
    c.longPress[1] = Check(switchFn, "cb_CPIPress", EngineerText(59), QRect(10, 37, 156, 20));
    c.longPress[2] = Check(switchFn, "cb_GunPress", EngineerText(60), QRect(10, 56, 156, 20));

    QGroupBox* current = Group(tab, "gbMCULEDCurrent", EngineerText(37), QRect(340, 6, 200, 104));
    Caption(current, "lbl_MCULEDNum", EngineerText(38), QRect(10, 20, 90, 22));
    c.mcuLedCount = IntEdit(current, "edt_MCULEDNum", QRect(104, 20, 40, 22), 2, "13");
    Caption(current, "lbl_MCULEDCurrentMode", EngineerText(39), QRect(10, 46, 90, 22));
    c.mcuCurrentMode = Combo(current, "cb_MCULEDCurrentMode", QRect(104, 46, 88, 22), EngineerItems("cb_MCULEDCurrentMode"));
    Caption(current, "lbl_MCULEDCrtStep", EngineerText(47), QRect(10, 72, 90, 22));
    c.mcuLedStep = IntEdit(current, "edt_MCULEDCrtStep", QRect(104, 72, 40, 22), 1, "0");
    c.mcuCurrentGroup = current;

    QGroupBox* rb = Group(tab, "gbRBLEDMode", EngineerText(48), QRect(340, 114, 200, 52));
    Caption(rb, "lbl_RBLEDCurrentMode", EngineerText(49), QRect(10, 22, 80, 22));
    c.rbCurrentMode = Combo(rb, "cb_RBLEDCurrentMode", QRect(90, 22, 102, 22), EngineerItems("cb_RBLEDCurrentMode"));
    rb->hide();   // shown for the RB LED only
    c.rbModeGroup = rb;
}

void BuildDpiGroups(QWidget* tab, EngineerSettingsControls& c)
{
    QGroupBox* colours = Group(tab, "gbMCULEDCPIColor", EngineerText(34), QRect(546, 6, 414, 208));
    const char channels[] = {'R', 'G', 'B'};
    for (int n = 1; n <= kDpiLevelSlots; ++n) {
        for (int ch = 0; ch < 3; ++ch) {
            const QString name = QString::number(n) + QLatin1Char(channels[ch]);
            const int x = 14 + ch * 130;
            const int y = 20 + (n - 1) * 26;
            c.levelColourCaptions[size_t(n - 1)][size_t(ch)] = Caption(colours, "lbl_CPI" + name, name + ":", QRect(x, y, 30, 22));
            c.levelColours[size_t(n - 1)][size_t(ch)] = IntEdit(colours, "edt_CPI" + name, QRect(x + 34, y, 60, 22), 3, "0");
        }
    }
    c.levelColourGroup = colours;

    QGroupBox* cpi = Group(tab, "gbCPI", EngineerText(76), QRect(546, 218, 414, 120));
    Caption(cpi, "lbl_CPIStep", EngineerText(77), QRect(10, 20, 76, 22));
    c.levelCount = Combo(cpi, "cb_CPIStep", QRect(88, 20, 54, 22), Numbers(2, kDpiLevelSlots));
    c.levelCount->setCurrentIndex(5);
    Caption(cpi, "lbl_CurrentCPI", EngineerText(78), QRect(150, 20, 84, 22));
    c.currentLevel = Combo(cpi, "cb_CurrentCPI", QRect(236, 20, 54, 22), Numbers(1, kDpiLevelSlots));
    c.currentLevel->setCurrentIndex(6);
    auto* levels = new QButtonGroup(cpi);
    for (int n = 1; n <= kDpiLevelSlots; ++n) {
        const int x = 10 + ((n - 1) / 3) * 136;
        const int y = 46 + ((n - 1) % 3) * 24;
        const size_t i = size_t(n - 1);
        c.levelCaptions[i] = Caption(cpi, Numbered("lbl_CPI", n), EngineerText(78 + n), QRect(x, y, 50, 22));
        c.levels[i] = Combo(cpi, Numbered("cb_CPI", n), QRect(x + 52, y, 72, 22), DpiValues());
        c.levelMarks[i] = HiddenRadio(cpi, Numbered("rb_DPI", n), levels);
        c.levelMarks[i]->setChecked(n == 7);
    }
}

void BuildKeyGroups(QWidget* tab, EngineerSettingsControls& c)
{
    const int x = 340;
    Caption(tab, "lbl_VendorID", EngineerText(35), QRect(x + 6, 174, 90, 22));
    c.vendorCode = IntEdit(tab, "edt_VendorID", QRect(x + 98, 174, 50, 22), 3);
    Caption(tab, "lbl_ProductID", EngineerText(36), QRect(x + 6, 200, 90, 22));
    c.productCode = IntEdit(tab, "edt_ProductID", QRect(x + 98, 200, 50, 22), 3);
    c.orientationCaption = Caption(tab, "lbl_SensorOri", EngineerText(64), QRect(x + 6, 226, 90, 22));
    c.orientationCaption->setEnabled(false);
    c.orientation = Combo(tab, "cb_SensorOri", QRect(x + 98, 226, 100, 22), EngineerItems("cb_SensorOri"));
    c.orientation->setEnabled(false);
    Caption(tab, "lbl_TLAIMKey", EngineerText(86), QRect(x + 6, 252, 90, 22));
    c.aimLevel = Combo(tab, "cb_AIMKeyValue", QRect(x + 98, 252, 100, 22), DpiValues().mid(0, 11));
    Caption(tab, "lbl_KeyMode", EngineerText(87), QRect(x + 6, 278, 90, 22));
    c.keyMode = Combo(tab, "cb_KeyMode", QRect(x + 98, 278, 100, 22), EngineerItems("cb_KeyMode"));
    c.smooth = Check(tab, "cb_Smooth", QString::fromUtf8("\xE5\xB9\xB3\xE6\xBB\x91\xE6\x89\x93\xE5\xBC\x80"),
                     QRect(x + 98, 306, 100, 22));

    // Key buttons of the two key modes, one strip each across the tab; the function menu opens
    // above the button that was clicked.
    for (int mode = 1; mode <= 2; ++mode) {
        QGroupBox* keys = Group(tab, Numbered("gbKeyMode", mode), EngineerText(87 + mode),
                                QRect(8, 342 + (mode - 1) * 58, 952, 56));
        c.keyModeGroups[size_t(mode - 1)] = keys;
        for (int k = 1; k <= 9; ++k) {
            const QString number = QString::number(mode * 100 + k);
            const int cellX = 8 + (k - 1) * 104;
            Caption(keys, "lbl_Key" + number, "Key" + QString::number(k), QRect(cellX, 18, 98, 13));
            c.keys[size_t(mode - 1)][size_t(k - 1)] = PushButton(keys, "btn_Key" + number, {}, QRect(cellX, 32, 98, 21));
        }
    }
}

} // namespace

EngineerPageControls BuildEngineerPage(QWidget* page)
{
    EngineerPageControls c;
    c.banner = Caption(page, "Img_Logo4", {}, QRect(-10, 0, 1600, 100));
    c.banner->setStyleSheet(QStringLiteral(
        "background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2c313c, stop:1 #161a20);"));
    c.close = Caption(page, "Btn_Close", QStringLiteral("\u00D7"), QRect(955, 8, 15, 15), Qt::AlignCenter);
    c.close->setStyleSheet(QStringLiteral("color: #e6e8ec; font-weight: bold;"));
    c.result = Caption(page, "Img_Result", QStringLiteral("OK"), QRect(904, 8, 40, 40), Qt::AlignCenter);
    c.result->hide();
    c.error = Caption(page, "Img_Error", QStringLiteral("!"), QRect(904, 8, 40, 40), Qt::AlignCenter);
    c.error->hide();

    struct RowButton {
        const char* name;
        int textId;
        QPushButton* EngineerPageControls::*member;
    };
    using P = EngineerPageControls;
    const RowButton firstRow[] = {
        {"Btn_Main_6", 0, &P::office}, {"Btn_Switch_6", 1, &P::game}, {"Btn_Adv_6", 2, &P::advanced},
        {"Btn_Breath_6", 3, &P::light}, {"Btn_Macro_6", 4, &P::macro}, {"Btn_Engineer_6", 5, &P::engineer},
        {"btn_TestKeys", 8, &P::testKeys}};
    const RowButton secondRow[] = {
        {"Btn_Load_6", 6, &P::load}, {"Btn_Save_6", 7, &P::save}, {"btn_Write", 10, &P::write},
        {"Btn_ImportBaseMacro", 11, &P::importBaseMacro}, {"Btn_ImportGunMacro", 12, &P::importGunMacro},
        {"Btn_Default", 9, &P::defaults}};
    int x = 10;
    for (const RowButton& b : firstRow) {
        c.*b.member = PushButton(page, b.name, EngineerText(b.textId), QRect(x, 6, kButtonWidth, kRowHeight));
        x += kButtonSpacing;
    }
    x = 10;
    for (const RowButton& b : secondRow) {
        c.*b.member = PushButton(page, b.name, EngineerText(b.textId), QRect(x, 38, kButtonWidth, kRowHeight));
        x += kButtonSpacing;
    }
    // Hidden until wanted: the engineer page button, the key test and the engineer commands.
    for (QPushButton* button : {c.engineer, c.testKeys, c.importGunMacro, c.defaults})
        button->hide();
    c.testKeys->setEnabled(false);

    c.tabs = new QTabWidget(page);
    c.tabs->setObjectName("Pg_Parameter");
    c.tabs->setGeometry(6, 66, 979, 484);
    c.operatorTab = new QWidget;
    c.operatorTab->setObjectName("ts_Operator");
    c.tabs->addTab(c.operatorTab, EngineerText(13));
    BuildLightingGroups(c.operatorTab, c.settings);
    BuildDpiGroups(c.operatorTab, c.settings);
    BuildKeyGroups(c.operatorTab, c.settings);
    c.engineerTab = BuildEngineerTab(c.tabs);

    c.notesCaption = Caption(page, "lbl_Notes", EngineerText(138), QRect(10, 560, 60, 22));
    c.notes = Caption(page, "lbl_Content", {}, QRect(72, 560, 900, 22));
    return c;
}

} // namespace tarq::pages
