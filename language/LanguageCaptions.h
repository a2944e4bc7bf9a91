// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Which control of the skinned pages shows which language text. The captions are resolved
// here, without widgets, so that the UI only has to hand each text to the named control.

#include "language/LanguageText.h"

#include <string>
#include <vector>

namespace tarq {

// A caption fixed by control name. (The button labels Key1..Key9 are not among them: they show
// function names, which are translated through FindStrId.)
struct ControlCaption {
    std::string control;   // object name, e.g. "Btn_Apply_3"
    std::string text;      // UTF-8
};

struct ControlItems {
    std::string control;
    std::vector<std::string> items;
};

// A menu entry's caption: a space, Str200, a space and the entry's text (" * Media").
std::string MenuEntryCaption(const LanguageTexts& texts, int strId);

// Every caption the language sets: the frame and page buttons of all four pages, the button
// menu entries, and the captions of the advanced, light, macro and gun pages.
std::vector<ControlCaption> LanguageCaptions(const LanguageTexts& texts);

// The insert lists of the macro editor and of the fire macro editor, in item order.
std::vector<ControlItems> LanguageListItems(const LanguageTexts& texts);

// The controls whose font family follows the language's FontName: every control captioned
// above, the button labels Key1..Key9, the engineer page buttons of pages 1-4 and the macro and
// fire macro lists.
std::vector<std::string> LanguageFontControls();

} // namespace tarq
