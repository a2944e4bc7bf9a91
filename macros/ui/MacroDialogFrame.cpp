// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/ui/MacroDialogFrame.h"

#include "settings/ui/KeyDialogSkin.h"
#include "ui/WindowServices.h"

#include <QLineEdit>

namespace tarq {

namespace {

// The layout keys of the name, key, delay and value dialogs.
constexpr KeyDialogKeys kKeys{"Img_Dialog", "Edt_Field", "Size_L", "Color_L", "Color_L_MN", "MNT",
                              "MNC", "MN_Cfm", "MN_Clear", "MN_Close", 0, 0, 0, 0};

DialogLook LookOf(QWidget* parent)
{
    const auto* window = dynamic_cast<const WindowServices*>(parent ? parent->window() : nullptr);
    return window ? window->CurrentDialogLook() : DialogLook{};
}

} // namespace

MacroDialogFrame::MacroDialogFrame(QWidget* parent, const QString& objectName, const Texts& texts,
                                   const QString& fieldName)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(texts.title);
    auto* skin = new KeyDialogSkin(this, LookOf(parent), kKeys, {texts.title, texts.ok, texts.clear}, parent);
    connect(skin, &KeyDialogSkin::confirmClicked, this, [this] { IB_ConfirmClick(); });
    connect(skin, &KeyDialogSkin::clearClicked, this, [this] { IB_CancelClick(); });
    connect(skin, &KeyDialogSkin::closeClicked, this, [this] { IB_CloseClick(); });
    field_ = skin->Edit();
    field_->setObjectName(fieldName);
    field_->setReadOnly(false);
    field_->setFocus();
    connect(field_, &QLineEdit::returnPressed, this, &MacroDialogFrame::IB_ConfirmClick);
}

QString MacroDialogFrame::TakeText() { return field_->text(); }

void MacroDialogFrame::IB_ConfirmClick()
{
    result_ = TakeText();
    accept();
}

void MacroDialogFrame::IB_CancelClick()
{
    field_->clear();
    field_->setFocus();
}

void MacroDialogFrame::IB_CloseClick()
{
    result_.clear();
    reject();
}

} // namespace tarq
