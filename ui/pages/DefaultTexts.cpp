// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/pages/DefaultTexts.h"

#include <QHash>

namespace tarq::pages {

QString DefaultText(int strId)
{
    static const QHash<int, QString> texts = {
        {0, "Confirm"}, {1, "Apply"}, {2, "RESET"}, {3, "Exit"}, {4, "Office Mode"},
        {5, "Game Mode"}, {7, "Advanced"}, {8, "Light"}, {9, "Save Profile"},
        {10, "Load Profile"}, {11, "Chinese"}, {12, "English"}, {13, "English"}, {14, "Macro"},
        {15, "Confirm 2"}, {16, "Confirm 3"}, {17, "Read"},
        {20, "Finding the specified device"},
        {100, "Please Connect the USB Device"},
        {101, "Please check your device is attached to USB port"},
        {106, "This macro already exists"},
        {107, "The mouse manufacturer or product id error"},
        {108, "Please keep a Left Key"}, {109, "Fail"},
        {200, "*"}, {201, "Standard Mouse Keys"}, {202, "Special Keys"}, {203, "Media"},
        {204, "Web"}, {205, "User-defined"}, {206, "Base Macro"}, {207, "Others"},
        {208, "Fire Macro"}, {210, "Left Click"}, {211, "Right Click"}, {212, "Middle Click"},
        {213, "Back"}, {214, "Forward"}, {220, "Fire Key"}, {221, "LED ON/OFF"}, {222, "AIM"},
        {223, "Gun Key Fn"}, {224, "Key Off"}, {225, "Key Mode Switch"}, {226, "LED Mode"},
        {230, "DPI"}, {231, "DPI Loop"}, {232, "DPI +"}, {233, "DPI -"},
        {240, "My Computer"}, {241, "Calculator"}, {242, "E-Mail"}, {243, "Desktop"},
        {250, "Play/Pause"}, {251, "Stop"}, {252, "Previous Track"}, {253, "Next Track"},
        {254, "Volume +"}, {255, "Volume -"}, {256, "Mute"},
        {260, "Home"}, {261, "Search"}, {262, "Web Back"}, {263, "Web Forward"},
        {264, "Stop"}, {265, "Refresh"}, {266, "Favorites"},
        {300, "500"}, {301, "800"}, {302, "1000"}, {303, "1200"}, {304, "1600"},
        {305, "2000"}, {306, "2400"}, {307, "3200"}, {308, "4000"}, {309, "4800"},
        {310, "6400"}, {311, "8000"},
        {400, "Record"}, {401, "Stop"}, {402, "Rename"}, {404, "Export One"},
        {405, "Export All"}, {406, "Import One"}, {407, "Import All"}, {408, "Delete"},
        {409, "Insert"}, {410, "Insert Delay Front"}, {411, "Insert Delay Back"},
        {412, "Insert Key Front"}, {413, "Insert Key Back"}, {414, "Record Delay"},
        {415, "Default Delay"}, {416, "No Delay"}, {417, "Delay Time"}, {418, "ms"},
        {420, "OK"}, {421, "OK"}, {422, "Cancel"}, {432, "New Macro"}, {433, "Delete"},
        {435, "Edit"}, {436, "Stop until the key release"},
        {437, "Stop after the macro is over"}, {440, "Insert X axis Front"},
        {441, "Insert X axis Back"}, {442, "Insert Y axis Front"}, {443, "Insert Y axis Back"},
        {444, "X axis value"}, {445, "Y axis value"}, {446, "Insert Start Repeat"},
        {447, "Insert Stop Repeat"}, {448, "Repeat Number"},
        {600, "AKM"}, {601, "M16"}, {602, "M4"}, {603, "UMP9"}, {604, "SCAR-L"},
        {605, "5.56mm Fire"}, {606, "7.62mm Fire"}, {620, "Confirm"}, {621, "Cancel"},
        {700, "Press 'Middle Click' 3sec to switch office/game mode"},
        {701, "Press 'DPI' 3sec to switch office/game mode"},
        {702, "Press Gun Key Switch office/game mode"},
        {800, "Fire Key Setting"}, {801, "Repeat(1-255)"}, {802, "Firing Interval"},
        {803, "Continusely"}, {804, "Moving Speed"}, {805, "Enhance pointer precision"},
        {806, "Double Click Speed"}, {807, "Rolling Speed"},
        {808, "Scroll one screen at a time"}, {809, "DPI Setting"}, {810, "DPI Count"},
        {811, "Choose DPI Count Number"}, {812, "LED Status"}, {813, "Enable"},
        {814, "Disable"}, {815, QString::fromUtf8("LED Mode Switch Enable\xEF\xBC\x88L+DPI)")},
        {816, "LED ON/OFF Enable(M+DPI)"}, {817, "LED Brightness"}, {818, "ALL"},
        {819, "HALF"}, {820, "LED Mode"}, {821, "Neon"}, {822, "Casual Breathing"},
        {823, "Sleep Breathing"}, {824, "Sport Breathing"}, {825, "DPI Breathing"},
        {826, "DPI Steady"}, {827, "Off"}, {828, "Random Color 1"}, {829, "Random Color 2"},
        {830, "Random Color 3"}, {831, "DPI Color 1"}, {832, "DPI Color 2"},
        {833, "DPI Color 3"}, {834, "Off"}, {835, "Macro List"}, {836, "Content"},
        {837, "Real Time"}, {838, "Delay Time"}, {839, "No Delay"}, {840, "ms"},
        {841, "Stop until the key release"}, {842, "Stop after the macro is over"},
        {843, "Stop Until the Press Release"}, {844, "Fire Counts"}, {845, "Fire Y-Axis"},
        {846, "Y-Axis Offset"}, {847, "Fire Delay Time"}, {848, "Color"},
        {849, "DPI1"}, {850, "DPI2"}, {851, "DPI3"}, {852, "DPI4"}, {853, "DPI5"},
        {854, "DPI6"}, {855, "DPI7"}, {856, "Breathing Speed"}, {857, "Slow"}, {858, "Fast"},
        {880, "Number of LEDs"},
        {903, "Loading..."}, {980, "TARQ362A Gaming Mouse utility"},
    };
    return texts.value(strId);
}

} // namespace tarq::pages
