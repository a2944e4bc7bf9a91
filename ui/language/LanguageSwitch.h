// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The language buttons: Btn_Lang1_0Click, Btn_Lang2_0Click and Btn_Lang3_0Click (all four
// page copies of a language button call the same handler) switch the whole window to another
// language. The controls are found below the form's root widget by object name; the steps that
// belong to other parts of the window (layout pass, page refresh, rolling caption, title) are
// asked of a LanguageSwitchSteps, so this file needs nothing of the form but its widget tree.

#include <QString>

#include <functional>

class QLabel;
class QWidget;

namespace tarq {

// The steps of a switch that belong to other parts of the window.
class LanguageSwitchSteps {
public:
    // Puts a skin picture into a picture control ("Img_Lang2_3", "SetS_03").
    virtual void SetPicture(const QString& control, const QString& picture) = 0;
    // LanguageIndex := the language, then the layout pass for it, which ends with the language
    // texts; returns the new language's Title.
    virtual QString ApplyLayout(int languageIndex) = 0;
    // The application title of the new language.
    virtual void SetTitle(const QString& title) = 0;
    // RefreshAPPage: shows the page of the current view again.
    virtual void RefreshPage() = 0;
    // Restarts the rolling-caption state with the caption label and its new caption.
    virtual void RestartRolling(QLabel* label, const QString& caption) = 0;

protected:
    ~LanguageSwitchSteps() = default;
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
bool SwitchLanguage(QWidget* root, int languageIndex, LanguageSwitchSteps& steps);

class Controls;
class Navigation;
class WindowServices;

// The language buttons of the main form: each connects its four page copies to its handler.
// The pictures go through the window's services, the page and the rolling caption through the
// navigation; the layout pass is the form's, built above this layer, and handed in (required).
class LanguageSwitch : private LanguageSwitchSteps {
public:
    LanguageSwitch(Controls& controls, WindowServices& window, Navigation& nav,
                   std::function<QString(int languageIndex)> applyLayout);

    void Wire();

    void Btn_Lang1_0Click() { Switch(1); }
    void Btn_Lang2_0Click() { Switch(2); }
    void Btn_Lang3_0Click() { Switch(3); }
    bool Switch(int languageIndex);

private:
    void SetPicture(const QString& control, const QString& picture) override;
    QString ApplyLayout(int languageIndex) override;
    void SetTitle(const QString&) override {}   // the layout pass took the title with the texts
    void RefreshPage() override;
    void RestartRolling(QLabel* label, const QString& caption) override;

    Controls& controls_;
    WindowServices& window_;
    Navigation& nav_;
    std::function<QString(int)> applyLayout_;
};

} // namespace tarq
