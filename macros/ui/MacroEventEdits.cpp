// SPDX-License-Identifier: GPL-2.0-or-later
// MacroEditor: editing and deleting one event of the shown macro (Pnl_DevContent's "Edit" and
// "Delete"). Delays are asked through the window's prompts, keys in the single-key dialog TForm5, moves and repeat
// counts in TForm7; a repeat end has nothing to edit.

#include "macros/ui/MacroEditor.h"
#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"
#include "ui/state/MacroLibraries.h"

#include "macros/ui/MacroRecording.h"
#include "macros/ui/Unit7.h"
#include "settings/ui/Unit5.h"
#include "ui/pages/MacroPageControls.h"
#include "ui/WindowServices.h"

#include <QFrame>
#include <QWidget>

namespace tarq {

void MacroEditor::Btn_EditClick()
{
    const int row = SelectedEvent();
    if (SelectedMacro() < 0 || row < 0)
        return;
    page_.eventMenu->hide();
    const std::string line = recording_.Script()[size_t(row) + 1];
    const int type = ScriptLineType(line);
    const QString value = QString::fromStdString(ScriptLineValue(line));
    const ValueDialog::Texts valueTexts{Text(ValueDialog::kTextInputValue, "Input Value"), Text(ValueDialog::kTextOk, "OK"),
                                        Text(ValueDialog::kTextClear, "Clear")};

    std::string edited;
    switch (type) {
    case 0: {
        const QString delay = window_.Prompts().AskDelay(value);
        if (!delay.isEmpty())
            edited = DelayValueLine(delay.toStdString());
        break;
    }
    case 1:
    case 2: {
        // A dialog closed without a key changes nothing.
        const QString line = TForm5::AskKey(app_, window_.Window(), static_cast<TForm5::KeyEvent>(type));
        if (!line.isEmpty())
            edited = std::to_string(type) + " " + line.toStdString();
        break;
    }
    case 3:
    case 4:
    case 5:
    case 6:
    case 7: {
        TForm7 dialog(window_.Window(), valueTexts, type == 7 ? TForm7::Kind::Repeat : TForm7::Kind::Move);
        dialog.SetValue(value);
        if (dialog.exec() != QDialog::Accepted || dialog.Value().isEmpty())
            break;
        const std::string text = dialog.Value().toStdString();
        edited = type == 7 ? RepeatValueLine(text) : MoveValueLine(type >= 5, text);
        break;
    }
    default:
        return;   // a repeat end has no value
    }
    if (edited.empty())
        return;
    if (const auto edit = ReplaceScriptLine(recording_.Script(), row, edited))
        CommitScript(*edit);
}

void MacroEditor::Btn_DelClick()
{
    const int row = SelectedEvent();
    if (SelectedMacro() < 0 || row < 0)
        return;
    page_.eventMenu->hide();
    if (const auto edit = DeleteScriptEvent(recording_.Script(), row))
        CommitScript(*edit);
}

} // namespace tarq
