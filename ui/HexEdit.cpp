// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/HexEdit.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace tarq {

TKVRNEdit::TKVRNEdit(QWidget* parent) : QLineEdit(parent) {}

void TKVRNEdit::setTextAlign(TextAlign align)
{
    align_ = align;
    switch (align) {
    case TextAlign::Left:   setAlignment(Qt::AlignLeft | Qt::AlignVCenter); break;
    case TextAlign::Right:  setAlignment(Qt::AlignRight | Qt::AlignVCenter); break;
    case TextAlign::Center: setAlignment(Qt::AlignHCenter | Qt::AlignVCenter); break;
    }
}

bool TKVRNEdit::acceptsTyped(QChar) const { return true; }

void TKVRNEdit::keyPressEvent(QKeyEvent* event)
{
    // Editing and navigation keys carry no text (or a control character) and always pass;
    // only printable characters are filtered.
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint();
    if (printable && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        for (QChar c : text) {
            if (!acceptsTyped(c)) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

// Pasted or dropped text is held to the same characters as typed text; text set by the program
// is not checked.
TIntEdit::TIntEdit(QWidget* parent) : TKVRNEdit(parent)
{
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

bool TIntEdit::acceptsTyped(QChar c) const { return c >= u'0' && c <= u'9'; }

int TIntEdit::value() const
{
    bool ok = false;
    const int v = text().toInt(&ok, 10);
    return ok ? v : 0;
}

void TIntEdit::setValue(int value)
{
    setText(value <= 0 ? QString() : QString::number(value));
}

THexEdit::THexEdit(QWidget* parent) : TKVRNEdit(parent)
{
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]*")), this));
}

bool THexEdit::acceptsTyped(QChar c) const
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

int THexEdit::value() const
{
    bool ok = false;
    const int v = text().toInt(&ok, 16);
    return ok ? v : 0;
}

void THexEdit::setValue(int value)
{
    setText(value <= 0 ? QString() : QString::number(value, 16).toUpper());
}

} // namespace tarq
