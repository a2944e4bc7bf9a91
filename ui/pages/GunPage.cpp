// SPDX-License-Identifier: GPL-2.0-or-later
// Page 5: the seven guns, the parameter columns of the selected gun, Confirm and Cancel, and
// the fire macro editor at the right edge (hidden until it is asked for).

#include "ui/pages/Pages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QListWidget>
#include <QRadioButton>
#include <QWidget>

#include "ui/HexEdit.h"
#include "ui/Shapes.h"
#include "ui/SkinLabel.h"
#include "ui/pages/DefaultTexts.h"
#include "ui/pages/GunPageControls.h"
#include "ui/pages/PageKit.h"

namespace tarq::pages {

namespace {

constexpr int kGuns = 7;
constexpr int kGunX = 40;
constexpr int kGunY = 104;
constexpr int kGunSpacing = 64;
constexpr int kGunCaptionIndent = 16;
constexpr int kColumns = 3;
constexpr int kCaptionX = 200;
constexpr int kColumnX[kColumns] = {400, 480, 560};
constexpr int kColumnWidth = 64;
constexpr int kColumnNumberY = 80;
constexpr int kRowY[] = {112, 152, 192, 232, 272, 312};   // release, count, Y, offset, delay, colour
// The fire macro editor is a card inside the right of the table's card, above Confirm and
// Cancel.
constexpr QRect kEditorCard{716, 112, 268, 400};
constexpr QPoint kFireEditorButton{420, 520};
constexpr QRect kFireEmptyNote{420, 462, 150, 36};
constexpr QPoint kFireBasicButton{576, 462};

constexpr int kEditorX = kEditorCard.x() + 4;
constexpr int kFireMacros = 10;
// The record list holds all ten names without a scroll bar: ten rows of the layout's item
// height (20) and the frame.
constexpr int kNamesHeight = kFireMacros * 20 + 4;
constexpr int kListTop = kEditorCard.y() + 4;
constexpr int kStartTop = kListTop + kNamesHeight + 4;
constexpr int kEventsWidth = 156;
constexpr QRect kPanelBox{kEditorX, kStartTop + 38, kEditorCard.width() - 8, 150};

// The insert panels' background is drawn for the macro page's taller panel; the fire macro
// editor's box is smaller, so its copy is scaled to the box instead of running off the page.
TSkinLabel* BoxPicture(QWidget* page, const char* name, const QRect& box)
{
    TSkinLabel* picture = Picture(page, name, box.topLeft(), "InsertDelayBase");
    picture->setAutoSizeToPicture(false);
    picture->setScaledContents(true);
    picture->resize(box.size());
    return picture;
}

const char* const kRowCaptionNames[] = {"lbl_Fire_Marco_Stop_Release", "lbl_Fire_Marco_Count",
                                        "lbl_Fire_Marco_Y", "lbl_Fire_Marco_Y_Offset",
                                        "lbl_Fire_Marco_Delay", "lbl_Fire_Marco_Color"};

constexpr int kChoiceCaptionWidth = 250;

void Choice(QWidget* parent, const QString& marker, const QString& label, const QString& radio,
            const QString& text, QPoint pos, bool selected, QButtonGroup* group)
{
    SkinChoice(parent, {marker, label, radio}, text, pos, kChoiceCaptionWidth, selected, group);
}

void BuildGuns(QWidget* page)
{
    auto* guns = new QButtonGroup(page);
    for (int g = 1; g <= kGuns; ++g) {
        const QPoint pos(kGunX, kGunY + (g - 1) * kGunSpacing);
        const QString gun = QString::number(g);
        TSkinLabel* caption = SkinButton(page, "Fire" + gun, DefaultText(599 + g), pos,
                                         "Gun" + gun + (g == 1 ? "_02" : "_01"));
        // The gun is drawn at the right of its picture; the name stands left of it.
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        caption->setIndent(kGunCaptionIndent);
        HiddenRadio(page, "rb_Fire" + gun, guns)->setChecked(g == 1);
    }
    // Mode icons of guns 6 (1, 2) and 7 (3-5), over the columns they stand for.
    for (int m = 1; m <= 5; ++m) {
        const int column = m <= 2 ? m - 1 : m - 3;
        Picture(page, Numbered("Img_GunMode", m), {kColumnX[column], 356}, Numbered("GunMode", m))
            ->hide();
    }
}

void BuildParameterColumns(QWidget* page)
{
    for (int row = 0; row < 6; ++row)
        Caption(page, kRowCaptionNames[row], DefaultText(843 + row), QRect(kCaptionX, kRowY[row], 190, 24));

    for (int c = 1; c <= kColumns; ++c) {
        const int x = kColumnX[c - 1];
        const QString n = QString::number(c);
        // The column number, shown only when the gun has more than one column.
        TSkinLabel* number = Caption(page, "lbl_FireColumn" + n, n, QRect(x, kColumnNumberY, kColumnWidth, 24));
        number->setAlignment(Qt::AlignCenter);
        number->setStyleSheet(QStringLiteral("color: rgb(0, 160, 227); font-weight: bold;"));
        number->hide();
        TSkinLabel* mark = Picture(page, "Img_FireRKFS" + n, {x + 23, kRowY[0] + 3}, "CbS_D");
        Caption(page, "lbl_FireRKFS" + n, {}, mark->geometry())->raise();
        HiddenCheck(page, "cb_FireRKFS" + n);
        IntEdit(page, "Edt_FireCnt" + n, QRect(x, kRowY[1], kColumnWidth, 24), 3, "0");
        SignedEdit(page, "Edt_FireY" + n, QRect(x, kRowY[2], kColumnWidth, 24));
        Edit(page, "Edt_FireY" + n + "Offset", QRect(x, kRowY[3], kColumnWidth, 24), "0")->setReadOnly(true);
        IntEdit(page, "Edt_FireTime" + n, QRect(x, kRowY[4], kColumnWidth, 24), 4, "0");
        // The horizontal moves are kept but have no place on the built-in skin.
        Edit(page, "Edt_FireX" + n, QRect(3550 + (c - 1) * 90, kRowY[2], kColumnWidth, 24), "0");
        TSkinLabel* frame = Picture(page, "Img_FireColor" + n, {x + 14, kRowY[5] + 1}, "Col_F");
        Swatch(page, "cs_FireColor" + n, frame->geometry().adjusted(4, 4, -4, -4));
        Caption(page, "IB_FireColor" + n, {}, frame->geometry())->raise();
    }

    // Gun 1, selected at start, uses one column.
    for (int c = 2; c <= kColumns; ++c) {
        const QString n = QString::number(c);
        for (const QString& name : {"lbl_FireColumn" + n, "Img_FireRKFS" + n, "lbl_FireRKFS" + n, "Edt_FireCnt" + n,
                                    "Edt_FireY" + n, "Edt_FireY" + n + "Offset", "Edt_FireTime" + n,
                                    "Img_FireColor" + n, "cs_FireColor" + n, "IB_FireColor" + n})
            page->findChild<QWidget*>(name)->hide();
    }

    SkinButton(page, "FireConfirm", DefaultText(620), {kColumnX[0] - 20, 560}, "BtnS_01");
    SkinButton(page, "FireExit", DefaultText(621), {kColumnX[0] + 120, 560}, "BtnS_01");

    // The visible way to the fire macro editor, left of Confirm and Cancel on their row.
    SkinButton(page, "FireEditor", DefaultText(890), kFireEditorButton, "BtnS_01");
    // The offer for a gun whose fire macro is empty: a note and the button that starts it from
    // the basic pattern, under the table's rows and left of where the editor opens.
    TSkinLabel* empty = Caption(page, "lbl_FireEmpty", DefaultText(892), kFireEmptyNote);
    empty->setWordWrap(true);
    empty->setStyleSheet(QStringLiteral("color: #f0b429;"));
    empty->hide();
    TSkinLabel* basic = SkinButton(page, "FireBasic", DefaultText(891), kFireBasicButton, "BtnS_01");
    basic->hide();
    page->findChild<QWidget*>(QStringLiteral("Img_FireBasic"))->hide();
}

void BuildFireEditor(QWidget* page, QWidget* form)
{
    QFrame* card = Panel(page, "Gb_FireEditor", kEditorCard);
    card->setFrameShape(QFrame::StyledPanel);
    card->setAutoFillBackground(true);
    auto* names = List(page, "LB_FireMacroName", QRect(kEditorX, kListTop, 100, kNamesHeight));
    for (int k = 1; k <= kFireMacros; ++k)
        names->addItem("Fire Macro" + QString::number(k));
    List(page, "LB_FireMacro", QRect(kEditorX + 106, kListTop, kEventsWidth, kNamesHeight));
    SkinButton(page, "FireStart", DefaultText(400), {kEditorX, kStartTop}, "MacroS_01");

    const QRect box = kPanelBox;
    BoxPicture(page, "Img_FireDelay", box);
    QFrame* delay = Panel(page, "GB_FireDelay", box);
    auto* delayModes = new QButtonGroup(delay);
    auto* releaseModes = new QButtonGroup(delay);
    Choice(delay, "LED_FireRecDelay", "IB_FireRecDelay", "rb_FireRecDelay", DefaultText(414),
           {12, 10}, true, delayModes);
    Choice(delay, "LED_FireDelayTime", "IB_FireDelayTime", "rb_FireDelayTime", DefaultText(415),
           {12, 36}, false, delayModes);
    Choice(delay, "LED_FireNoDelay", "IB_FireNoDelay", "rb_FireNoDelay", DefaultText(416),
           {12, 62}, false, delayModes);
    delay->findChild<QWidget*>("IB_FireDelayTime")->resize(120, 24);
    Edit(delay, "Edt_FireDelay", QRect(170, 33, 56, 24), "50")->setMaxLength(5);
    delay->findChild<QWidget*>("Edt_FireDelay")->setEnabled(false);
    Choice(delay, "Img_FireReleaseStop", "IB_FireReleaseStop", "rb_FireReleaseStop",
           DefaultText(436), {12, 94}, false, releaseModes);
    Choice(delay, "Img_FireReleaseContiue", "IB_FireReleaseContiue", "rb_FireReleaseContinue",
           DefaultText(437), {12, 120}, true, releaseModes);

    BoxPicture(page, "Img_FireInsert", box)->hide();
    QFrame* insert = Panel(page, "Gb_InsertFire", box);
    Combo(insert, "CB_InsertFire", QRect(12, 12, 220, 24),
          {DefaultText(410), DefaultText(411), DefaultText(446), DefaultText(447),
           DefaultText(440), DefaultText(441), DefaultText(442), DefaultText(443)});
    Caption(insert, "lbl_FireDelay", DefaultText(417), QRect(12, 48, 110, 24));
    IntEdit(insert, "Edt_InsertFireDelay", QRect(128, 48, 56, 24), 4, "50");
    Caption(insert, "lbl_Fires_A", DefaultText(418), QRect(190, 48, 40, 24));
    Caption(insert, "lbl_FireRepeat", DefaultText(448), QRect(12, 48, 110, 24))->hide();
    IntEdit(insert, "edt_FireRepeat", QRect(128, 48, 56, 24), 3, "10")->hide();
    Caption(insert, "lbl_FireXAxisValue", DefaultText(444), QRect(12, 48, 110, 24))->hide();
    Edit(insert, "edt_FireXAxisValue", QRect(128, 48, 56, 24), "12")->hide();
    Caption(insert, "lbl_FireYAxisValue", DefaultText(445), QRect(12, 48, 110, 24))->hide();
    Edit(insert, "edt_FireYAxisValue", QRect(128, 48, 56, 24), "12")->hide();
    SkinButton(insert, "FireOK", DefaultText(420), {30, 110}, "MacroBtnS_01");
    SkinButton(insert, "FireCancel", DefaultText(422), {160, 110}, "MacroBtnS_01");
    insert->hide();

    // The editor is shown by a double-click on the page background or by the engineer page.
    for (const char* name : {"Gb_FireEditor", "LB_FireMacroName", "LB_FireMacro", "Img_FireStart",
                             "Btn_FireStart", "Img_FireDelay", "GB_FireDelay"})
        page->findChild<QWidget*>(name)->hide();

    auto* popup = Panel(form, "Pnl_DevFireContent", QRect(0, 0, 114, 62));
    popup->setFrameShape(QFrame::Box);
    const QPair<const char*, int> items[] = {{"Btn_FireEdit", 435}, {"Btn_FireDel", 408},
                                             {"Btn_FireInsert", 409}};
    int top = 1;
    for (const auto& [button, strId] : items) {
        TSkinLabel* label = Caption(popup, button, DefaultText(strId), QRect(1, top, 112, 20));
        label->setIndent(6);
        label->setAutoFillBackground(true);
        top += 20;
    }
    popup->hide();
}

template <class T>
T* Child(QWidget* parent, const QString& name)
{
    T* w = parent->findChild<T*>(name);
    Q_ASSERT_X(w, "BuildGunPage", qPrintable(name));
    return w;
}

SkinButtonControls ButtonOf(QWidget* parent, const QString& name)
{
    return {Child<TSkinLabel>(parent, "Btn_" + name), Child<TSkinLabel>(parent, "Img_" + name)};
}

void HoverPictures(const SkinButtonControls& b, const char* entered, const char* left)
{
    pages::HoverPictures(b.button, b.picture, QString::fromLatin1(entered), QString::fromLatin1(left));
}

GunPageControls Collect(QWidget* page, QWidget* form)
{
    GunPageControls c;
    c.base = Child<TSkinLabel>(page, "Img_Base_5");
    for (int g = 1; g <= kGuns; ++g) {
        c.gunButtons[size_t(g - 1)] = Child<TSkinLabel>(page, Numbered("Btn_Fire", g));
        c.gunPictures[size_t(g - 1)] = Child<TSkinLabel>(page, Numbered("Img_Fire", g));
        c.gunRadios[size_t(g - 1)] = Child<QRadioButton>(page, Numbered("rb_Fire", g));
    }
    for (int m = 1; m <= GunPageControls::kModeIcons; ++m)
        c.modeIcons[size_t(m - 1)] = Child<TSkinLabel>(page, Numbered("Img_GunMode", m));
    for (int row = 0; row < GunPageControls::kRowCaptions; ++row)
        c.rowCaptions[size_t(row)] = Child<TSkinLabel>(page, kRowCaptionNames[row]);
    for (int n = 1; n <= kColumns; ++n) {
        GunColumnControls& col = c.columns[size_t(n - 1)];
        col.number = Child<TSkinLabel>(page, Numbered("lbl_FireColumn", n));
        col.releasePicture = Child<TSkinLabel>(page, Numbered("Img_FireRKFS", n));
        col.releaseArea = Child<TSkinLabel>(page, Numbered("lbl_FireRKFS", n));
        col.release = Child<QCheckBox>(page, Numbered("cb_FireRKFS", n));
        col.count = Child<QLineEdit>(page, Numbered("Edt_FireCnt", n));
        col.x = Child<QLineEdit>(page, Numbered("Edt_FireX", n));
        col.y = Child<QLineEdit>(page, Numbered("Edt_FireY", n));
        col.yOffset = Child<QLineEdit>(page, Numbered("Edt_FireY", n) + "Offset");
        col.interval = Child<QLineEdit>(page, Numbered("Edt_FireTime", n));
        col.colourFrame = Child<TSkinLabel>(page, Numbered("Img_FireColor", n));
        col.colour = Child<TRectShape>(page, Numbered("cs_FireColor", n));
        col.colourArea = Child<TSkinLabel>(page, Numbered("IB_FireColor", n));
    }
    c.confirm = ButtonOf(page, "FireConfirm");
    c.exit = ButtonOf(page, "FireExit");
    c.editorButton = ButtonOf(page, "FireEditor");
    c.basic = ButtonOf(page, "FireBasic");
    c.emptyNote = Child<TSkinLabel>(page, "lbl_FireEmpty");

    FireMacroEditorControls& e = c.editor;
    e.card = Child<QFrame>(page, "Gb_FireEditor");
    e.names = Child<QListWidget>(page, "LB_FireMacroName");
    e.events = Child<QListWidget>(page, "LB_FireMacro");
    e.start = ButtonOf(page, "FireStart");
    e.delayPicture = Child<TSkinLabel>(page, "Img_FireDelay");
    e.delayPanel = Child<QFrame>(page, "GB_FireDelay");
    e.delayModes = {ChoiceOf(page, "LED_FireRecDelay", "IB_FireRecDelay", "rb_FireRecDelay"),
                    ChoiceOf(page, "LED_FireDelayTime", "IB_FireDelayTime", "rb_FireDelayTime"),
                    ChoiceOf(page, "LED_FireNoDelay", "IB_FireNoDelay", "rb_FireNoDelay")};
    e.delay = Child<QLineEdit>(page, "Edt_FireDelay");
    e.releaseStop = ChoiceOf(page, "Img_FireReleaseStop", "IB_FireReleaseStop", "rb_FireReleaseStop");
    e.releaseContinue = ChoiceOf(page, "Img_FireReleaseContiue", "IB_FireReleaseContiue", "rb_FireReleaseContinue");
    e.insertPicture = Child<TSkinLabel>(page, "Img_FireInsert");
    e.insertPanel = Child<QFrame>(page, "Gb_InsertFire");
    e.insertItem = Child<QComboBox>(page, "CB_InsertFire");
    e.delayCaption = Child<TSkinLabel>(page, "lbl_FireDelay");
    e.insertDelay = Child<QLineEdit>(page, "Edt_InsertFireDelay");
    e.delayUnit = Child<TSkinLabel>(page, "lbl_Fires_A");
    e.repeatCaption = Child<TSkinLabel>(page, "lbl_FireRepeat");
    e.repeat = Child<QLineEdit>(page, "edt_FireRepeat");
    e.xCaption = Child<TSkinLabel>(page, "lbl_FireXAxisValue");
    e.x = Child<QLineEdit>(page, "edt_FireXAxisValue");
    e.yCaption = Child<TSkinLabel>(page, "lbl_FireYAxisValue");
    e.y = Child<QLineEdit>(page, "edt_FireYAxisValue");
    e.ok = ButtonOf(page, "FireOK");
    e.cancel = ButtonOf(page, "FireCancel");
    e.popup = Child<QFrame>(form, "Pnl_DevFireContent");
    e.edit = Child<TSkinLabel>(e.popup, "Btn_FireEdit");
    e.remove = Child<TSkinLabel>(e.popup, "Btn_FireDel");
    e.insert = Child<TSkinLabel>(e.popup, "Btn_FireInsert");
    return c;
}

} // namespace

GunPageControls BuildGunPage(QWidget* page, QWidget* form)
{
    Picture(page, "Img_Base_5", {0, 0}, "L1_BackGround");
    Picture(page, "Img_P5", {0, 0}, "L1_Back5");
    BuildGuns(page);
    BuildParameterColumns(page);
    BuildFireEditor(page, form);
    GunPageControls c = Collect(page, form);
    // The buttons show their hover pictures themselves.
    for (const SkinButtonControls& b : {c.confirm, c.exit, c.editorButton, c.basic})
        HoverPictures(b, "BtnS_02", "BtnS_01");
    HoverPictures(c.editor.start, "MacroS_02", "MacroS_01");
    for (const SkinButtonControls& b : {c.editor.ok, c.editor.cancel})
        HoverPictures(b, "MacroBtnS_02", "MacroBtnS_01");
    return c;
}

} // namespace tarq::pages
