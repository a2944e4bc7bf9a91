// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/KeysymToVirtualKey.h"

#include <algorithm>
#include <array>

namespace tarq {

namespace {

struct KeysymRun {
    uint32_t firstSym;
    uint32_t lastSym;
    uint16_t firstKey;
};

// Runs of consecutive keysyms that map to consecutive virtual keys. Shifted symbols map to
// the key that carries them on a US keyboard, so a key reads the same with or without Shift.
constexpr std::array kRuns{
    KeysymRun{0x0020, 0x0020, 0x20},       // space
    KeysymRun{0x0030, 0x0039, 0x30},       // 0-9
    KeysymRun{0x0041, 0x005A, 0x41},       // A-Z
    KeysymRun{0x0061, 0x007A, 0x41},       // a-z
    KeysymRun{0xFF08, 0xFF09, 0x08},       // BackSpace, Tab
    KeysymRun{0xFF50, 0xFF54, 0x24},       // Home, Left, Up, Right, Down
    KeysymRun{0xFF95, 0xFF99, 0x24},       // the same on the keypad without Num Lock
    KeysymRun{0xFFAA, 0xFFAF, 0x6A},       // KP_Multiply .. KP_Divide
    KeysymRun{0xFFB0, 0xFFB9, 0x60},       // KP_0 .. KP_9
    KeysymRun{0xFFBE, 0xFFD5, 0x70},       // F1 .. F24
};

// Single keysyms, sorted by keysym.
struct KeysymKey {
    uint32_t sym;
    uint16_t key;
};
constexpr std::array kSingles{
    KeysymKey{0x0021, 0x31}, KeysymKey{0x0022, 0xDE}, KeysymKey{0x0023, 0x33},   // ! " #
    KeysymKey{0x0024, 0x34}, KeysymKey{0x0025, 0x35}, KeysymKey{0x0026, 0x37},   // $ % &
    KeysymKey{0x0027, 0xDE}, KeysymKey{0x0028, 0x39}, KeysymKey{0x0029, 0x30},   // ' ( )
    KeysymKey{0x002A, 0x38}, KeysymKey{0x002B, 0xBB}, KeysymKey{0x002C, 0xBC},   // * + ,
    KeysymKey{0x002D, 0xBD}, KeysymKey{0x002E, 0xBE}, KeysymKey{0x002F, 0xBF},   // - . /
    KeysymKey{0x003A, 0xBA}, KeysymKey{0x003B, 0xBA}, KeysymKey{0x003C, 0xBC},   // : ; <
    KeysymKey{0x003D, 0xBB}, KeysymKey{0x003E, 0xBE}, KeysymKey{0x003F, 0xBF},   // = > ?
    KeysymKey{0x0040, 0x32}, KeysymKey{0x005B, 0xDB}, KeysymKey{0x005C, 0xDC},   // @ [ backslash
    KeysymKey{0x005D, 0xDD}, KeysymKey{0x005E, 0x36}, KeysymKey{0x005F, 0xBD},   // ] ^ _
    KeysymKey{0x0060, 0xC0}, KeysymKey{0x007B, 0xDB}, KeysymKey{0x007C, 0xDC},   // ` { |
    KeysymKey{0x007D, 0xDD}, KeysymKey{0x007E, 0xC0},                            // } ~
    KeysymKey{0xFE03, 0x12},   // ISO_Level3_Shift (AltGr)
    KeysymKey{0xFE20, 0x09},   // ISO_Left_Tab (Shift+Tab)
    KeysymKey{0xFF0B, 0x0C},   // Clear
    KeysymKey{0xFF0D, 0x0D},   // Return
    KeysymKey{0xFF13, 0x13},   // Pause
    KeysymKey{0xFF14, 0x91},   // Scroll_Lock
    KeysymKey{0xFF15, 0x2C},   // Sys_Req
    KeysymKey{0xFF1B, 0x1B},   // Escape
    KeysymKey{0xFF55, 0x21},   // Prior
    KeysymKey{0xFF56, 0x22},   // Next
    KeysymKey{0xFF57, 0x23},   // End
    KeysymKey{0xFF60, 0x29},   // Select
    KeysymKey{0xFF61, 0x2C},   // Print
    KeysymKey{0xFF62, 0x2B},   // Execute
    KeysymKey{0xFF63, 0x2D},   // Insert
    KeysymKey{0xFF67, 0x5D},   // Menu
    KeysymKey{0xFF6A, 0x2F},   // Help
    KeysymKey{0xFF6B, 0x13},   // Break
    KeysymKey{0xFF7F, 0x90},   // Num_Lock
    KeysymKey{0xFF80, 0x20},   // KP_Space
    KeysymKey{0xFF89, 0x09},   // KP_Tab
    KeysymKey{0xFF8D, 0x0D},   // KP_Enter
    KeysymKey{0xFF9A, 0x21},   // KP_Prior
    KeysymKey{0xFF9B, 0x22},   // KP_Next
    KeysymKey{0xFF9C, 0x23},   // KP_End
    KeysymKey{0xFF9D, 0x0C},   // KP_Begin
    KeysymKey{0xFF9E, 0x2D},   // KP_Insert
    KeysymKey{0xFF9F, 0x2E},   // KP_Delete
    KeysymKey{0xFFAC, 0x6C},   // KP_Separator (inside the run above, listed for clarity)
    KeysymKey{0xFFE1, 0x10},   // Shift_L
    KeysymKey{0xFFE2, 0x10},   // Shift_R
    KeysymKey{0xFFE3, 0x11},   // Control_L
    KeysymKey{0xFFE4, 0x11},   // Control_R
    KeysymKey{0xFFE5, 0x14},   // Caps_Lock
    KeysymKey{0xFFE7, 0x12},   // Meta_L
    KeysymKey{0xFFE8, 0x12},   // Meta_R
    KeysymKey{0xFFE9, 0x12},   // Alt_L
    KeysymKey{0xFFEA, 0x12},   // Alt_R
    KeysymKey{0xFFEB, 0x5B},   // Super_L
    KeysymKey{0xFFEC, 0x5C},   // Super_R
    KeysymKey{0xFFFF, 0x2E},   // Delete
    KeysymKey{0x1008FF11, 0xAE},   // XF86AudioLowerVolume
    KeysymKey{0x1008FF12, 0xAD},   // XF86AudioMute
    KeysymKey{0x1008FF13, 0xAF},   // XF86AudioRaiseVolume
    KeysymKey{0x1008FF14, 0xB3},   // XF86AudioPlay
    KeysymKey{0x1008FF15, 0xB2},   // XF86AudioStop
    KeysymKey{0x1008FF16, 0xB1},   // XF86AudioPrev
    KeysymKey{0x1008FF17, 0xB0},   // XF86AudioNext
    KeysymKey{0x1008FF18, 0xAC},   // XF86HomePage
    KeysymKey{0x1008FF19, 0xB4},   // XF86Mail
    KeysymKey{0x1008FF1B, 0xAA},   // XF86Search
    KeysymKey{0x1008FF1D, 0xB7},   // XF86Calculator
    KeysymKey{0x1008FF26, 0xA6},   // XF86Back
    KeysymKey{0x1008FF27, 0xA7},   // XF86Forward
    KeysymKey{0x1008FF28, 0xA9},   // XF86Stop
    KeysymKey{0x1008FF29, 0xA8},   // XF86Refresh
    KeysymKey{0x1008FF30, 0xAB},   // XF86Favorites
    KeysymKey{0x1008FF31, 0xB3},   // XF86AudioPause
    KeysymKey{0x1008FF32, 0xB5},   // XF86AudioMedia
    KeysymKey{0x1008FF33, 0xB6},   // XF86MyComputer
};

constexpr bool SinglesSorted()
{
    for (size_t i = 1; i < kSingles.size(); ++i)
        if (kSingles[i - 1].sym >= kSingles[i].sym)
            return false;
    return true;
}
static_assert(SinglesSorted());

} // namespace

uint16_t VirtualKeyFromKeysym(uint32_t keysym)
{
    const auto single = std::lower_bound(kSingles.begin(), kSingles.end(), keysym,
                                         [](const KeysymKey& k, uint32_t s) { return k.sym < s; });
    if (single != kSingles.end() && single->sym == keysym)
        return single->key;
    for (const KeysymRun& run : kRuns)
        if (keysym >= run.firstSym && keysym <= run.lastSym)
            return uint16_t(run.firstKey + (keysym - run.firstSym));
    return 0;
}

} // namespace tarq
