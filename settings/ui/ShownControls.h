// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Setting the controls of a page struct while an image is shown. Values set here never run the
// controls' own change handlers: showing an image runs only the handlers it names, and those
// must not write DataBuf. A null control is skipped.

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QSignalBlocker>
#include <QSlider>

#include "ui/SkinLabel.h"

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

// Skinned check and radio pictures.
inline QString CheckPicture(bool checked) { return checked ? QStringLiteral("CbS_E") : QStringLiteral("CbS_D"); }
inline QString RadioPicture(bool chosen) { return chosen ? QStringLiteral("RdS_E") : QStringLiteral("RdS_D"); }

inline QString Numbered(const QString& prefix, int n) { return prefix + QString::number(n); }

} // namespace tarq::shown
