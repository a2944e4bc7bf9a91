// SPDX-License-Identifier: GPL-2.0-or-later
// The layout families of the advanced, light, macro and gun pages.

#include <QPalette>
#include <QAbstractSlider>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "ui/skin/LayoutContext.h"
#include "config/EngineerSettings.h"

namespace tarq::layout {
namespace {

constexpr int kScaleLabelCount = 11;
// The value labels of a pointer scale sit this far below the slider's top, nudged right.
constexpr int kScaleLabelDown = 26;
constexpr int kScaleLabelRight = 4;
// The number labels of the LED count row sit this far below the marks.
constexpr int kLedNumberDown = 24;
constexpr int kLedCountMarks = 10;
constexpr int kLedStepMarks = 8;
constexpr int kRulerTicks = 11;
// The second pointer-axis edit of the insert panel sits this far below the first.
constexpr int kAxisEditSpacing = 30;
// How far a card's title stands in from the card's left edge (past its heading mark).
constexpr int kCardTitleInset = 20;
// Where a card's heading mark stands: from the card's left edge, and below the title's top.
constexpr int kCardMarkInset = 8;
constexpr int kCardMarkDown = 2;

// A control's `role` text in the disabled colour group, so it greys while it takes no input.
void GreyWhenDisabled(QWidget* w, QPalette::ColorRole role, const LayoutStyle& s)
{
    if (!w)
        return;
    QPalette palette = w->palette();
    palette.setColor(QPalette::Disabled, role, s.disabledText);
    w->setPalette(palette);
}

QString N(const char* pattern, int n)
{
    return QString::fromLatin1(pattern).arg(n);
}

// A page picture (Img_P2 ...) at its P key.
void PagePicture(Context& c, int page)
{
    if (const auto pos = c.Pos(N("P%1", page)))
        c.Place(N("Img_P%1", page), *pos);
}

// A slider with its eleven value labels spaced `step` apart.
void PointerScale(Context& c, const QString& key, const QString& slider, const QString& labels,
                  std::optional<int> step)
{
    const auto pos = c.Pos(key);
    if (!pos)
        return;
    c.Place(slider, *pos);
    if (!step)
        return;
    for (int k = 1; k <= kScaleLabelCount; ++k)
        c.Place(labels + QString::number(k),
                *pos + QPoint((k - 1) * *step + kScaleLabelRight, kScaleLabelDown));
}

// A row of marks spaced by their own width plus `gap`; `reversed` places the last mark first.
void MarkRow(Context& c, const QString& prefix, int count, QPoint pos, int gap,
             const QString& numberPrefix = {}, int numberOrder = 0, bool reversed = false)
{
    int x = pos.x();
    for (int place = 1; place <= count; ++place) {
        const int k = reversed ? count + 1 - place : place;
        QWidget* mark = c.Find(prefix + QString::number(k));
        c.Place(mark, QPoint(x, pos.y()));
        if (!numberPrefix.isEmpty()) {
            if (auto* number = c.Find<QLabel>(numberPrefix + QString::number(k))) {
                c.Place(number, QPoint(x, pos.y() + kLedNumberDown));
                number->setText(QString::number(numberOrder == 0 ? k : count + 1 - k));
            }
        }
        x += (mark ? mark->width() : 0) + gap;
    }
}

void SetSliderMaximum(QWidget* w, int maximum)
{
    if (auto* slider = qobject_cast<QAbstractSlider*>(w))
        slider->setMaximum(maximum);
}

} // namespace

void AdvancedPage(Context& c)
{
    LayoutStyle& s = c.Style();
    c.StyleGroup(QStringLiteral("gbPage2"), c.Int(QStringLiteral("Size_D")), std::nullopt);
    s.dpiSelected = c.Colour(QStringLiteral("Color_D_Selected")).value_or(s.dpiSelected);
    s.dpiNotSelected = c.Colour(QStringLiteral("Color_D_notSelected")).value_or(s.dpiNotSelected);
    s.dpiBack = c.Colour(QStringLiteral("Color_D_Back")).value_or(s.dpiBack);
    s.dpiBorder = c.Colour(QStringLiteral("Color_D_Border")).value_or(s.dpiBorder);
    PagePicture(c, 2);

    if (const auto pos = c.Pos(QStringLiteral("FKCnt")))
        c.Place(QStringLiteral("Edt_Repeat1"), *pos);
    if (const auto pos = c.Pos(QStringLiteral("FKDelay")))
        c.Place(QStringLiteral("Edt_DelayTime1"), *pos);
    if (const auto pos = c.Pos(QStringLiteral("IsFireContinue")))
        c.PlaceCovered(QStringLiteral("Img_FireContinue"), {QStringLiteral("lbl_FireContinue")}, *pos);

    const auto step = c.Int(QStringLiteral("Spd_D"));
    PointerScale(c, QStringLiteral("Spd"), QStringLiteral("slider_Spd"), QStringLiteral("lbl_Spd"), step);
    if (const auto pos = c.Pos(QStringLiteral("IsControl")))
        c.PlaceCovered(QStringLiteral("Img_IsControl"), {QStringLiteral("lbl_IsControl")}, *pos);
    PointerScale(c, QStringLiteral("DbSpd"), QStringLiteral("slider_DbSpd"), QStringLiteral("lbl_DbSpd"), step);
    PointerScale(c, QStringLiteral("ScrSpd"), QStringLiteral("slider_SrcSpd"), QStringLiteral("lbl_ScrSpd"), step);
    if (const auto pos = c.Pos(QStringLiteral("IsScreen")))
        c.PlaceCovered(QStringLiteral("Img_IsScreen"), {QStringLiteral("lbl_IsScreen")}, *pos);

    s.dpiSliderMaximum = (c.Options().org.dpiCount - 1) * 100;
    for (int n = 1; n <= kDpiLevelSlots; ++n) {
        if (const auto pos = c.Pos(N("DPI%1_Check", n)))
            c.Place(N("Img_DPI%1", n), *pos);
        if (const auto pos = c.Pos(N("DPI%1", n)))
            c.Place(N("lbl_DPI%1", n), *pos);
        if (const auto pos = c.Pos(N("DPI%1_Value", n)))
            c.Place(N("lbl_DPI%1Value", n), *pos);
        const auto steps = c.Pos(N("DPI%1_Steps", n));
        const auto tick = c.Int(N("DPI%1_Steps_D", n));
        if (steps) {
            QWidget* slider = c.Find(N("slider_DPI%1", n));
            c.Place(slider, *steps);
            SetSliderMaximum(slider, s.dpiSliderMaximum);
            // Ruler ticks, where the level has them, below the slider.
            const int below = slider ? slider->height() : 0;
            for (int k = 1; tick && k <= kRulerTicks; ++k)
                c.Place(QStringLiteral("Img_DPI%1_%2").arg(n).arg(k),
                        *steps + QPoint((k - 1) * *tick, below));
        }
        if (const auto pos = c.Pos(N("DPI%1_Color", n)))
            c.PlaceSwatch(N("Img_DPI%1Col", n), N("cs_DPI%1Col", n), N("lbl_DPI%1Col", n), *pos);
    }
    if (const auto pos = c.Pos(QStringLiteral("AIMKey")))
        c.Place(QStringLiteral("lbl_AIMKey"), *pos);
    if (const auto pos = c.Pos(QStringLiteral("AIMKey_Value")))
        c.Place(QStringLiteral("lbl_AIMKeyValue"), *pos);
    c.Int(QStringLiteral("AIMKey_Steps_D"));
    if (const auto pos = c.Pos(QStringLiteral("AIMKey_Steps"))) {
        QWidget* slider = c.Find(QStringLiteral("slider_DPI8"));
        c.Place(slider, *pos);
        SetSliderMaximum(slider, s.dpiSliderMaximum);
    }
    const auto countVisible = c.Int(QStringLiteral("DPI_Count_Visible"));
    s.dpiCountVisible = countVisible == 1;
    if (QWidget* count = c.Find(QStringLiteral("cbb_DPICount"))) {
        if (countVisible)
            count->setVisible(*countVisible == 1);
    }
    if (const auto pos = c.Pos(QStringLiteral("DPI_Count")))
        c.Place(QStringLiteral("cbb_DPICount"), *pos);

    static constexpr std::pair<const char*, const char*> kCaptions[] = {
        {"Fire_Key_Lable", "lbl_FireKey"},
        {"Fire_Key_Count_Lable", "lbl_Fire_Count"},
        {"Fire_Key_Time_Lable", "lbl_Fire_Time"},
        {"Fire_Key_Continue_Lable", "lbl_Fire_Continue"},
        {"Mouse_Speed_Lable", "lbl_Mouse_Speed"},
        {"Mouse_IsControl_Lable", "lbl_Is_Control"},
        {"Mouse_Double_Click_Lable", "lbl_Double_Click"},
        {"Mouse_Roller_Speed_Lable", "lbl_Roller_Speed"},
        {"Mouse_Roll_All_Screen_Lable", "lbl_Roll_All_Screen"},
        {"DPI_Setting_Lable", "lbl_DPI_Setting"},
        {"DPI_Value_Lable", "lbl_DPI_Value"},
        {"DPI_Note_Lable", "lbl_DPI_Note"},
    };
    for (const auto& [family, label] : kCaptions)
        c.CaptionFamily(QString::fromLatin1(family), QString::fromLatin1(label));
    QStringList levels;
    for (int n = 1; n <= kDpiLevelSlots; ++n)
        levels << N("lbl_DPI%1", n);
    levels << QStringLiteral("lbl_AIMKey");
    c.RowStyle(QStringLiteral("DPI_Lable"), levels, true);
    s.sliderBack = c.Colour(QStringLiteral("Color_BG_Slider")).value_or(s.sliderBack);
}

void LightPage(Context& c)
{
    c.StyleGroup(QStringLiteral("gbPage3"), c.Int(QStringLiteral("Size_E")),
                 c.Colour(QStringLiteral("Color_E")));
    PagePicture(c, 3);

    static constexpr std::pair<const char*, const char*> kChoices[] = {
        {"LEDOn", "LEDOn"},           {"LEDOff", "LEDOff"},
        {"B4CPIOn", "B4CPIOn"},       {"B4CPIOff", "B4CPIOff"},
        {"LEDSwitchOn", "LCPIOn"},    {"LEDSwitchOff", "LCPIOff"},
        {"SaveKeyMode", "SaveKeyMode"}, {"NoSaveKeyMode", "NoSaveKeyMode"},
        {"LED3Control", "MCULED3Control"}, {"LED6Control", "MCULED6Control"},
    };
    for (const auto& [key, control] : kChoices) {
        if (const auto pos = c.Pos(QString::fromLatin1(key)))
            c.PlaceWithCaption(QStringLiteral("Img_") + QString::fromLatin1(control),
                               QStringLiteral("lbl_") + QString::fromLatin1(control), *pos,
                               kLightPageCaption);
    }
    for (const char* type : {"MCULEDMode", "RBLEDMode"}) {
        for (int n = 1; n <= 7; ++n) {
            const QString name = QString::fromLatin1(type) + QString::number(n);
            if (const auto pos = c.Pos(name))
                c.PlaceWithCaption(QStringLiteral("Img_") + name, QStringLiteral("lbl_") + name,
                                   *pos, kLightPageCaption);
        }
    }
    const auto stepGap = c.Int(QStringLiteral("MCULEDStep_D"));
    if (const auto pos = c.Pos(QStringLiteral("MCULEDStep")); pos && stepGap)
        MarkRow(c, QStringLiteral("Img_MCULEDStep_"), kLedStepMarks, *pos, *stepGap, {}, 0, true);
    const auto numGap = c.Int(QStringLiteral("MCULEDNum_D"));
    if (const auto pos = c.Pos(QStringLiteral("MCULEDNum")); pos && numGap)
        MarkRow(c, QStringLiteral("Img_MCULEDNum_"), kLedCountMarks, *pos, *numGap,
                QStringLiteral("lbl_MCULEDNum_"), c.Options().org.numOrder);

    static constexpr std::pair<const char*, const char*> kCaptions[] = {
        {"LED_Status_Lable", "lbl_LED_Status"},
        {"LED_On_Lable", "lbl_LEDOn"},
        {"LED_Off_Lable", "lbl_LEDOff"},
        {"LCPI_Status_Lable", "lbl_LLED_Status"},
        {"LCPI_On_Lable", "lbl_LCPIOn"},
        {"LCPI_Off_Lable", "lbl_LCPIOff"},
        {"MCPI_Status_Lable", "lbl_MCPI_Status"},
        {"MCPI_On_Lable", "lbl_B4CPIOn"},
        {"MCPI_Off_Lable", "lbl_B4CPIOff"},
        {"LED_Light_Status_Lable", "lbl_Led_Light"},
        {"LED_Light_All_Lable", "lbl_SaveKeyMode"},
        {"LED_Light_Half_Lable", "lbl_NoSaveKeyMode"},
        {"LED_Mode_Lable", "lbl_Led_Mode"},
        {"LED_Effect_Setting_Lable", "lbl_LED_Effect_Setting"},
        {"LED_Effect_Slow_Lable", "lbl_LED_Effect_Slow"},
        {"LED_Effect_Fast_Lable", "lbl_LED_Effect_Fast"},
        {"LED_Count_Lable", "lbl_LED_Count"},
    };
    for (const auto& [family, label] : kCaptions)
        c.CaptionFamily(QString::fromLatin1(family), QString::fromLatin1(label));

    QStringList modeLabels;
    for (int n = 1; n <= 7; ++n)
        modeLabels << N("lbl_MCULEDMode%1", n) << N("lbl_RBLEDMode%1", n);
    c.RowStyle(QStringLiteral("LED_Mode_Option_Lable"), modeLabels, false);
    QStringList stepLabels;
    for (int n = 1; n <= kLedStepMarks; ++n)
        stepLabels << N("lbl_MCULEDStep_%1", n);
    c.RowStyle(QStringLiteral("LED_Step_Option_Lable"), stepLabels, false);

    // The MCU and RB mode lists are never shown together; their captions share places.
    for (int n = 1; n <= 7; ++n) {
        const QString family = N("LED_Mode_%1_Lable", n);
        const auto pos = c.Pos(family);
        const auto width = c.Int(family + QStringLiteral("_Width"));
        for (const QString& label : {N("lbl_MCULEDMode%1", n), N("lbl_RBLEDMode%1", n)}) {
            if (pos)
                c.Place(label, *pos);
            if (width)
                c.SetWidth(label, *width);
        }
    }
    // The speed bar reads like the breathing slider over it, slow at the left and fast at the
    // right: its places from the left hold segments 8 to 1 (steps 7 to 0), numbered 1 to 8.
    for (int place = 1; place <= kLedStepMarks; ++place) {
        const QString family = N("LED_Step_%1_Lable", place);
        const QString label = N("lbl_MCULEDStep_%1", kLedStepMarks + 1 - place);
        const auto pos = c.Pos(family);
        const auto width = c.Int(family + QStringLiteral("_Width"));
        if (pos)
            c.Place(label, *pos);
        if (width)
            c.SetWidth(label, *width);
        if (auto* number = c.Find<QLabel>(label))
            number->setText(QString::number(place));
    }
}

void MacroPage(Context& c)
{
    LayoutStyle& s = c.Style();
    const auto fontColour = c.Colour(QStringLiteral("Color_F"));
    c.StyleGroup(QStringLiteral("gbPage4"), c.Int(QStringLiteral("Size_F")), fontColour);
    s.macroFont = fontColour.value_or(s.macroFont);
    s.macroListBack = c.Colour(QStringLiteral("Color_F_LBack")).value_or(s.macroListBack);
    s.macroListBorder = c.Colour(QStringLiteral("Color_F_LBorder")).value_or(s.macroListBorder);
    s.textButtonFont = c.Colour(QStringLiteral("Color_F_Font")).value_or(s.textButtonFont);
    s.textButtonBack = c.Colour(QStringLiteral("Color_F_Back")).value_or(s.textButtonBack);
    PagePicture(c, 4);
    s.macroNameHeight = c.Int(QStringLiteral("MacroNameHeight")).value_or(s.macroNameHeight);

    const auto listPos = c.Pos(QStringLiteral("PCMacroName"));
    const auto listH = c.Int(QStringLiteral("PCMacroName_H"));
    const auto listW = c.Int(QStringLiteral("PCMacroName_W"));
    if (QWidget* list = c.Find(QStringLiteral("LB_PCMacroName")); list && listPos && listH && listW) {
        c.Place(list, *listPos);
        list->resize(*listW, *listH);
    }
    const auto contentPos = c.Pos(QStringLiteral("MacroContent"));
    const auto contentW = c.Int(QStringLiteral("MacroContent_W"));
    if (contentPos && contentW) {
        c.Place(QStringLiteral("LB_macro"), *contentPos);
        c.SetWidth(QStringLiteral("LB_macro"), *contentW);
    }
    if (const auto pos = c.Pos(QStringLiteral("BtnNew")))
        c.PlaceCovered(QStringLiteral("Img_New"), {QStringLiteral("Btn_New")}, *pos);
    if (const auto pos = c.Pos(QStringLiteral("BtnStart")))
        c.PlaceCovered(QStringLiteral("Img_Start"), {QStringLiteral("Btn_Start")}, *pos);
    if (const auto pos = c.Pos(QStringLiteral("DelayTime")))
        c.PlaceWithCaption(QStringLiteral("Img_DelayTime"), QStringLiteral("IB_DelayTime"), *pos,
                           kMacroPageCaption);
    // Recorded delay at the key, no delay _H below it.
    const auto recPos = c.Pos(QStringLiteral("RecDelay"));
    const auto recStep = c.Int(QStringLiteral("RecDelay_H"));
    if (recPos && recStep) {
        c.PlaceWithCaption(QStringLiteral("Img_RecDelay"), QStringLiteral("IB_RecDelay"), *recPos,
                           kMacroPageCaption);
        c.PlaceWithCaption(QStringLiteral("Img_NoDelay"), QStringLiteral("IB_NoDelay"),
                           *recPos + QPoint(0, *recStep), kMacroPageCaption);
    }
    if (const auto pos = c.Pos(QStringLiteral("DelayEdit")))
        c.Place(QStringLiteral("Edt_Delay"), *pos);
    if (const auto pos = c.Pos(QStringLiteral("ReleaseStop")))
        c.PlaceWithCaption(QStringLiteral("Img_ReleaseStop"), QStringLiteral("IB_ReleaseStop"), *pos,
                           kMacroPageCaption);
    if (const auto pos = c.Pos(QStringLiteral("ReleaseContinue")))
        c.PlaceWithCaption(QStringLiteral("Img_ReleaseContiue"), QStringLiteral("IB_ReleaseContiue"),
                           *pos, kMacroPageCaption);
    if (const auto pos = c.Pos(QStringLiteral("Insert"))) {
        c.Place(QStringLiteral("Gb_Insert"), *pos);
        c.Place(QStringLiteral("Img_InsertBase"), *pos);
    }
    if (const auto pos = c.Pos(QStringLiteral("InsertList")))
        c.Place(QStringLiteral("CB_Insert"), *pos);
    // The three insert delay choices, _H apart.
    const auto insPos = c.Pos(QStringLiteral("InsertRecDelay"));
    const auto insStep = c.Int(QStringLiteral("InsertRecDelay_H"));
    if (insPos && insStep) {
        int row = 0;
        for (const char* choice : {"InsertRecDelay", "InsertDelayTime", "InsertNoDelay"}) {
            const QString name = QString::fromLatin1(choice);
            c.PlaceWithCaption(QStringLiteral("Img_") + name, QStringLiteral("IB_") + name,
                               *insPos + QPoint(0, row++ * *insStep), kMacroPageCaption);
        }
    }
    if (const auto pos = c.Pos(QStringLiteral("InsertDelayEdit")))
        c.Place(QStringLiteral("Edt_InsertDelay"), *pos);
    if (const auto pos = c.Pos(QStringLiteral("InsertAxisEdit"))) {
        c.Place(QStringLiteral("edt_XAxisValue"), *pos);
        c.Place(QStringLiteral("edt_YAxisValue"), *pos + QPoint(0, kAxisEditSpacing));
    }
    if (const auto pos = c.Pos(QStringLiteral("InsertBtnStart")))
        c.PlaceCovered(QStringLiteral("Img_InsertStart"), {QStringLiteral("Btn_InsertStart")}, *pos);
    if (const auto pos = c.Pos(QStringLiteral("InsertBtnOK")))
        c.PlaceCovered(QStringLiteral("Img_OK"), {QStringLiteral("Btn_OK")}, *pos);
    if (const auto pos = c.Pos(QStringLiteral("InsertBtnCancel")))
        c.PlaceCovered(QStringLiteral("Img_Cancel"), {QStringLiteral("Btn_Cancel")}, *pos);

    static constexpr std::pair<const char*, const char*> kCaptions[] = {
        {"Marco_List_Lable", "lbl_Marco_List"},
        {"Marco_Content_Lable", "lbl_Marco_Content"},
        {"Marco_Record_Delay_Lable", "lbl_Record_Delay"},
        {"Marco_Delay_Setting_Lable", "lbl_Delay_Setting"},
        {"Marco_No_Delay_Lable", "lbl_No_Delay"},
        {"Marco_MS_Lable", "lbl_MS"},
        {"Marco_Stop_Release_Lable", "lbl_Stop_Release"},
        {"Marco_Stop_Over_Lable", "lbl_Stop_Over"},
    };
    for (const auto& [family, label] : kCaptions)
        c.CaptionFamily(QString::fromLatin1(family), QString::fromLatin1(label));
    // The insert panel's title reads like the list's: same font and colour, on the row of the
    // other cards' titles, as far in from its card's left edge.
    QWidget* listTitle = c.Find(QStringLiteral("lbl_Marco_List"));
    QWidget* insertTitle = c.Find(QStringLiteral("lbl_Insert_Title"));
    if (listTitle && insertTitle) {
        insertTitle->setFont(listTitle->font());
        insertTitle->setPalette(listTitle->palette());
        insertTitle->resize(listTitle->size());
        const auto titlePos = c.Pos(QStringLiteral("Marco_List_Lable"));
        const auto card = c.Pos(QStringLiteral("Insert"));
        if (card && titlePos)
            c.Place(insertTitle, QPoint(card->x() + kCardTitleInset, titlePos->y()));
        if (QWidget* mark = c.Find(QStringLiteral("Img_InsertTitleMark"))) {
            QPalette palette = mark->palette();
            palette.setColor(QPalette::Window, listTitle->palette().color(QPalette::WindowText));
            mark->setPalette(palette);
            if (card && titlePos)
                c.Place(mark, QPoint(card->x() + kCardMarkInset, titlePos->y() + kCardMarkDown));
        }
    }

    s.macroSelected = c.Colour(QStringLiteral("Color_MACRO")).value_or(s.macroSelected);
    if (const auto width = c.Int(QStringLiteral("Edit_PCMarco_Width"))) {
        s.editPCMacroWidth = *width;
        if (QWidget* menu = c.Find(QStringLiteral("Pnl_PCMacro"))) {
            menu->resize(*width, menu->height());
            for (QWidget* entry : menu->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                entry->resize(*width, entry->height());
        }
    }
    s.keyWidth = c.Int(QStringLiteral("Key_Width")).value_or(s.keyWidth);

    // Lists and text buttons at rest take the page's colours.
    for (const char* list : {"LB_PCMacroName", "LB_macro", "LB_MacroName", "LB_FireMacroName",
                             "LB_FireMacro"})
        Context::SetBackground(c.Find(QString::fromLatin1(list)), s.macroListBack);
    // The fire macro editor's lists draw with the toolkit: while its insert panel locks them,
    // their selection fades and their text greys like the macro list's.
    for (const char* list : {"LB_FireMacroName", "LB_FireMacro"}) {
        if (QWidget* w = c.Find(QString::fromLatin1(list))) {
            QPalette palette = w->palette();
            const QColor back = s.macroListBack.isValid() ? s.macroListBack : palette.color(QPalette::Base);
            palette.setColor(QPalette::Disabled, QPalette::Highlight,
                             LockedSelection(palette.color(QPalette::Active, QPalette::Highlight), back));
            palette.setColor(QPalette::Disabled, QPalette::HighlightedText, s.disabledText);
            palette.setColor(QPalette::Disabled, QPalette::Text, s.disabledText);
            w->setPalette(palette);
        }
    }
    for (const char* button : {"Btn_Del", "Btn_Insert", "Btn_Edit", "Btn_FireDel", "Btn_FireInsert",
                               "Btn_FireEdit", "Btn_NewMacro", "Btn_ImportOne", "Btn_Export",
                               "Btn_Import", "Btn_ExportOne", "Btn_NewName", "Btn_DelPCMacro"}) {
        QWidget* w = c.Find(QString::fromLatin1(button));
        Context::SetTextColour(w, s.textButtonFont);
        Context::SetBackground(w, s.textButtonBack);
        // An entry that has nothing to act on shows greyed, like the other disabled texts.
        GreyWhenDisabled(w, QPalette::WindowText, s);
    }
    // The page's buttons that the insert panel locks grey their captions too.
    for (const char* button : {"Btn_New", "Btn_Start", "Btn_InsertStart"})
        GreyWhenDisabled(c.Find(QString::fromLatin1(button)), QPalette::WindowText, s);
}

void GunPage(Context& c)
{
    constexpr int kGunColumnNumberTop = 118;
    LayoutStyle& s = c.Style();
    s.gunFont = c.Colour(QStringLiteral("Color_J_Font")).value_or(s.gunFont);
    c.StyleGroup(QStringLiteral("gbPage5"), c.Int(QStringLiteral("Size_J")), s.gunFont);
    s.gunBack = c.Colour(QStringLiteral("Color_J_Back")).value_or(s.gunBack);
    s.gunBorder = c.Colour(QStringLiteral("Color_J_Border")).value_or(s.gunBorder);
    PagePicture(c, 5);

    for (int n = 1; n <= 7; ++n) {
        if (const auto pos = c.Pos(N("Fire%1", n)))
            c.PlaceCovered(N("Img_Fire%1", n), {N("Btn_Fire%1", n)}, *pos);
    }
    for (int n = 1; n <= 5; ++n) {
        if (const auto pos = c.Pos(N("GunMode%1", n)))
            c.Place(N("Img_GunMode%1", n), *pos);
    }
    for (int n = 1; n <= 3; ++n) {
        if (const auto pos = c.Pos(N("RKFS%1", n)))
            c.PlaceCovered(N("Img_FireRKFS%1", n), {N("lbl_FireRKFS%1", n)}, *pos);
        static constexpr std::pair<const char*, const char*> kEdits[] = {
            {"FireCnt%1", "Edt_FireCnt%1"},       {"FireX%1", "Edt_FireX%1"},
            {"FireY%1", "Edt_FireY%1"},           {"FireY%1_Offset", "Edt_FireY%1Offset"},
            {"FireTime%1", "Edt_FireTime%1"},
        };
        for (const auto& [key, edit] : kEdits) {
            if (const auto pos = c.Pos(N(key, n))) {
                c.Place(N(edit, n), *pos);
                if (auto* e = c.Find<QLineEdit>(N(edit, n))) {
                    Context::SetBackground(e, s.gunBack);
                    // An edit that takes no input shows its value greyed.
                    GreyWhenDisabled(e, QPalette::Text, s);
                }
            }
        }
        // The column number stands over the column's first edit, on the table card's top row.
        if (const auto pos = c.Pos(N("FireCnt%1", n)))
            c.Place(N("lbl_FireColumn%1", n), QPoint(pos->x(), kGunColumnNumberTop));
        if (const auto pos = c.Pos(N("FireColor%1", n)))
            c.PlaceSwatch(N("Img_FireColor%1", n), N("cs_FireColor%1", n), N("IB_FireColor%1", n), *pos);
    }
    if (const auto pos = c.Pos(QStringLiteral("FireConfirm")))
        c.PlaceCovered(QStringLiteral("Img_FireConfirm"), {QStringLiteral("Btn_FireConfirm")}, *pos);
    if (const auto pos = c.Pos(QStringLiteral("FireCancel")))
        c.PlaceCovered(QStringLiteral("Img_FireExit"), {QStringLiteral("Btn_FireExit")}, *pos);

    static constexpr std::pair<const char*, const char*> kCaptions[] = {
        {"Gun_Marco_Stop_Release_Lable", "lbl_Fire_Marco_Stop_Release"},
        {"Gun_Marco_Fire_Count_Lable", "lbl_Fire_Marco_Count"},
        {"Gun_Marco_Fire_Y_Lable", "lbl_Fire_Marco_Y"},
        {"Gun_Marco_Y_Offset_Lable", "lbl_Fire_Marco_Y_Offset"},
        {"Gun_Marco_Fire_Delay_Lable", "lbl_Fire_Marco_Delay"},
        {"Gun_Marco_Fire_Color_Lable", "lbl_Fire_Marco_Color"},
    };
    for (const auto& [family, label] : kCaptions)
        c.CaptionFamily(QString::fromLatin1(family), QString::fromLatin1(label));
}

} // namespace tarq::layout
