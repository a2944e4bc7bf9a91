// SPDX-License-Identifier: GPL-2.0-or-later
// Page 4: the macro list, the event list, the record and new-macro buttons, the delay and
// release-mode box, the insert panel, and the two context panels that open on the form.

#include "ui/pages/Pages.h"
#include "ui/pages/MacroPageControls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QWidget>

#include "ui/HexEdit.h"
#include "ui/SkinLabel.h"
#include "ui/pages/DefaultTexts.h"
#include "ui/pages/PageKit.h"

namespace tarq::pages {

namespace {

constexpr int kPanelX = 640;
constexpr int kPanelY = 178;
// The insert panel covers the right column's card: the layout places its buttons near the
// bottom, and its title where the other cards have theirs.
constexpr QSize kPanelSize{290, 474};
constexpr QRect kInsertTitle{20, 8, 250, 24};
constexpr QRect kInsertTitleMark{8, 10, 3, 18};
constexpr QRect kDelayBox{620, 100, 390, 480};
constexpr int kTextButtonHeight = 20;
constexpr int kContextWidth = 120;

constexpr int kChoiceCaptionWidth = 180;

template <class T = TSkinLabel>
T* Child(QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
}

void Choice(QWidget* parent, const QString& marker, const QString& label, const QString& radio,
            const QString& text, QPoint pos, bool selected, QButtonGroup* group)
{
    SkinChoice(parent, {marker, label, radio}, text, pos, kChoiceCaptionWidth, selected, group);
}

// A caption that lies over a click label of the delay box and lets its clicks through.
void OverlayCaption(QWidget* page, const QString& name, const QString& text, QRect rect)
{
    Caption(page, name, text, rect)->setAttribute(Qt::WA_TransparentForMouseEvents);
}

// A context panel of text buttons, one under the other.
QFrame* ContextPanel(QWidget* form, const QString& name, const QList<QPair<QString, int>>& items)
{
    QFrame* panel = Panel(form, name,
                          QRect(0, 0, kContextWidth, int(items.size()) * kTextButtonHeight + 2));
    panel->setFrameShape(QFrame::Box);
    int top = 1;
    for (const auto& [button, strId] : items) {
        TSkinLabel* label = Caption(panel, button, DefaultText(strId),
                                    QRect(1, top, kContextWidth - 2, kTextButtonHeight));
        label->setIndent(6);
        label->setAutoFillBackground(true);
        top += kTextButtonHeight;
    }
    panel->hide();
    return panel;
}

void BuildDelayBox(QWidget* page, MacroPageControls& c)
{
    // The box spans the whole right column, so the layout can place its choices anywhere there.
    const QRect box(kDelayBox);
    QFrame* delay = Panel(page, "Gb_Delay", box);
    auto* delayModes = new QButtonGroup(delay);
    auto* releaseModes = new QButtonGroup(delay);
    Choice(delay, "Img_RecDelay", "IB_RecDelay", "rb_RecDelay", {}, {34, 94}, true, delayModes);
    Choice(delay, "Img_DelayTime", "IB_DelayTime", "rb_DelayTime", {}, {34, 128}, false, delayModes);
    Choice(delay, "Img_NoDelay", "IB_NoDelay", "rb_NoDelay", {}, {34, 162}, false, delayModes);
    IntEdit(delay, "Edt_Delay", QRect(200, 124, 56, 24), 3, "50")->setReadOnly(true);
    Choice(delay, "Img_ReleaseStop", "IB_ReleaseStop", "rb_ReleaseStop", {}, {34, 212}, false,
           releaseModes);
    Choice(delay, "Img_ReleaseContiue", "IB_ReleaseContiue", "rb_ReleaseContinue", {}, {34, 246},
           true, releaseModes);

    // Shown when recording can see only this window (no desktop-wide capture on this system).
    TSkinLabel* scope = Caption(delay, "lbl_RecordScope",
                                QStringLiteral("Recording sees only this window: keys and clicks in "
                                               "other programs are not recorded."),
                                QRect(114, 396, 236, 64));
    scope->setWordWrap(true);
    scope->setStyleSheet(QStringLiteral("color: #f0b429;"));
    scope->hide();

    // The visible texts of the box are page captions of their own, so the language pass and the
    // layout can place them; they let clicks through to the choices underneath.
    const QPoint o = box.topLeft();
    OverlayCaption(page, "lbl_Record_Delay", DefaultText(837), QRect(o + QPoint(58, 91), QSize(140, 24)));
    OverlayCaption(page, "lbl_Delay_Setting", DefaultText(838), QRect(o + QPoint(58, 125), QSize(140, 24)));
    OverlayCaption(page, "lbl_MS", DefaultText(840), QRect(o + QPoint(262, 125), QSize(40, 24)));
    OverlayCaption(page, "lbl_No_Delay", DefaultText(839), QRect(o + QPoint(58, 159), QSize(140, 24)));
    OverlayCaption(page, "lbl_Stop_Release", DefaultText(841), QRect(o + QPoint(58, 209), QSize(280, 24)));
    OverlayCaption(page, "lbl_Stop_Over", DefaultText(842), QRect(o + QPoint(58, 243), QSize(280, 24)));

    c.delayBox = delay;
    c.delayChoices = {ChoiceOf(delay, "Img_RecDelay", "IB_RecDelay", "rb_RecDelay"),
                      ChoiceOf(delay, "Img_DelayTime", "IB_DelayTime", "rb_DelayTime"),
                      ChoiceOf(delay, "Img_NoDelay", "IB_NoDelay", "rb_NoDelay")};
    c.delay = Child<TIntEdit>(delay, "Edt_Delay");
    c.releaseStop = ChoiceOf(delay, "Img_ReleaseStop", "IB_ReleaseStop", "rb_ReleaseStop");
    c.releaseContinue = ChoiceOf(delay, "Img_ReleaseContiue", "IB_ReleaseContiue", "rb_ReleaseContinue");
    c.recordScope = scope;
    c.delayCaptions = {Child(page, "lbl_Record_Delay"), Child(page, "lbl_Delay_Setting"),
                       Child(page, "lbl_No_Delay"), Child(page, "lbl_MS"),
                       Child(page, "lbl_Stop_Release"), Child(page, "lbl_Stop_Over")};
}

void BuildInsertPanel(QWidget* page, MacroPageControls& c)
{
    c.insertBase = Picture(page, "Img_InsertBase", {kPanelX, kPanelY}, "InsertDelayBase");
    c.insertBase->hide();
    QFrame* insert = Panel(page, "Gb_Insert", QRect(QPoint(kPanelX, kPanelY), kPanelSize));
    Caption(insert, "lbl_Insert_Title", DefaultText(409), kInsertTitle);
    // The accent mark left of the title, as the other cards have it.
    auto* mark = new QFrame(insert);
    mark->setObjectName(QStringLiteral("Img_InsertTitleMark"));
    mark->setGeometry(kInsertTitleMark);
    mark->setAutoFillBackground(true);
    Combo(insert, "CB_Insert", QRect(16, 14, 220, 24),
          {DefaultText(410), DefaultText(411), DefaultText(412), DefaultText(413),
           DefaultText(446), DefaultText(447), DefaultText(440), DefaultText(441),
           DefaultText(442), DefaultText(443)});

    Caption(insert, "lbl_Delay", DefaultText(417), QRect(16, 52, 100, 24));
    IntEdit(insert, "Edt_InsertDelay", QRect(120, 52, 56, 24), 4, "50");
    Caption(insert, "lbl_s_A", DefaultText(418), QRect(182, 52, 40, 24));

    // Insert-recording choices (items 2 and 3).
    auto* modes = new QButtonGroup(insert);
    Choice(insert, "Img_InsertRecDelay", "IB_InsertRecDelay", "rb_InsertRecDelay", DefaultText(414),
           {16, 92}, true, modes);
    Choice(insert, "Img_InsertDelayTime", "IB_InsertDelayTime", "rb_InsertDelayTime",
           DefaultText(415), {16, 120}, false, modes);
    Choice(insert, "Img_InsertNoDelay", "IB_InsertNoDelay", "rb_InsertNoDelay", DefaultText(416),
           {16, 148}, false, modes);
    SkinButton(insert, "InsertStart", DefaultText(400), {210, 90}, "MacroS_01");

    // Repeat count and pointer moves (items 4-9) share one row.
    Caption(insert, "lbl_Repeat", DefaultText(448), QRect(16, 92, 120, 24));
    IntEdit(insert, "edt_Repeat", QRect(140, 92, 56, 24), 3, "1");
    Caption(insert, "lbl_XAxisValue", DefaultText(444), QRect(16, 92, 120, 24));
    Edit(insert, "edt_XAxisValue", QRect(140, 92, 56, 24), "0")->setMaxLength(4);
    Caption(insert, "lbl_YAxisValue", DefaultText(445), QRect(16, 92, 120, 24));
    Edit(insert, "edt_YAxisValue", QRect(140, 92, 56, 24), "0")->setMaxLength(4);

    SkinButton(insert, "OK", DefaultText(420), {50, 190}, "MacroBtnS_01");
    SkinButton(insert, "Cancel", DefaultText(422), {180, 190}, "MacroBtnS_01");

    // Item 0 is what the panel opens with: only the delay row.
    for (const char* name : {"Img_InsertRecDelay", "IB_InsertRecDelay", "Img_InsertDelayTime",
                             "IB_InsertDelayTime", "Img_InsertNoDelay", "IB_InsertNoDelay",
                             "Img_InsertStart", "Btn_InsertStart", "lbl_Repeat", "edt_Repeat",
                             "lbl_XAxisValue", "edt_XAxisValue", "lbl_YAxisValue",
                             "edt_YAxisValue"})
        insert->findChild<QWidget*>(name)->hide();
    insert->hide();

    c.insertPanel = insert;
    c.insertKind = Child<QComboBox>(insert, "CB_Insert");
    c.insertDelayLabel = Child(insert, "lbl_Delay");
    c.insertDelay = Child<TIntEdit>(insert, "Edt_InsertDelay");
    c.insertDelayUnit = Child(insert, "lbl_s_A");
    c.insertChoices = {ChoiceOf(insert, "Img_InsertRecDelay", "IB_InsertRecDelay", "rb_InsertRecDelay"),
                       ChoiceOf(insert, "Img_InsertDelayTime", "IB_InsertDelayTime", "rb_InsertDelayTime"),
                       ChoiceOf(insert, "Img_InsertNoDelay", "IB_InsertNoDelay", "rb_InsertNoDelay")};
    c.insertStart = {Child(insert, "Btn_InsertStart"), Child(insert, "Img_InsertStart")};
    c.repeatLabel = Child(insert, "lbl_Repeat");
    c.repeat = Child<TIntEdit>(insert, "edt_Repeat");
    c.xLabel = Child(insert, "lbl_XAxisValue");
    c.x = Child<TKVRNEdit>(insert, "edt_XAxisValue");
    c.yLabel = Child(insert, "lbl_YAxisValue");
    c.y = Child<TKVRNEdit>(insert, "edt_YAxisValue");
    c.ok = Child(insert, "Btn_OK");
    c.cancel = Child(insert, "Btn_Cancel");
}

} // namespace

MacroPageControls BuildMacroPage(QWidget* page, QWidget* form)
{
    MacroPageControls c;
    c.page = page;
    Caption(page, "lbl_Marco_List", DefaultText(835), QRect(70, 104, 220, 24));
    c.macroNames = List(page, "LB_PCMacroName", QRect(70, 132, 230, 440));
    c.pageNames = List(page, "LB_MacroName", QRect(70, 132, 230, 440));
    c.pageNames->hide();
    Caption(page, "lbl_Marco_Content", DefaultText(836), QRect(320, 104, 290, 24));
    c.events = List(page, "LB_macro", QRect(320, 132, 290, 440));

    c.newButton = SkinButton(page, "New", DefaultText(432), {kPanelX, 132}, "MacroS_01");
    c.start = {SkinButton(page, "Start", DefaultText(400), {kPanelX + 130, 132}, "MacroS_01"),
               Child(page, "Img_Start")};

    BuildDelayBox(page, c);
    BuildInsertPanel(page, c);
    c.scriptMemo = HiddenMemo(page, "mmo_macro");
    c.writeMemo = HiddenMemo(page, "mmo_wrscript");

    c.macroMenu = ContextPanel(form, "Pnl_PCMacro",
                               {{"Btn_NewMacro", 432}, {"Btn_NewName", 402}, {"Btn_DelPCMacro", 433},
                                {"Btn_ImportOne", 406}, {"Btn_Import", 407}, {"Btn_ExportOne", 404},
                                {"Btn_Export", 405}});
    c.newMacro = Child(c.macroMenu, "Btn_NewMacro");
    c.newName = Child(c.macroMenu, "Btn_NewName");
    c.deleteMacro = Child(c.macroMenu, "Btn_DelPCMacro");
    c.importOne = Child(c.macroMenu, "Btn_ImportOne");
    c.importAll = Child(c.macroMenu, "Btn_Import");
    c.exportOne = Child(c.macroMenu, "Btn_ExportOne");
    c.exportAll = Child(c.macroMenu, "Btn_Export");
    c.eventMenu = ContextPanel(form, "Pnl_DevContent", {{"Btn_Edit", 435}, {"Btn_Del", 408}, {"Btn_Insert", 409}});
    c.editEvent = Child(c.eventMenu, "Btn_Edit");
    c.deleteEvent = Child(c.eventMenu, "Btn_Del");
    c.insertEvent = Child(c.eventMenu, "Btn_Insert");

    // The buttons show their hover pictures themselves; New and the insert panel's record button
    // stay as they are while locked.
    HoverPictures(c.newButton, Child(page, "Img_New"), QStringLiteral("MacroS_02"), QStringLiteral("MacroS_01"), true);
    HoverPictures(c.insertStart.button, c.insertStart.picture, QStringLiteral("MacroS_02"), QStringLiteral("MacroS_01"), true);
    HoverPictures(c.ok, Child(c.insertPanel, "Img_OK"), QStringLiteral("MacroBtnS_02"), QStringLiteral("MacroBtnS_01"));
    HoverPictures(c.cancel, Child(c.insertPanel, "Img_Cancel"), QStringLiteral("MacroBtnS_02"),
                  QStringLiteral("MacroBtnS_01"));
    return c;
}

} // namespace tarq::pages
