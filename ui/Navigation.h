// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Pages and navigation of the main window: the views and the page change, showing the
// current page again, the pointer feedback of the skinned buttons with the rolling caption,
// opening the function menu at a button label or an engineer-page key button, closing every
// pop-up, the web button and the program's message dialog.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>

#include "ui/pages/FrameControls.h"

class QLabel;
class QPushButton;
class QWidget;

namespace tarq {

class EngineerPage;
class MacroEditor;
struct ButtonPageControls;
struct EngineerPageControls;
struct GunPageControls;
struct MacroPageControls;
struct MenuControls;
struct PageViewControls;
class GunPage;
class SettingsMapping;
class TSkinLabel;
class WindowServices;
struct AppContext;

// The views of the pages; the navigation holds the current one.
enum class View { Office, Game, Advanced, Light, Macro, Engineer };

enum class MenuOrigin { None, ButtonPage, EngineerPage };

class Navigation : public QObject {
    Q_OBJECT
public:
    // "Finding the specified device": a page button pressed without a mouse.
    static constexpr int kTextFindingDevice = 20;

    // Required: the device session is built after the navigation, and built again.
    struct Hooks {
        // Whether the mouse's configuration interface is open (page buttons are refused
        // without it).
        std::function<bool()> mouseOpen;
    };

    // The controls the navigation shows, hides and gives pointer feedback: the pages and view
    // radios, the frame of pages 1-4, the button page's labels, the menus, the macro and gun
    // pages' buttons and pop-ups, and the engineer page's view buttons, key buttons and tabs.
    struct Pages {
        const PageViewControls& views;
        const FrameCopies& frames;
        const ButtonPageControls& buttonPage;
        const MenuControls& menus;
        const MacroPageControls& macroPage;
        const GunPageControls& gunPage;
        const EngineerPageControls& engineerPage;
    };

    // `macroEditor` says whether the macro page's insert panel is open (it takes the delay
    // group's place).
    Navigation(const AppContext& app, Pages pages, WindowServices& window, SettingsMapping& settings, GunPage& gun,
               EngineerPage& engineer, const MacroEditor& macroEditor, Hooks hooks);

    // Connects the page buttons, pointer handlers, menus openers and backgrounds. The language
    // buttons' clicks belong to the language switch, the window buttons' to the form.
    void Wire();

    // --- views and pages ---
    View CurrentView() const;
    static int PageOf(View view);
    void Btn_Main_0Click() { ChangeView(View::Office); }
    void Btn_Second_0Click() { ChangeView(View::Game); }
    void Btn_Adv_0Click() { ChangeView(View::Advanced); }
    void Btn_Breath_0Click() { ChangeView(View::Light); }
    void Btn_Macro_0Click() { ChangeView(View::Macro); }
    void Btn_Engineer_0Click() { ChangeView(View::Engineer); }
    // A page button: refused without a mouse (Str020) or in the no-device state.
    void ChangeView(View view);
    // The steps of a page change after its checks; the page renderer uses it directly.
    void ShowView(View view);
    void ButtonTypeB_1IconInit();
    void RefreshAPPage();
    // Only this page group visible (1..6).
    void ShowOnlyPage(int page);

    // --- pop-ups ---
    void HideAllMenu();
    bool AnyMenuShown() const;
    void ClearAP() { HideAllMenu(); }
    void ShowPnlMain_OnClick(TSkinLabel* label);
    void TLShowPnlMain_OnClick(QPushButton* button);

    // --- pointer feedback ---
    // A frame button, the same on the four page copies.
    using FrameMember = FrameButton FrameControls::*;
    // Frame buttons whose pictures change on all four copies (A: transfer commands, I: exit,
    // J: minimise).
    void ButtonTypeAMouseEnter(FrameMember button, TSkinLabel* label);
    void ButtonTypeAMouseLeave(FrameMember button);
    void ButtonTypeIMouseEnter(FrameMember button, TSkinLabel* label);
    void ButtonTypeIMouseLeave(FrameMember button);
    void ButtonTypeJMouseEnter(FrameMember button, TSkinLabel* label);
    void ButtonTypeJMouseLeave(FrameMember button);
    // Page buttons (B) and language buttons (D): the hovered copy lights up.
    void ButtonTypeBMouseEnter(const FrameButton& button);
    void ButtonTypeBMouseLeave(const FrameButton& button);
    void ButtonTypeDMouseEnter(const FrameButton& button);
    void ButtonTypeDMouseLeave(const FrameButton& button);
    // The button page's labels Key1 … Key9 (C), index 0 … 8.
    void ButtonTypeCMouseEnter(int key);
    void ButtonTypeCMouseLeave(int key);
    // Buttons whose pictures the page builder changes (G): only the caption rolls.
    void ButtonTypeGMouseEnter(TSkinLabel* label);
    void ButtonTypeGMouseLeave();
    void ButtonTypeHMouseEnter(TSkinLabel* label);
    void ButtonTypeHMouseLeave(TSkinLabel* label);
    void LabelRunTimer();
    // The rolling caption starts again on `label` with its caption (after a language switch).
    void RestartRolling(QLabel* label, const QString& caption);
    // The rolling caption's step timer.
    QTimer& LabelRun() { return labelRun_; }

    // --- web button and messages ---
    void Btn_Web_0MouseEnter();
    void Btn_Web_0MouseLeave();
    void Btn_Web_0Click();
    void RefreshFormMessagDialog(const QString& text);

    // --- state read by the assignment editor ---
    int MenuKeyNumber = -1;
    int EngineerKeyNumber = 0;
    MenuOrigin Origin = MenuOrigin::None;

    // --- hover state ---
    QPointer<QLabel> HoveredLabel;
    QString HoveredCaption;
    QString RollingCaption;
    int RollingCount = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The picture of a frame button on all four copies.
    void SetPictures(FrameMember button, const QString& picture);
    // The pictures of the current language's button on all four copies.
    void SetLanguagePictures(const QString& picture);
    // Every pop-up HideAllMenu closes.
    std::array<QWidget*, 11> Menus() const;
    // Enter and leave steps shared by the captioned families.
    void BeginHover(TSkinLabel* label);
    void EndHover();
    void RestoreHoveredCaption();
    // Takes a caption the program set on the hovered label as the one to restore and roll.
    void AdoptChangedCaption(const QLabel* hovered);
    void ApplyViewSteps(View view);
    void SetMenuHeights(int height);

    bool MouseOpen() const;
    bool InsertPanelOpen() const;

    const AppContext& app_;
    Pages pages_;
    const FrameCopies& frames_;
    WindowServices& window_;
    SettingsMapping& settings_;
    GunPage& gun_;
    EngineerPage& engineer_;
    const MacroEditor& macroEditor_;
    Hooks hooks_;
    QTimer labelRun_;
    // The engineer view until an image is shown.
    View view_ = View::Engineer;
};

} // namespace tarq
