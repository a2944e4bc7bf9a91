// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/ui/FireKeyEditor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <string>

#include "config/ui/SettingsMapping.h"
#include "settings/EditorRules.h"
#include "settings/ui/ShownControls.h"
#include "ui/SkinLabel.h"
#include "ui/pages/EngineerPageControls.h"
#include "ui/pages/FireKeyControls.h"

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

FireKeyEditor::FireKeyEditor(const EngineerSettingsControls& engineer, SettingsMapping& settings, const FireKeyControls& page)
    : engineer_(engineer), settings_(settings), page_(page)
{
}

void FireKeyEditor::Wire()
{
    connect(page_.shots, &QLineEdit::textChanged, this, [this] { Edt_Repeat1Change(); });
    connect(page_.shots, &QLineEdit::editingFinished, this, [this] { Edt_Repeat1Change(); });
    connect(page_.interval, &QLineEdit::textChanged, this, [this] { Edt_DelayTime1Change(); });
    connect(engineer_.fireTime, &QLineEdit::textChanged, this, [this] { edt_FireTimeChange(); });
    connect(engineer_.fireCount, &QComboBox::activated, this, [this] { cb_FireCountChange(); });
    for (TSkinLabel* target : {page_.continuous, page_.continuousTarget})
        connect(target, &TSkinLabel::clicked, this, [this] { lbl_FireContinueClick(); });
}

void FireKeyEditor::Edt_Repeat1Change()
{
    SettingsModel& model = settings_.Model();
    // The greyed placeholder of continuous fire is no shot count.
    if (model.fireContinuous)
        return;
    const int shots = Correct(page_.shots, CorrectFireRepeat).toInt();
    model.fireCountIndex = shots >= 1 && shots <= SettingsModel::kFireCounts ? shots - 1 : -1;
    settings_.ShowModel();
}

void FireKeyEditor::Edt_DelayTime1Change()
{
    settings_.Model().fireInterval = Correct(page_.interval, CorrectFireInterval).trimmed().toInt();
    settings_.ShowModel();
}

void FireKeyEditor::edt_FireTimeChange()
{
    const QString corrected = Correct(engineer_.fireTime, CorrectFireTime);
    settings_.Model().fireInterval = corrected.trimmed().toInt();
    shown::SetText(page_.interval, corrected);
}

void FireKeyEditor::cb_FireCountChange()
{
    const int index = settings_.Model().fireCountIndex;
    if (index < 0)
        return;
    SetContinuous(false);
    shown::SetText(page_.shots, QString::number(index + 1));
}

void FireKeyEditor::lbl_FireContinueClick()
{
    SettingsModel& model = settings_.Model();
    const bool on = !model.fireContinuous;
    SetContinuous(on);
    if (on) {
        model.fireCountIndex = kContinuousIndex;
        settings_.ShowModel();
        shown::SetText(page_.shots, QString::number(kContinuousRepeatShown));
    } else {
        // The count still says "continuous"; it takes the shot count the edit now offers, so
        // that switching continuous fire off reaches the mouse.
        Edt_Repeat1Change();
    }
}

void FireKeyEditor::SetContinuous(bool on)
{
    settings_.Model().fireContinuous = on;
    settings_.ShowModel();
    page_.continuous->setPicture(shown::CheckPicture(on));
    page_.shots->setEnabled(!on);
}

} // namespace tarq
