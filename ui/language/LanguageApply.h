// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Puts language texts on the window: the captions and font of the skinned pages from the
// language resources "LANG1".."LANG3", and the engineer page's captions from the compiled-in
// caption table. Controls are found below the form's root widget by object name; a control the
// tree does not have is skipped, so the functions also work on a partial tree.

#include "language/EngineerCaptions.h"
#include "language/LanguageText.h"

#include <QHash>
#include <QString>

#include <array>
#include <cstdint>
#include <string_view>

class QWidget;

namespace tarq {

constexpr int kLanguageCount = 3;

// The texts of language 1..3 from its resource; empty texts for a language that is not
// shipped or an index out of range, so every caption reads empty rather than failing.
LanguageTexts LoadLanguageTexts(int languageIndex);
std::array<LanguageTexts, kLanguageCount> LoadAllLanguageTexts();

// Whether the program carries language 1..3.
bool LanguageShipped(int languageIndex);

// Reads the language texts of `languageIndex` and applies them below `root`: the font family
// FontName (sizes stay as the layout pass set them), the captions of the frame, page and menu
// buttons and page captions, the insert lists (their current item kept), and the button labels
// Key1..Key9, whose captions are translated through FindStrId when they are a language text.
// Returns the texts, which the form keeps as the text fields of the current language (Title,
// FontName for the message dialog, the messages).
LanguageTexts ApplyLanguage(QWidget* root, int languageIndex);

// The step of ApplyLanguage for the button labels Key1..Key9 alone: a label whose caption is a
// text of some language (FindStrId over `all`) takes that ID's text in `target`; any other
// caption, such as a macro name, stays, and so does a caption whose ID `target` lacks: the
// label names the button's function and must not go blank.
void RetranslateKeyLabels(QWidget* root, const std::array<LanguageTexts, kLanguageCount>& all,
                          const LanguageTexts& target);

// The locale identifier of the system as the caption table knows it: kLocaleChineseChina for
// Chinese (China), 1033 otherwise.
uint32_t SystemLocaleId();

// Captions and font of the engineer page (gbPage6) from the caption table column chosen by
// `captions`; run once at start-up.
void ApplyEngineerCaptions(QWidget* root, const EngineerCaptions& captions);

// The texts of a language as the form keeps them: Str ID -> text.
QHash<int, QString> TextFields(const LanguageTexts& texts);

// Converts a UTF-8 text of the core to a widget text.
inline QString ToQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace tarq
