// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The gun keys of the engineer page: the gun key list file "TARQ362A Fire Macro.bin" in the
// program folder (LoadFireMacroFile at start-up, written atomically after every change), its
// two lists (LB_ScriptName on the page, LB_Script in the engineer button menu), Add Gun and
// Delect Gun, assigning a gun key to an engineer button (LB_ScriptClick), and the import of a
// whole fire macro area (Btn_ImportGunMacroClick).

#include <QObject>
#include <QString>


namespace tarq {

class Controls;
class GunPage;
class Navigation;
class WindowServices;
struct AppContext;
struct ConfigurationState;

class GunKeyListEditor : public QObject {
    Q_OBJECT
public:
    // `app` takes the start-up problems of the gun key list file; `controls` reaches the engineer
    // page's lists and buttons; `nav` closes the menus and says
    // which engineer button its menu was opened for.
    GunKeyListEditor(ConfigurationState& config, AppContext& app, Controls& controls, WindowServices& window,
                     GunPage& gun, Navigation& nav);

    void Wire();

    QString FilePath() const;
    // Reads the file when it exists and fills both lists; a missing file leaves them empty.
    void LoadFireMacroFile();
    void btn_AddScriptClick();
    void btn_DelScriptClick();
    void LB_ScriptNameClick();
    void LB_ScriptClick(int row);
    void Btn_ImportGunMacroClick();

private:
    void RefreshLists(int selectRow);
    bool Save();
    void Tell(const QString& text);

    ConfigurationState& config_;
    AppContext& app_;
    Controls& controls_;
    WindowServices& window_;
    GunPage& gun_;
    Navigation& nav_;

public:
    // No mouse: both gun key lists are empty.
    void ClearForNoMouse();
};

} // namespace tarq
