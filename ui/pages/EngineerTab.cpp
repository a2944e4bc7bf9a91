// SPDX-License-Identifier: GPL-2.0-or-later
// Page 6, the engineer tab: gun key list, the codes read from the mouse, the MCU modes
// offered, and the colour and Y offset of each fire macro.

#include "ui/pages/Pages.h"
#include "ui/pages/EngineerPageControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

#include "ui/HexEdit.h"
#include "ui/SkinLabel.h"
#include "ui/pages/EngineerText.h"
#include "ui/pages/PageKit.h"

namespace tarq::pages {

namespace {

constexpr int kFireMacros = EngineerTabControls::kFireMacros;

QStringList Numbers(int first, int last)
{
    QStringList items;
    for (int v = first; v <= last; ++v)
        items << QString::number(v);
    return items;
}

} // namespace

EngineerTabControls BuildEngineerTab(QTabWidget* tabWidget)
{
    EngineerTabControls c;
    auto* tab = new QWidget;
    c.tab = tab;
    tab->setObjectName("ts_Engineer");
    const int index = tabWidget->addTab(tab, EngineerText(14));
    // The tab is offered only after unlocking, and even then shows values without taking input.
    tabWidget->setTabVisible(index, false);
    tab->setEnabled(false);

    QGroupBox* gun = Group(tab, "gbGunParam", EngineerText(90), QRect(8, 6, 300, 206));
    c.scriptNames = List(gun, "LB_ScriptName", QRect(10, 20, 130, 176));
    Caption(gun, "lbl_SOSStartIndex", EngineerText(91), QRect(148, 20, 100, 22));
    c.sosStart = Combo(gun, "cb_SOSStartIndex", QRect(148, 44, 60, 22), Numbers(1, kFireMacros));
    Caption(gun, "lbl_SOSNumber", EngineerText(92), QRect(148, 72, 100, 22));
    c.sosCount = Combo(gun, "cb_SOSNumber", QRect(148, 96, 60, 22), Numbers(1, kFireMacros));
    c.addScript = PushButton(gun, "btn_AddScript", EngineerText(93), QRect(148, 134, 110, 26));
    c.deleteScript = PushButton(gun, "btn_DelScript", EngineerText(94), QRect(148, 166, 110, 26));

    Caption(tab, "lbl_VendorID_Rd", EngineerText(35), QRect(16, 222, 90, 22));
    c.vendorRead = IntEdit(tab, "edt_VendorID_Rd", QRect(108, 222, 50, 22), 3);
    c.vendorRead->setReadOnly(true);
    Caption(tab, "lbl_ProductID_Rd", EngineerText(36), QRect(16, 250, 90, 22));
    c.productRead = IntEdit(tab, "edt_ProductID_Rd", QRect(108, 250, 50, 22), 3);
    c.productRead->setReadOnly(true);

    QGroupBox* modes = Group(tab, "gbMCULEDMode", EngineerText(95), QRect(8, 282, 300, 112));
    const int modeIds[] = {40, 41, 42, 43, 44, 45, 56};
    for (int m = 1; m <= 7; ++m) {
        const int col = (m - 1) / 4;
        const int row = (m - 1) % 4;
        c.mcuModes[size_t(m - 1)] = Check(modes, Numbered("cb_Mode", m), EngineerText(modeIds[m - 1]),
                                          QRect(10 + col * 140, 20 + row * 22, 130, 20));
        c.mcuModes[size_t(m - 1)]->setChecked(true);
    }

    QGroupBox* colours = Group(tab, "gbFireMacroColor", EngineerText(96), QRect(316, 6, 390, 300));
    const char channels[] = {'R', 'G', 'B'};
    for (int m = 1; m <= kFireMacros; ++m) {
        for (int channel = 0; channel < 3; ++channel) {
            const QString name = QString::number(m) + QLatin1Char(channels[channel]);
            const int x = 10 + channel * 126;
            const int y = 20 + (m - 1) * 27;
            Caption(colours, "lbl_FireMacroColor" + name,
                    EngineerText(97 + (m - 1) * 3 + channel), QRect(x, y, 76, 22));
            c.fireColours[size_t(m - 1)][size_t(channel)] = IntEdit(colours, "edt_FireMacroColor" + name, QRect(x + 78, y, 40, 22), 3, "0");
        }
    }

    QGroupBox* offsets = Group(tab, "gbFireMacroYOffset", EngineerText(127), QRect(714, 6, 250, 300));
    for (int m = 1; m <= kFireMacros; ++m) {
        const int y = 20 + (m - 1) * 27;
        Caption(offsets, Numbered("lbl_YOffset", m), EngineerText(127 + m), QRect(10, y, 130, 22));
        c.yOffsets[size_t(m - 1)] = Edit(offsets, Numbered("edt_YOffset", m), QRect(150, y, 60, 22), "0");
        c.yOffsets[size_t(m - 1)]->setReadOnly(true);
    }
    return c;
}

} // namespace tarq::pages
