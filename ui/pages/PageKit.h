// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Small builders for the controls of the pages: each creates one control with its name as
// objectName, its caption and its place, so the page files read as lists of controls.
//
// Places given here are where a control sits before the layout pass runs and where it stays
// when the layout configuration does not name it.

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include "ui/pages/SkinControls.h"

class QButtonGroup;
class QFrame;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QWidget;

namespace tarq {

class TIntEdit;
class TKVRNEdit;
class TRectShape;
class TSkinLabel;

namespace pages {

// A picture control; it takes the size of its picture.
TSkinLabel* Picture(QWidget* parent, const QString& name, QPoint pos, const QString& picture = {});

// A transparent caption label.
TSkinLabel* Caption(QWidget* parent, const QString& name, const QString& text, QRect rect,
                    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);

// A skinned button: the picture Img_<button> with the caption label Btn_<button> lying on it
// at the same place and size. Returns the caption label.
TSkinLabel* SkinButton(QWidget* parent, const QString& button, const QString& caption,
                       QPoint pos, const QString& picture);

// While the pointer is over `button`, its `picture` shows `entered`; when it leaves, `left`.
// With `onlyWhenEnabled`, the pointer coming over a disabled button leaves the picture alone.
void HoverPictures(TSkinLabel* button, TSkinLabel* picture, const QString& entered, const QString& left,
                   bool onlyWhenEnabled = false);

// The controls of a skinned choice built earlier below `parent`, found by their names.
SkinChoiceControls ChoiceOf(QWidget* parent, const char* marker, const char* caption, const char* radio);

// A radio button or check box that only holds a state behind a skinned picture.
QRadioButton* HiddenRadio(QWidget* parent, const QString& name, QButtonGroup* group = nullptr);

// A plain container frame with a name.
QFrame* Panel(QWidget* parent, const QString& name, QRect rect);

// One choice of a skinned radio group: its marker picture ("RdS_E" when selected), its click
// label beside it and the hidden radio button that holds the state.
struct ChoiceNames {
    QString marker;
    QString label;
    QString radio;
};
void SkinChoice(QWidget* parent, const ChoiceNames& names, const QString& text, QPoint pos, int captionWidth,
                bool selected, QButtonGroup* group);
QCheckBox* HiddenCheck(QWidget* parent, const QString& name);

QRadioButton* Radio(QWidget* parent, const QString& name, const QString& text, QRect rect,
                    QButtonGroup* group = nullptr);
QCheckBox* Check(QWidget* parent, const QString& name, const QString& text, QRect rect);
QPushButton* PushButton(QWidget* parent, const QString& name, const QString& text, QRect rect);
QGroupBox* Group(QWidget* parent, const QString& name, const QString& title, QRect rect);
QComboBox* Combo(QWidget* parent, const QString& name, QRect rect, const QStringList& items = {});
QSlider* Slider(QWidget* parent, const QString& name, QRect rect, int minimum, int maximum);
QListWidget* List(QWidget* parent, const QString& name, QRect rect);
QPlainTextEdit* HiddenMemo(QWidget* parent, const QString& name);

// Edits: a plain aligned edit, and a digits-only edit limited to `maxLength` characters.
TKVRNEdit* Edit(QWidget* parent, const QString& name, QRect rect, const QString& text = {});
// An edit for a signed byte: it takes digits and one leading "-" (typed or pasted), four
// characters at most, and starts at "0"; its change handler keeps the value in range.
TKVRNEdit* SignedEdit(QWidget* parent, const QString& name, QRect rect);
TIntEdit* IntEdit(QWidget* parent, const QString& name, QRect rect, int maxLength,
                  const QString& text = {});

TRectShape* Swatch(QWidget* parent, const QString& name, QRect rect);

// "Img_Main_2" for ("Img_Main_", 2).
inline QString Numbered(const QString& prefix, int n) { return prefix + QString::number(n); }

} // namespace pages
} // namespace tarq
