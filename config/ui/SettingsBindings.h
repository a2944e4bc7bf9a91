// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The binding table between the settings model and the engineer page's controls: one row per
// model field with the control that shows it and the kind of control (a check box, a pair of
// radio buttons, a list position, a number edit). The controls are a view of the model: Show
// sets every one of them from it without running their handlers, and a change made on a
// control (by the engineer, or by code that lets its signals through) writes its field.
//
// A new setting on the engineer page is one row here, next to its model field
// (config/SettingsModel.h) and its control (ui/pages/EngineerPage.cpp, a member of
// ui/pages/EngineerPageControls.h).

#include "config/SettingsModel.h"

#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace tarq {

struct EngineerSettingsControls;
struct EngineerTabControls;
struct FireKeyControls;

class SettingsBindings {
public:
    enum class Kind { Check, Switch, Choice, Number };

    // The controls the rows name: the engineer page's operator tab and engineer tab, and the
    // Advanced page's hidden continuous-fire box.
    struct Views {
        const EngineerSettingsControls& settings;
        const EngineerTabControls& engineerTab;
        const FireKeyControls& fireKey;
    };

    struct Row {
        Kind kind;
        QWidget* control = nullptr;   // the control, or a switch's first radio button
        QWidget* other = nullptr;     // a switch's second radio button
        std::function<bool&(SettingsModel&)> flag;                   // Check
        std::function<std::optional<bool>&(SettingsModel&)> side;    // Switch
        std::function<int&(SettingsModel&)> number;                  // Choice, Number
    };

    // The table: every model field that a control of `views` shows.
    static std::vector<Row> Table(const Views& views);

    SettingsBindings(SettingsModel& model, const Views& views);

    // Every bound control from the model; no change handler runs.
    void Show() const;
    // A change made on a bound control writes its field. Connect after the controls' own
    // change handlers, so that a value an edit's handler corrects is taken as corrected.
    void Wire();

private:
    void ShowRow(const Row& row) const;
    void TakeRow(const Row& row);

    SettingsModel& model_;
    std::vector<Row> rows_;
};

} // namespace tarq
