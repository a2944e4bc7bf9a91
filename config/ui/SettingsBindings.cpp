// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/ui/SettingsBindings.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "ui/Controls.h"

namespace tarq {

namespace {

using Kind = SettingsBindings::Kind;
using Row = SettingsBindings::Row;

constexpr char kChannels[] = {'R', 'G', 'B'};

QString Numbered(const char* prefix, int n) { return QLatin1String(prefix) + QString::number(n); }
QString Channel(const char* prefix, int n, int c) { return Numbered(prefix, n) + QLatin1Char(kChannels[c]); }

Row Check(const QString& control, bool SettingsModel::*field, bool elsewhere = false)
{
    Row row{Kind::Check, control, {}, {}, {}, {}, elsewhere};
    row.flag = [field](SettingsModel& m) -> bool& { return m.*field; };
    return row;
}

Row Switch(const QString& on, const QString& off, std::optional<bool> SettingsModel::*field)
{
    Row row{Kind::Switch, on, off, {}, {}, {}, false};
    row.side = [field](SettingsModel& m) -> std::optional<bool>& { return m.*field; };
    return row;
}

Row Value(Kind kind, const QString& control, std::function<int&(SettingsModel&)> field, bool elsewhere = false)
{
    return Row{kind, control, {}, {}, {}, std::move(field), elsewhere};
}

Row Choice(const QString& control, int SettingsModel::*field)
{
    return Value(Kind::Choice, control, [field](SettingsModel& m) -> int& { return m.*field; });
}

Row Number(const QString& control, int SettingsModel::*field)
{
    return Value(Kind::Number, control, [field](SettingsModel& m) -> int& { return m.*field; });
}

} // namespace

std::vector<Row> SettingsBindings::Table()
{
    using M = SettingsModel;
    std::vector<Row> rows = {
        Switch("rb_B4CPIOn", "rb_B4CPIOff", &M::ledOnOffChord),
        Switch("rb_FireFnOn", "rb_FireFnOff", &M::recoilFnLeft),
        Switch("rb_LCPIOn", "rb_LCPIOff", &M::ledModeChord),
        Switch("rb_Save", "rb_NoSave", &M::keepKeyMode),
        Switch("rb_MCULED3Control", "rb_MCULED6Control", &M::mcuLedFullBrightness),
        Switch("rb_LEDOn", "rb_LEDOff", &M::ledOn),
        Choice("cb_SensorOri", &M::orientationIndex),
        Check("cb_MidPress", &M::longPressMiddle, true),
        Check("cb_CPIPress", &M::longPressDpi, true),
        Check("cb_GunPress", &M::longPressGunKey, true),
        Check("cb_Smooth", &M::smooth),
        Choice("cb_CPIStep", &M::dpiLevelCountIndex),
        Number("edt_MCULEDNum", &M::mcuLedCount),
        Choice("cb_CurrentCPI", &M::currentDpiLevel),
        Choice("cb_MCULEDCurrentMode", &M::mcuLedCurrentMode),
        Choice("cb_RBLEDCurrentMode", &M::rbLedCurrentMode),
        Number("edt_MCULEDCrtStep", &M::mcuLedStep),
        Choice("cb_KeyMode", &M::keyModeIndex),
        Number("edt_VendorID", &M::vendorCode),
        Number("edt_ProductID", &M::productCode),
        Check("cb_IsFireContinue", &M::fireContinuous),
        Choice("cb_FireCount", &M::fireCountIndex),
        Number("edt_FireTime", &M::fireInterval),
    };
    for (int n = 1; n <= kDpiLevelSlots; ++n) {
        Row offered{Kind::Check, Numbered("cb_Mode", n), {}, {}, {}, {}, false};
        offered.flag = [n](SettingsModel& m) -> bool& { return m.mcuModesOffered[n - 1]; };
        rows.push_back(offered);
        rows.push_back(Value(Kind::Choice, Numbered("cb_CPI", n),
                             [n](SettingsModel& m) -> int& { return m.dpiValueIndexes[n - 1]; }));
        for (int c = 0; c < 3; ++c)
            rows.push_back(Value(Kind::Number, Channel("edt_CPI", n, c),
                                 [n, c](SettingsModel& m) -> int& { return m.dpiColours[n - 1][c]; }));
    }
    for (int m = 1; m <= kFireMacroSlots; ++m) {
        rows.push_back(Value(Kind::Number, Numbered("edt_YOffset", m),
                             [m](SettingsModel& s) -> int& { return s.yOffsets[m - 1]; }, true));
        for (int c = 0; c < 3; ++c)
            rows.push_back(Value(Kind::Number, Channel("edt_FireMacroColor", m, c),
                                 [m, c](SettingsModel& s) -> int& { return s.fireMacroColours[m - 1][c]; }, true));
    }
    return rows;
}

SettingsBindings::SettingsBindings(SettingsModel& model, const Controls& controls) : model_(model)
{
    for (Row& row : Table()) {
        Bound b{std::move(row)};
        b.control = controls.get(b.row.control);
        if (!b.row.otherControl.isEmpty())
            b.other = controls.get(b.row.otherControl);
        if (b.control && (b.row.kind != Kind::Switch || b.other))
            bound_.push_back(std::move(b));
    }
}

void SettingsBindings::ShowRow(const Bound& b) const
{
    const QSignalBlocker quiet(b.control);
    switch (b.row.kind) {
    case Kind::Check:
        if (auto* box = qobject_cast<QAbstractButton*>(b.control))
            box->setChecked(b.row.flag(model_));
        break;
    case Kind::Switch: {
        // Checking one radio button of the pair unchecks its partner; no side leaves both.
        const std::optional<bool> side = b.row.side(model_);
        if (!side)
            break;
        QWidget* chosen = *side ? b.control : b.other;
        const QSignalBlocker quietOther(b.other);
        if (auto* radio = qobject_cast<QAbstractButton*>(chosen))
            radio->setChecked(true);
        break;
    }
    case Kind::Choice:
        if (auto* box = qobject_cast<QComboBox*>(b.control)) {
            const int index = b.row.number(model_);
            box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
        }
        break;
    case Kind::Number:
        if (auto* edit = qobject_cast<QLineEdit*>(b.control)) {
            const QString text = QString::number(b.row.number(model_));
            if (edit->text() != text)
                edit->setText(text);
        }
        break;
    }
}

void SettingsBindings::TakeRow(const Bound& b)
{
    switch (b.row.kind) {
    case Kind::Check:
        if (auto* box = qobject_cast<QAbstractButton*>(b.control))
            b.row.flag(model_) = box->isChecked();
        break;
    case Kind::Switch: {
        auto* on = qobject_cast<QAbstractButton*>(b.control);
        auto* off = qobject_cast<QAbstractButton*>(b.other);
        if (on && on->isChecked())
            b.row.side(model_) = true;
        else if (off && off->isChecked())
            b.row.side(model_) = false;
        break;
    }
    case Kind::Choice:
        if (auto* box = qobject_cast<QComboBox*>(b.control))
            b.row.number(model_) = box->currentIndex();
        break;
    case Kind::Number:
        // Empty or not a number reads 0.
        if (auto* edit = qobject_cast<QLineEdit*>(b.control))
            b.row.number(model_) = edit->text().trimmed().toInt();
        break;
    }
}

void SettingsBindings::Show() const
{
    for (const Bound& b : bound_)
        ShowRow(b);
}

void SettingsBindings::TakeWrittenElsewhere()
{
    for (const Bound& b : bound_)
        if (b.row.writtenElsewhere)
            TakeRow(b);
}

void SettingsBindings::Wire(std::function<void()> changed)
{
    for (const Bound& b : bound_) {
        const auto take = [this, &b, changed] {
            TakeRow(b);
            if (changed)
                changed();
        };
        switch (b.row.kind) {
        case Kind::Check:
            if (auto* box = qobject_cast<QAbstractButton*>(b.control))
                QObject::connect(box, &QAbstractButton::toggled, box, take);
            break;
        case Kind::Switch:
            for (QWidget* w : {b.control, b.other})
                if (auto* radio = qobject_cast<QAbstractButton*>(w))
                    QObject::connect(radio, &QAbstractButton::toggled, radio, [take](bool on) {
                        if (on)
                            take();
                    });
            break;
        case Kind::Choice:
            if (auto* box = qobject_cast<QComboBox*>(b.control))
                QObject::connect(box, &QComboBox::currentIndexChanged, box, take);
            break;
        case Kind::Number:
            if (auto* edit = qobject_cast<QLineEdit*>(b.control))
                QObject::connect(edit, &QLineEdit::textChanged, edit, take);
            break;
        }
    }
}

} // namespace tarq
