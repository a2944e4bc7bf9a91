// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/ui/ValueDialog.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace tarq {

ValueDialog::ValueDialog(QWidget* parent, const QString& objectName, const Texts& texts, Rule rule, bool allowMinus)
    : MacroDialogFrame(parent, objectName, texts, QStringLiteral("Edt_EditTime")),
      rule_(std::move(rule))
{
    QLineEdit* edit = Field();
    edit->setAlignment(Qt::AlignCenter);
    edit->setMaxLength(allowMinus ? 4 : 5);
    const QRegularExpression pattern(allowMinus ? QStringLiteral("-?[0-9]*") : QStringLiteral("[0-9]*"));
    edit->setValidator(new QRegularExpressionValidator(pattern, edit));
    connect(edit, &QLineEdit::textEdited, this, &ValueDialog::Correct);
}

void ValueDialog::Correct()
{
    QLineEdit* edit = Field();
    const QString text = edit->text();
    const QString fixed = QString::fromStdString(rule_(text.toStdString()));
    if (fixed != text) {
        const QSignalBlocker quiet(edit);
        edit->setText(fixed);
    }
}

void ValueDialog::SetValue(const QString& text)
{
    QLineEdit* edit = Field();
    edit->setText(text);
    edit->selectAll();
    edit->setFocus();
}

QString ValueDialog::TakeText()
{
    Correct();
    // A lone "-" left while typing reads as 0.
    const QString text = Field()->text();
    return QString::fromStdString(rule_(text == QLatin1String("-") ? "" : text.toStdString()));
}

} // namespace tarq
