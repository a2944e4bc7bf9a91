// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/ui/SettingsBindings.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/pages/EngineerPageControls.h"
#include "ui/pages/FireKeyControls.h"

namespace tarq {

namespace {

using Kind = SettingsBindings::Kind;
using Row = SettingsBindings::Row;

Row Check(QWidget* control, std::function<bool&(SettingsModel&)> field)
{
    return Row{Kind::Check, control, nullptr, std::move(field), {}, {}};
}

Row Check(QWidget* control, bool SettingsModel::*field)
{
    return Check(control, [field](SettingsModel& m) -> bool& { return m.*field; });
}

Row Switch(const RadioPair& pair, std::optional<bool> SettingsModel::*field)
{
    Row row{Kind::Switch, pair.on, pair.off, {}, {}, {}};
    row.side = [field](SettingsModel& m) -> std::optional<bool>& { return m.*field; };
    return row;
}

Row Value(Kind kind, QWidget* control, std::function<int&(SettingsModel&)> field)
{
    return Row{kind, control, nullptr, {}, {}, std::move(field)};
}

Row Choice(QWidget* control, int SettingsModel::*field)
{
    return Value(Kind::Choice, control, [field](SettingsModel& m) -> int& { return m.*field; });
}

Row Number(QWidget* control, int SettingsModel::*field)
{
    return Value(Kind::Number, control, [field](SettingsModel& m) -> int& { return m.*field; });
}

} // namespace

std::vector<Row> SettingsBindings::Table(const Views& views)
{
    using M = SettingsModel;
    const EngineerSettingsControls& s = views.settings;
    const EngineerTabControls& t = views.engineerTab;
    std::vector<Row> rows = {
        Switch(s.ledOnOffChord, &M::ledOnOffChord),
        Switch(s.fireFn, &M::recoilFnLeft),
        Switch(s.ledModeChord, &M::ledModeChord),
        Switch(s.keepKeyMode, &M::keepKeyMode),
        Switch(s.fullBrightness, &M::mcuLedFullBrightness),
        Switch(s.ledOn, &M::ledOn),
        Choice(s.orientation, &M::orientationIndex),
        Check(s.longPress[0], &M::longPressMiddle),
        Check(s.longPress[1], &M::longPressDpi),
        Check(s.longPress[2], &M::longPressGunKey),
        Check(s.smooth, &M::smooth),
        Choice(s.levelCount, &M::dpiLevelCountIndex),
        Number(s.mcuLedCount, &M::mcuLedCount),
        Choice(s.currentLevel, &M::currentDpiLevel),
        Choice(s.mcuCurrentMode, &M::mcuLedCurrentMode),
        Choice(s.rbCurrentMode, &M::rbLedCurrentMode),
        Number(s.mcuLedStep, &M::mcuLedStep),
        Choice(s.keyMode, &M::keyModeIndex),
        Number(s.vendorCode, &M::vendorCode),
        Number(s.productCode, &M::productCode),
        Check(views.fireKey.continuousBox, &M::fireContinuous),
        Choice(s.fireCount, &M::fireCountIndex),
        Number(s.fireTime, &M::fireInterval),
    };
    for (size_t i = 0; i < t.mcuModes.size(); ++i)
        rows.push_back(Check(t.mcuModes[i], [i](SettingsModel& m) -> bool& { return m.mcuModesOffered[i]; }));
    for (size_t i = 0; i < s.levels.size(); ++i) {
        rows.push_back(Value(Kind::Choice, s.levels[i], [i](SettingsModel& m) -> int& { return m.dpiValueIndexes[i]; }));
        for (size_t c = 0; c < 3; ++c)
            rows.push_back(Value(Kind::Number, s.levelColours[i][c],
                                 [i, c](SettingsModel& m) -> int& { return m.dpiColours[i][c]; }));
    }
    for (size_t f = 0; f < t.yOffsets.size(); ++f) {
        rows.push_back(Value(Kind::Number, t.yOffsets[f], [f](SettingsModel& m) -> int& { return m.yOffsets[f]; }));
        for (size_t c = 0; c < 3; ++c)
            rows.push_back(Value(Kind::Number, t.fireColours[f][c],
                                 [f, c](SettingsModel& m) -> int& { return m.fireMacroColours[f][c]; }));
    }
    return rows;
}

SettingsBindings::SettingsBindings(SettingsModel& model, const Views& views) : model_(model), rows_(Table(views))
{
    for ([[maybe_unused]] const Row& row : rows_)
        Q_ASSERT_X(row.control && (row.kind != Kind::Switch || row.other), "SettingsBindings",
                   "every bound control is built before the bindings");
}

void SettingsBindings::ShowRow(const Row& row) const
{
    const QSignalBlocker quiet(row.control);
    switch (row.kind) {
    case Kind::Check:
        if (auto* box = qobject_cast<QAbstractButton*>(row.control))
            box->setChecked(row.flag(model_));
        break;
    case Kind::Switch: {
        // Checking one radio button of the pair unchecks its partner; no side leaves both.
        const std::optional<bool> side = row.side(model_);
        if (!side)
            break;
        QWidget* chosen = *side ? row.control : row.other;
        const QSignalBlocker quietOther(row.other);
        if (auto* radio = qobject_cast<QAbstractButton*>(chosen))
            radio->setChecked(true);
        break;
    }
    case Kind::Choice:
        if (auto* box = qobject_cast<QComboBox*>(row.control)) {
            const int index = row.number(model_);
            box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
        }
        break;
    case Kind::Number:
        if (auto* edit = qobject_cast<QLineEdit*>(row.control)) {
            const QString text = QString::number(row.number(model_));
            if (edit->text() != text)
                edit->setText(text);
        }
        break;
    }
}

void SettingsBindings::TakeRow(const Row& row)
{
    switch (row.kind) {
    case Kind::Check:
        if (auto* box = qobject_cast<QAbstractButton*>(row.control))
            row.flag(model_) = box->isChecked();
        break;
    case Kind::Switch: {
        auto* on = qobject_cast<QAbstractButton*>(row.control);
        auto* off = qobject_cast<QAbstractButton*>(row.other);
        if (on && on->isChecked())
            row.side(model_) = true;
        else if (off && off->isChecked())
            row.side(model_) = false;
        break;
    }
    case Kind::Choice:
        if (auto* box = qobject_cast<QComboBox*>(row.control))
            row.number(model_) = box->currentIndex();
        break;
    case Kind::Number:
        // Empty or not a number reads 0.
        if (auto* edit = qobject_cast<QLineEdit*>(row.control))
            row.number(model_) = edit->text().trimmed().toInt();
        break;
    }
}

void SettingsBindings::Show() const
{
    for (const Row& row : rows_)
        ShowRow(row);
}

void SettingsBindings::Wire()
{
    for (const Row& row : rows_) {
        const auto take = [this, &row] { TakeRow(row); };
        switch (row.kind) {
        case Kind::Check:
            if (auto* box = qobject_cast<QAbstractButton*>(row.control))
                QObject::connect(box, &QAbstractButton::toggled, box, take);
            break;
        case Kind::Switch:
            for (QWidget* w : {row.control, row.other})
                if (auto* radio = qobject_cast<QAbstractButton*>(w))
                    QObject::connect(radio, &QAbstractButton::toggled, radio, [take](bool on) {
                        if (on)
                            take();
                    });
            break;
        case Kind::Choice:
            if (auto* box = qobject_cast<QComboBox*>(row.control))
                QObject::connect(box, &QComboBox::currentIndexChanged, box, take);
            break;
        case Kind::Number:
            if (auto* edit = qobject_cast<QLineEdit*>(row.control))
                QObject::connect(edit, &QLineEdit::textChanged, edit, take);
            break;
        }
    }
}

} // namespace tarq
