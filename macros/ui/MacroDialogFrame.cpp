#include "macros/ui/MacroDialogFrame.h"

#include "ui/SkinLabel.h"

#include <QLineEdit>

namespace tarq {

namespace {

TSkinLabel* Label(QWidget* parent, const QString& name, const QString& text, QRect rect)
{
    auto* label = new TSkinLabel(parent);
    label->setObjectName(name);
    label->setText(text);
    label->setGeometry(rect);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

MacroDialogFrame::MacroDialogFrame(QWidget* parent, const QString& objectName, const Texts& texts,
                                   const QString& fieldName, QRect fieldRect)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(objectName);
    setWindowTitle(texts.title);
    setFixedSize(300, 150);
    setStyleSheet(QStringLiteral(
        "QDialog { background: #1b1d22; border: 1px solid #e8412c; }"
        "QLabel { color: #f2f2f2; }"
        "QLineEdit { background: #0f1013; color: #f2f2f2; border: 1px solid #555; padding: 2px; }"
        "QLabel#IB_Confirm, QLabel#IB_Cancel { background: #2a2d34; border: 1px solid #555; }"
        "QLabel#IB_Confirm:hover, QLabel#IB_Cancel:hover { background: #3a3e48; }"));

    Label(this, QStringLiteral("lbl_Title"), texts.title, QRect(0, 8, 300, 24));
    TSkinLabel* close = Label(this, QStringLiteral("IB_Close"), QStringLiteral("×"), QRect(270, 6, 24, 24));
    field_ = new QLineEdit(this);
    field_->setObjectName(fieldName);
    field_->setGeometry(fieldRect);
    TSkinLabel* ok = Label(this, QStringLiteral("IB_Confirm"), texts.ok, QRect(40, 100, 100, 28));
    TSkinLabel* clear = Label(this, QStringLiteral("IB_Cancel"), texts.clear, QRect(160, 100, 100, 28));

    connect(ok, &TSkinLabel::clicked, this, &MacroDialogFrame::IB_ConfirmClick);
    connect(clear, &TSkinLabel::clicked, this, &MacroDialogFrame::IB_CancelClick);
    connect(close, &TSkinLabel::clicked, this, &MacroDialogFrame::IB_CloseClick);
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
