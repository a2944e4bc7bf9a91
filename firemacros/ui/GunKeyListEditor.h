// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The gun keys of the engineer page: the gun key list file "TARQ362A Fire Macro.bin" in the
// program folder (LoadFireMacroFile at start-up, written atomically after every change), its
// two lists (LB_ScriptName on the page, LB_Script in the engineer button menu), Add Gun and
// Delect Gun, assigning a gun key to an engineer button (LB_ScriptClick), and the import of a
// whole fire macro area (Btn_ImportGunMacroClick).

#include <QObject>
#include <QString>

#include <array>

class QListWidget;

namespace tarq {

class GunPage;
class Navigation;
class WindowServices;
struct AppContext;
struct ConfigurationState;
struct EngineerPageControls;
struct MenuControls;

class GunKeyListEditor : public QObject {
    Q_OBJECT
public:
    // `app` takes the start-up problems of the gun key list file; `page` holds the gun key list
    // of the engineer tab, its buttons and the key buttons; `menus` the engineer button menu's
    // list; `nav` closes the menus and says which engineer button its menu was opened for.
    GunKeyListEditor(ConfigurationState& config, AppContext& app, EngineerPageControls& page, const MenuControls& menus,
                     WindowServices& window, GunPage& gun, Navigation& nav);

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
    // The gun key list of the engineer tab and the engineer button menu's copy of it.
    std::array<QListWidget*, 2> Lists() const;
    void RefreshLists(int selectRow);
    bool Save();
    void Tell(const QString& text);

    ConfigurationState& config_;
    AppContext& app_;
    EngineerPageControls& page_;
    const MenuControls& menus_;
    WindowServices& window_;
    GunPage& gun_;
    Navigation& nav_;

public:
    // No mouse: both gun key lists are empty.
    void ClearForNoMouse();
};

} // namespace tarq
