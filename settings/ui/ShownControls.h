// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Setting and reading the form's controls by name while an image is shown. Values set here
// never run the controls' own change handlers: showing an image runs only the handlers it
// names, and those must not write DataBuf. Names are looked up with the checked lookup; where a
// release build lacks a control, it is skipped.

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QSignalBlocker>
#include <QSlider>

#include "ui/Controls.h"
#include "ui/SkinLabel.h"
#include "ui/WindowServices.h"

namespace tarq::shown {

// ---- on a control the caller holds (a page struct's member); null is skipped ----

inline void SetChecked(QAbstractButton* button, bool checked)
{
    if (button) {
        const QSignalBlocker quiet(button);
        button->setChecked(checked);
    }
}

// An index outside the list leaves the box without a selection.
inline void SetIndex(QComboBox* box, int index)
{
    if (box) {
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
    }
}

// Edit, label or button text.
inline void SetText(QWidget* w, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const QSignalBlocker quiet(edit);
        edit->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(text);
    }
}

inline void SetSlider(QSlider* slider, int value)
{
    if (slider) {
        const QSignalBlocker quiet(slider);
        slider->setValue(value);
    }
}

inline void SetTextColour(QWidget* w, const QColor& colour)
{
    if (!w || !colour.isValid())
        return;
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, colour);
    w->setPalette(palette);
}

// ---- by name ----

inline void SetChecked(const Controls& controls, const QString& name, bool checked)
{
    SetChecked(controls.get<QAbstractButton>(name), checked);
}

// Checks `on` when `first` holds, else `off`; a radio pair's partner unchecks itself.
inline void CheckOneOf(const Controls& controls, bool first, const QString& on, const QString& off)
{
    SetChecked(controls, first ? on : off, true);
}

inline bool IsChecked(const Controls& controls, const QString& name)
{
    auto* button = controls.get<QAbstractButton>(name);
    return button && button->isChecked();
}

// An index outside the list leaves the box without a selection.
inline void SetIndex(const Controls& controls, const QString& name, int index)
{
    SetIndex(controls.get<QComboBox>(name), index);
}

inline int IndexOf(const Controls& controls, const QString& name)
{
    auto* box = controls.get<QComboBox>(name);
    return box ? box->currentIndex() : -1;
}

// Edit, label or button text.
inline void SetText(const Controls& controls, const QString& name, const QString& text)
{
    SetText(controls.get(name), text);
}

inline void SetNumber(const Controls& controls, const QString& name, int value)
{
    SetText(controls, name, QString::number(value));
}

// An edit's text as a decimal integer; empty or not a number reads 0.
inline int NumberOf(const Controls& controls, const QString& name)
{
    auto* edit = controls.get<QLineEdit>(name);
    return edit ? edit->text().trimmed().toInt() : 0;
}

inline void SetSlider(const Controls& controls, const QString& name, int value)
{
    SetSlider(controls.get<QSlider>(name), value);
}

inline void SetVisible(const Controls& controls, const QString& name, bool visible)
{
    if (QWidget* w = controls.get(name))
        w->setVisible(visible);
}

inline void SetEnabled(const Controls& controls, const QString& name, bool enabled)
{
    if (QWidget* w = controls.get(name))
        w->setEnabled(enabled);
}

inline void SetTextColour(const Controls& controls, const QString& name, const QColor& colour)
{
    SetTextColour(controls.get(name), colour);
}

// Skinned check and radio pictures.
inline QString CheckPicture(bool checked) { return checked ? QStringLiteral("CbS_E") : QStringLiteral("CbS_D"); }
inline QString RadioPicture(bool chosen) { return chosen ? QStringLiteral("RdS_E") : QStringLiteral("RdS_D"); }

// A pair of skinned radio pictures: `on` shows the chosen picture when `first` holds.
inline void ShowRadioPictures(WindowServices& window, bool first, const QString& on, const QString& off)
{
    window.SetPicture(on, RadioPicture(first));
    window.SetPicture(off, RadioPicture(!first));
}

inline QString Numbered(const QString& prefix, int n) { return prefix + QString::number(n); }

} // namespace tarq::shown
