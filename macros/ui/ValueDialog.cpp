#include "macros/ui/ValueDialog.h"

#include "ui/SkinLabel.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

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

ValueDialog::ValueDialog(QWidget* parent, const QString& objectName, const Texts& texts, Rule rule, bool allowMinus)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), rule_(std::move(rule))
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
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("Edt_EditTime"));
    edit_->setGeometry(90, 48, 120, 26);
    edit_->setAlignment(Qt::AlignCenter);
    edit_->setMaxLength(allowMinus ? 4 : 5);
    const QRegularExpression pattern(allowMinus ? QStringLiteral("-?[0-9]*") : QStringLiteral("[0-9]*"));
    edit_->setValidator(new QRegularExpressionValidator(pattern, edit_));
    TSkinLabel* ok = Label(this, QStringLiteral("IB_Confirm"), texts.ok, QRect(40, 100, 100, 28));
    TSkinLabel* clear = Label(this, QStringLiteral("IB_Cancel"), texts.clear, QRect(160, 100, 100, 28));

    connect(ok, &TSkinLabel::clicked, this, &ValueDialog::IB_ConfirmClick);
    connect(clear, &TSkinLabel::clicked, this, &ValueDialog::IB_CancelClick);
    connect(close, &TSkinLabel::clicked, this, &ValueDialog::IB_CloseClick);
    connect(edit_, &QLineEdit::returnPressed, this, &ValueDialog::IB_ConfirmClick);
    connect(edit_, &QLineEdit::textEdited, this, &ValueDialog::Correct);
}

void ValueDialog::Correct()
{
    const QString text = edit_->text();
    const QString fixed = QString::fromStdString(rule_(text.toStdString()));
    if (fixed != text) {
        const QSignalBlocker quiet(edit_);
        edit_->setText(fixed);
    }
}

void ValueDialog::SetValue(const QString& text)
{
    edit_->setText(text);
    edit_->selectAll();
    edit_->setFocus();
}

void ValueDialog::IB_ConfirmClick()
{
    Correct();
    // A lone "-" left while typing reads as 0.
    value_ = QString::fromStdString(rule_(edit_->text() == QLatin1String("-") ? "" : edit_->text().toStdString()));
    accept();
}

void ValueDialog::IB_CancelClick()
{
    edit_->clear();
    edit_->setFocus();
}

void ValueDialog::IB_CloseClick()
{
    value_.clear();
    reject();
}

} // namespace tarq
