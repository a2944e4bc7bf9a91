// SPDX-License-Identifier: GPL-2.0-or-later
// The button-function menus: the first level Pnl_Main, its submenus, their entries with the
// tags that name the function they assign, the ">>" markers of entries that open a submenu,
// and the two pop-up lists (macros and gun keys).

#include "ui/pages/Pages.h"

#include <QFrame>
#include <QListWidget>
#include <QWidget>

#include <initializer_list>

#include "settings/FixedKeyCodes.h"
#include "ui/SkinLabel.h"
#include "ui/pages/DefaultTexts.h"
#include "ui/pages/MenuControls.h"
#include "ui/pages/PageKit.h"

namespace tarq::pages {

namespace {

constexpr int kEntryHeight = 24;
constexpr int kFirstTop = 1;
constexpr int kMainWidth = 190;      // M_L_W
constexpr int kSpecialWidth = 166;   // SP_L_W
constexpr int kOtherWidth = 154;     // O_L_W
constexpr int kMarkerWidth = 24;
constexpr int kEntryPrefixText = 200;   // the "*" in front of every entry

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

// The entry of a fixed key function: its name and text come from the fixed key-code table.
Entry Fixed(int tag, int top = -1)
{
    for (const FixedKeyCode& k : kFixedKeyCodes)
        if (k.tag == tag)
            return {k.entry.data(), tag, k.strId, nullptr, top};
    Q_ASSERT_X(false, "Fixed", "a menu entry without a fixed key code");
    return {};
}

// A menu entry reads " * text": a space, the prefix, a space and the function's name.
QString EntryCaption(int strId)
{
    return QLatin1Char(' ') + DefaultText(kEntryPrefixText) + QLatin1Char(' ') + DefaultText(strId);
}

QFrame* BuildMenu(QWidget* form, const Menu& menu)
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
    return panel;
}

} // namespace

MenuControls BuildMenus(QWidget* form)
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
        {"Pnl_MseKey", kOtherWidth, 122, {Fixed(900), Fixed(901), Fixed(902), Fixed(903), Fixed(904)}},
        {"Pnl_Special", kSpecialWidth, 170, {
            {"Key_CPIKey", 6, 230, "ST_CPIKey"}, Fixed(1000), Fixed(kAimTag), Fixed(1006),
            Fixed(1001), Fixed(1005), Fixed(1004), Fixed(1003),
        }},
        {"Pnl_CPIKey", kOtherWidth, 74, {Fixed(2000), Fixed(2001), Fixed(2002)}},
        {"Pnl_Media", kOtherWidth, 170, {
            Fixed(1300), Fixed(1301), Fixed(1302), Fixed(1303), Fixed(1304), Fixed(1305), Fixed(1306),
        }},
        {"Pnl_WWW", kOtherWidth, 170, {
            Fixed(1400), Fixed(1401), Fixed(1402), Fixed(1403), Fixed(1404), Fixed(1405), Fixed(1406),
        }},
        // E-Mail sits below the panel's height and is never offered.
        {"Pnl_MyPC", kOtherWidth, 74, {Fixed(1100), Fixed(1101), Fixed(1103), Fixed(1102, 173)}},
    };
    QFrame* panels[std::size(menus)] = {};
    for (size_t m = 0; m < std::size(menus); ++m)
        panels[m] = BuildMenu(form, menus[m]);

    MenuControls c;
    c.main = panels[0];
    c.mouseKeys = panels[1];
    c.special = panels[2];
    c.dpiKeys = panels[3];
    c.media = panels[4];
    c.web = panels[5];
    c.myComputer = panels[6];
    c.assembly = c.main->findChild<TSkinLabel*>("Key_Assembly");
    c.fireMacro = c.main->findChild<TSkinLabel*>("Key_FireMacro");
    c.engineerFireMacro = c.main->findChild<TSkinLabel*>("Key_TLFireMacro");

    // The fire macro entry of the engineer page replaces the button page's one when it opens.
    c.engineerFireMacroMarker = c.main->findChild<QWidget*>("ST_TLFireMacro");
    c.engineerFireMacro->hide();
    c.engineerFireMacroMarker->hide();

    c.macros = List(form, "LB_Name", QRect(0, 0, kOtherWidth, 170));
    c.macros->hide();
    c.gunKeys = List(form, "LB_Script", QRect(0, 0, kOtherWidth, 170));
    c.gunKeys->hide();
    return c;
}

} // namespace tarq::pages
