// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The language buttons: Btn_Lang1_0Click, Btn_Lang2_0Click and Btn_Lang3_0Click (all four
// page copies of a language button call the same handler) switch the whole window to another
// language. The controls are found below the form's root widget by object name; the steps that
// belong to other parts of the window (layout pass, page refresh, rolling caption, title) are
// handed in as hooks, so this file needs nothing of the form but its widget tree.

#include <QString>

#include <functional>

class QWidget;

namespace tarq {

struct LanguageSwitchHooks {
    // Puts a skin picture into a picture control ("Img_Lang2_3", "SetS_03").
    std::function<void(const QString& control, const QString& picture)> setPicture;
    // LanguageIndex := the language, then ApplyLayout for it, which ends with ApplyLanguage;
    // returns the new language's Title. Without this hook the switch runs ApplyLanguage alone.
    std::function<QString(int languageIndex)> applyLayout;
    // The application title of the new language.
    std::function<void(const QString& title)> setTitle;
    // RefreshAPPage: shows the page of the current view again.
    std::function<void()> refreshPage;
    // Restarts the rolling-caption state with the named caption label and its new caption.
    std::function<void(const QString& label, const QString& caption)> restartRolling;
};

// Switches to language 1..3 in the order the window relies on: "SetS_03" into the four pictures
// of the language's button and "SetS_01" into those of the other two, and the hidden radio
// button rb_Lang<n> checked; the item index of CB_Insert remembered while Gb_Delay and the delay
// captions are hidden; LanguageIndex set and the layout pass run, ending with ApplyLanguage;
// the CB_Insert index restored and the application title set to the language's Title; the
// current page shown again (RefreshAPPage); the rolling-caption state restarted with the caption
// of the language's first button.
// A language the program does not carry is refused and nothing changes: switching to it would
// blank every caption. Returns whether the switch ran.
bool SwitchLanguage(QWidget* root, int languageIndex, const LanguageSwitchHooks& hooks);

class Controls;

// The language buttons of the main form: each connects its four page copies to its handler.
class LanguageSwitch {
public:
    LanguageSwitch(Controls& controls, LanguageSwitchHooks hooks);

    void Wire();

    void Btn_Lang1_0Click() { Switch(1); }
    void Btn_Lang2_0Click() { Switch(2); }
    void Btn_Lang3_0Click() { Switch(3); }
    bool Switch(int languageIndex);

private:
    Controls& controls_;
    LanguageSwitchHooks hooks_;
};

} // namespace tarq
