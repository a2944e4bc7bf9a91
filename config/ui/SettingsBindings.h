// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The binding table between the settings model and the engineer page's controls: one row per
// model field with the control that shows it and the kind of control (a check box, a pair of
// radio buttons, a list position, a number edit). The controls are a view of the model: Show
// sets every one of them from it without running their handlers, and a change made on a
// control (by the engineer, or by code that lets its signals through) writes its field.
//
// A new setting on the engineer page is one row here, next to its model field
// (config/SettingsModel.h) and its control (ui/pages/EngineerPage.cpp).

#include "config/SettingsModel.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace tarq {

class Controls;

class SettingsBindings {
public:
    enum class Kind { Check, Switch, Choice, Number };

    struct Row {
        Kind kind;
        QString control;          // the control, or a switch's first radio button
        QString otherControl;     // a switch's second radio button
        std::function<bool&(SettingsModel&)> flag;                   // Check
        std::function<std::optional<bool>&(SettingsModel&)> side;    // Switch
        std::function<int&(SettingsModel&)> number;                  // Choice, Number
        // Other pages set this control without its signals; see TakeWrittenElsewhere.
        bool writtenElsewhere = false;
    };

    // The table: every model field that a control of the engineer page shows.
    static std::vector<Row> Table();

    // Finds each row's controls once.
    SettingsBindings(SettingsModel& model, const Controls& controls);

    // Every bound control from the model; no change handler runs.
    void Show() const;
    // A change made on a bound control writes its field, then runs `changed` (may be empty).
    // Connect after the controls' own change handlers, so that a value an edit's handler
    // corrects is taken as corrected.
    void Wire(std::function<void()> changed = {});
    // The fields of the controls that other pages still set directly, taken from those controls
    // (the long-press boxes, the fire macros' Y offsets and colours).
    void TakeWrittenElsewhere();

private:
    struct Bound {
        Row row;
        QWidget* control = nullptr;
        QWidget* other = nullptr;
    };
    void ShowRow(const Bound& b) const;
    void TakeRow(const Bound& b);

    SettingsModel& model_;
    std::vector<Bound> bound_;
};

} // namespace tarq
