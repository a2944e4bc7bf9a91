// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/WindowPrompts.h"

#include <QColorDialog>
#include <QFileDialog>

#include <optional>

#include "app/Main.h"
#include "device/ui/BusyScope.h"
#include "macros/ui/MacroDialogFrame.h"
#include "macros/ui/Unit3.h"
#include "macros/ui/Unit6.h"
#include "ui/FileDialogs.h"

namespace tarq {

QString WindowPrompts::ChooseFile(FileUse use)
{
    if (use == FileUse::Save)
        return ChooseBinFileToSave(form_.Window());
    return QFileDialog::getOpenFileName(form_.Window(), QString(), QString(), QStringLiteral("LoadFile(*.bin)"));
}

std::optional<QColor> WindowPrompts::ChooseColour(const QColor& initial)
{
    // The device check waits while the dialog is open, so no read redraws the page under it.
    std::optional<BusyScope> paused;
    if (form_.State().DevTimer.isActive())
        paused.emplace(form_.State(), form_, BusyScope::TimerOnly);
    const QColor chosen = QColorDialog::getColor(initial, form_.Window());
    return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
}

QString WindowPrompts::AskMacroName()
{
    const AppContext& texts = form_.State();
    TForm3 dialog(form_.Window(), {texts.Text(MacroDialogFrame::kTextMacroName, "Macro Name"), texts.Text(MacroDialogFrame::kTextOk, "OK"),
                                   texts.Text(MacroDialogFrame::kTextClear, "Clear")});
    dialog.exec();
    return dialog.PendingName();
}

QString WindowPrompts::AskDelay(const QString& current)
{
    const AppContext& texts = form_.State();
    TForm6 dialog(form_.Window(), {texts.Text(MacroDialogFrame::kTextDelay, "Input Delay Time"), texts.Text(MacroDialogFrame::kTextOk, "OK"),
                                   texts.Text(MacroDialogFrame::kTextClear, "Clear")});
    dialog.SetValue(current);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.Value();
}

bool WindowPrompts::Confirm(const QString& question) { return form_.AskQuestion(question); }

} // namespace tarq
