// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The gun keys of the engineer page: the gun key list file "TARQ362A Fire Macro.bin" in the
// program folder (LoadFireMacroFile at start-up, written atomically after every change), its
// two lists (LB_ScriptName on the page, LB_Script in the engineer button menu), Add Gun and
// Delect Gun, assigning a gun key to an engineer button (LB_ScriptClick), and the import of a
// whole fire macro area (Btn_ImportGunMacroClick).

#include <QObject>
#include <QString>

#include <functional>

namespace tarq {

class Controls;
class GunPage;
class WindowServices;
struct FormState;

class GunKeyListEditor : public QObject {
    Q_OBJECT
public:
    GunKeyListEditor(FormState& state, Controls& controls, WindowServices& window, GunPage& gun);

    struct Hooks {
        std::function<void()> hideAllMenu;
        // The engineer button the menu was opened for (101-109, 201-209; anything else: none).
        std::function<int()> engineerKeyNumber;
    };
    Hooks hooks;

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

    FormState& state_;
    Controls& controls_;
    WindowServices& window_;
    GunPage& gun_;

public:
    // No mouse: both gun key lists are empty.
    void ClearForNoMouse();
};

} // namespace tarq
