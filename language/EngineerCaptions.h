// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The compiled-in caption table of the engineer page. Unlike the skinned pages, whose texts
// come from the language resources, the engineer page is captioned once at start-up from this
// table, in English or Chinese depending on the locale of the system; later language switches
// do not touch it.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace tarq {

// Locale identifier of Chinese (China).
constexpr uint32_t kLocaleChineseChina = 2052;

constexpr int kEngineerCaptionCount = 139;

// Columns of the table. Column 1 exists in the table but is never chosen.
enum EngineerCaptionColumn : int {
    kCaptionEnglish = 0,
    kCaptionUnused = 1,
    kCaptionChinese = 2,
};

struct EngineerCaption {
    uint8_t id;
    std::array<std::string_view, 3> texts;   // indexed by EngineerCaptionColumn, UTF-8
};

// The table in its stored order, which is not the ID order: look entries up by ID.
std::span<const EngineerCaption> EngineerCaptionTable();

// The caption table with the column chosen from a locale identifier.
class EngineerCaptions {
public:
    explicit EngineerCaptions(uint32_t localeId);

    int Column() const { return column_; }
    // The font the engineer page uses with this column.
    std::string_view FontName() const;
    // The text of the entry with this ID in the chosen column; empty for an ID not in the table.
    std::string_view CaptionText(int id) const;

    static int ColumnForLocale(uint32_t localeId);

private:
    int column_;
};

// A control of the engineer page and the table entry that captions it (a button's or label's
// text, a group's title, a tab's text).
struct EngineerCaptionBinding {
    std::string_view control;
    uint8_t id;
};

// A list control of the engineer page whose items are table entries, in item order.
struct EngineerListBinding {
    std::string_view control;
    std::span<const uint8_t> ids;
};

std::span<const EngineerCaptionBinding> EngineerCaptionBindings();
std::span<const EngineerListBinding> EngineerListBindings();

} // namespace tarq
