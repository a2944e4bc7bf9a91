#include "macros/ui/Unit3.h"

#include "macros/MacroName.h"
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

TForm3::TForm3(QWidget* parent, const Texts& texts) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(texts.title);
    setFixedSize(300, 150);
    setStyleSheet(QStringLiteral(
        "QDialog { background: #1b1d22; border: 1px solid #e8412c; }"
        "QLabel { color: #f2f2f2; }"
        "QLineEdit { background: #0f1013; color: #f2f2f2; border: 1px solid #555; padding: 2px; }"
        "QLabel#IB_Confirm, QLabel#IB_Cancel { background: #2a2d34; border: 1px solid #555; }"));

    Label(this, QStringLiteral("lbl_Title"), texts.title, QRect(0, 8, 300, 24));
    TSkinLabel* close = Label(this, QStringLiteral("IB_Close"), QStringLiteral("×"), QRect(270, 6, 24, 24));
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("Edt_MacroName"));
    edit_->setGeometry(30, 48, 240, 26);
    edit_->setMaxLength(int(kMacroNameMaxUnits));
    TSkinLabel* ok = Label(this, QStringLiteral("IB_Confirm"), texts.ok, QRect(40, 100, 100, 28));
    TSkinLabel* clear = Label(this, QStringLiteral("IB_Cancel"), texts.clear, QRect(160, 100, 100, 28));

    connect(ok, &TSkinLabel::clicked, this, &TForm3::IB_ConfirmClick);
    connect(clear, &TSkinLabel::clicked, this, &TForm3::IB_CancelClick);
    connect(close, &TSkinLabel::clicked, this, &TForm3::IB_CloseClick);
    connect(edit_, &QLineEdit::returnPressed, this, &TForm3::IB_ConfirmClick);
}

void TForm3::IB_ConfirmClick()
{
    pending_ = edit_->text();
    accept();
}

void TForm3::IB_CancelClick()
{
    edit_->clear();
}

void TForm3::IB_CloseClick()
{
    pending_.clear();
    reject();
}

} // namespace tarq
