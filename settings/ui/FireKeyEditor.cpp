// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/ui/FireKeyEditor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <string>

#include "app/FormState.h"
#include "settings/EditorRules.h"
#include "settings/ui/ShownControls.h"
#include "ui/SkinLabel.h"

namespace tarq {

namespace {

constexpr int kContinuousIndex = 255;        // item "256" of cb_FireCount
constexpr int kContinuousRepeatShown = 3;    // what the greyed repeat edit shows meanwhile

// Replaces the edit's text by the corrected one without running its change handler again;
// returns the text the edit shows.
QString Correct(QLineEdit* edit, std::string (*rule)(std::string_view))
{
    const QString corrected = QString::fromStdString(rule(edit->text().toStdString()));
    if (corrected != edit->text()) {
        const QSignalBlocker quiet(edit);
        edit->setText(corrected);
    }
    return corrected;
}

} // namespace

FireKeyEditor::FireKeyEditor(FormState& state, Controls& controls, WindowServices& window)
    : state_(state), controls_(controls), window_(window)
{
}

void FireKeyEditor::Wire()
{
    if (auto* edit = controls_.get<QLineEdit>("Edt_Repeat1")) {
        connect(edit, &QLineEdit::textChanged, this, [this] { Edt_Repeat1Change(); });
        connect(edit, &QLineEdit::editingFinished, this, [this] { Edt_Repeat1Change(); });
    }
    if (auto* edit = controls_.get<QLineEdit>("Edt_DelayTime1"))
        connect(edit, &QLineEdit::textChanged, this, [this] { Edt_DelayTime1Change(); });
    if (auto* edit = controls_.get<QLineEdit>("edt_FireTime"))
        connect(edit, &QLineEdit::textChanged, this, [this] { edt_FireTimeChange(); });
    if (auto* box = controls_.get<QComboBox>("cb_FireCount"))
        connect(box, &QComboBox::activated, this, [this] { cb_FireCountChange(); });
    for (const char* name : {"Img_FireContinue", "lbl_FireContinue"})
        if (auto* target = controls_.get<TSkinLabel>(name))
            connect(target, &TSkinLabel::clicked, this, [this] { lbl_FireContinueClick(); });
}

void FireKeyEditor::Edt_Repeat1Change()
{
    auto* edit = controls_.get<QLineEdit>("Edt_Repeat1");
    // The greyed placeholder of continuous fire is no shot count.
    if (!edit || shown::IsChecked(controls_, "cb_IsFireContinue"))
        return;
    const int shots = Correct(edit, CorrectFireRepeat).toInt();
    shown::SetIndex(controls_, "cb_FireCount", shots - 1);
}

void FireKeyEditor::Edt_DelayTime1Change()
{
    if (auto* edit = controls_.get<QLineEdit>("Edt_DelayTime1"))
        shown::SetText(controls_, "edt_FireTime", Correct(edit, CorrectFireInterval));
}

void FireKeyEditor::edt_FireTimeChange()
{
    if (auto* edit = controls_.get<QLineEdit>("edt_FireTime"))
        shown::SetText(controls_, "Edt_DelayTime1", Correct(edit, CorrectFireTime));
}

void FireKeyEditor::cb_FireCountChange()
{
    const int index = shown::IndexOf(controls_, "cb_FireCount");
    if (index < 0)
        return;
    SetContinuous(false);
    shown::SetNumber(controls_, "Edt_Repeat1", index + 1);
}

void FireKeyEditor::lbl_FireContinueClick()
{
    const bool on = !shown::IsChecked(controls_, "cb_IsFireContinue");
    SetContinuous(on);
    if (on) {
        shown::SetIndex(controls_, "cb_FireCount", kContinuousIndex);
        shown::SetNumber(controls_, "Edt_Repeat1", kContinuousRepeatShown);
    } else {
        // The count box still says "continuous"; it takes the shot count the edit now offers,
        // so that switching continuous fire off reaches the mouse.
        Edt_Repeat1Change();
    }
}

void FireKeyEditor::SetContinuous(bool on)
{
    shown::SetChecked(controls_, "cb_IsFireContinue", on);
    window_.SetPicture("Img_FireContinue", shown::CheckPicture(on));
    shown::SetEnabled(controls_, "Edt_Repeat1", !on);
}

} // namespace tarq
