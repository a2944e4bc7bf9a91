// The button-function menus: the first level Pnl_Main, its submenus, their entries with the
// tags that name the function they assign, the ">>" markers of entries that open a submenu,
// and the two pop-up lists (macros and gun keys).

#include "ui/pages/Pages.h"

#include <QFrame>
#include <initializer_list>
#include <QListWidget>
#include <QWidget>

#include "ui/SkinLabel.h"
#include "ui/pages/DefaultTexts.h"
#include "ui/pages/PageKit.h"

namespace tarq::pages {

namespace {

constexpr int kEntryHeight = 24;
constexpr int kFirstTop = 1;
constexpr int kMainWidth = 190;      // M_L_W
constexpr int kSpecialWidth = 166;   // SP_L_W
constexpr int kOtherWidth = 154;     // O_L_W
constexpr int kMarkerWidth = 24;

struct Entry {
    const char* name;
    int tag;
    int strId;
    const char* marker = nullptr;    // ">>" label of an entry that opens a submenu
    int top = -1;                    // -1: the next place down
};

struct Menu {
    const char* name;
    int width;
    int height;
    std::initializer_list<Entry> entries;
};

// A menu entry reads " * text": a space, the prefix, a space and the function's name.
QString EntryCaption(int strId)
{
    return QLatin1Char(' ') + DefaultText(200) + QLatin1Char(' ') + DefaultText(strId);
}

void BuildMenu(QWidget* form, const Menu& menu)
{
    auto* panel = new QFrame(form);
    panel->setObjectName(menu.name);
    panel->setGeometry(0, 0, menu.width, menu.height);
    panel->setAutoFillBackground(true);
    int top = kFirstTop;
    for (const Entry& e : menu.entries) {
        if (e.top >= 0)
            top = e.top;
        TSkinLabel* entry = Caption(panel, e.name, EntryCaption(e.strId),
                                    QRect(1, top, menu.width - 2, kEntryHeight));
        entry->setProperty("tag", e.tag);
        entry->setCursor(Qt::PointingHandCursor);
        if (e.marker) {
            TSkinLabel* marker = Caption(panel, e.marker, QStringLiteral(">>"),
                                         QRect(menu.width - kMarkerWidth - 4, top, kMarkerWidth, kEntryHeight),
                                         Qt::AlignRight | Qt::AlignVCenter);
            marker->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        top += kEntryHeight;
    }
    panel->hide();
}

} // namespace

void BuildMenus(QWidget* form)
{
    const int fireTop = kFirstTop + 7 * kEntryHeight;   // 169: cut off at height 170
    const Menu menus[] = {
        {"Pnl_Main", kMainWidth, 170, {
            {"Key_Standard", 1, 201, "ST_Standard"},
            {"Key_Special", 2, 202, "ST_Special"},
            {"Key_Media", 3, 203, "ST_Media"},
            {"Key_WWW", 4, 204, "ST_WWW"},
            {"Key_MyPC", 5, 207, "ST_MyPC"},
            {"Key_Assembly", 0, 205},
            {"Key_Macro", 7, 206, "ST_Macro"},
            {"Key_FireMacro", 11, 208, nullptr, fireTop},
            {"Key_TLFireMacro", 13, 208, "ST_TLFireMacro", fireTop},
        }},
        {"Pnl_MseKey", kOtherWidth, 122, {
            {"Key_Left", 900, 210}, {"Key_Right", 901, 211}, {"Key_Middle", 902, 212},
            {"Key_B4", 903, 213}, {"Key_B5", 904, 214},
        }},
        {"Pnl_Special", kSpecialWidth, 170, {
            {"Key_CPIKey", 6, 230, "ST_CPIKey"}, {"Key_Fire", 1000, 220},
            {"Key_AIMKey", 1002, 222}, {"Key_LEDMode", 1006, 226},
            {"Key_LEDSwitch", 1001, 221}, {"Key_KeyMode", 1005, 225},
            {"Key_KeyOff", 1004, 224}, {"Key_FnFire", 1003, 223},
        }},
        {"Pnl_CPIKey", kOtherWidth, 74, {
            {"Key_CPI", 2000, 231}, {"Key_CPII", 2001, 232}, {"Key_CPID", 2002, 233},
        }},
        {"Pnl_Media", kOtherWidth, 170, {
            {"Key_PlayPause", 1300, 250}, {"Key_Stop", 1301, 251},
            {"Key_PreviousTrack", 1302, 252}, {"Key_NextTrack", 1303, 253},
            {"Key_VolumePlus", 1304, 254}, {"Key_VolumeMinus", 1305, 255},
            {"Key_Mute", 1306, 256},
        }},
        {"Pnl_WWW", kOtherWidth, 170, {
            {"Key_WWWHome", 1400, 260}, {"Key_WWWSearch", 1401, 261},
            {"Key_WWWBack", 1402, 262}, {"Key_WWWForward", 1403, 263},
            {"Key_WWWStop", 1404, 264}, {"Key_WWWRefresh", 1405, 265},
            {"Key_WWWFavorites", 1406, 266},
        }},
        // E-Mail sits below the panel's height and is never offered.
        {"Pnl_MyPC", kOtherWidth, 74, {
            {"Key_Computer", 1100, 240}, {"Key_Calculator", 1101, 241},
            {"Key_Desktop", 1103, 243}, {"Key_EMail", 1102, 242, nullptr, 173},
        }},
    };
    for (const Menu& menu : menus)
        BuildMenu(form, menu);

    // The fire macro entry of the engineer page replaces the button page's one when it opens.
    form->findChild<QWidget*>("Key_TLFireMacro")->hide();
    form->findChild<QWidget*>("ST_TLFireMacro")->hide();

    List(form, "LB_Name", QRect(0, 0, kOtherWidth, 170))->hide();
    List(form, "LB_Script", QRect(0, 0, kOtherWidth, 170))->hide();
}

} // namespace tarq::pages
