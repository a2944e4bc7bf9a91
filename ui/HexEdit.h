// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Numeric edit fields of the pages.
//
// TKVRNEdit  an edit with a text alignment (left, right, centre; left by default).
// TIntEdit   a TKVRNEdit that takes only the digits 0-9 and backspace as typed input; its value
//            is its text read as a decimal number (empty reads 0), and setting a value of 0 or
//            less empties the text.
// THexEdit   a TKVRNEdit that takes only hexadecimal digits as typed input; its value is its
//            text read as a hexadecimal number (empty reads 0).
//
// Only the user's input is filtered (typed, pasted or dropped): text set by the program is taken
// as it is, so a handler that corrects the text after every change sees exactly what it set.

#include <QLineEdit>

namespace tarq {

class TKVRNEdit : public QLineEdit {
    Q_OBJECT
public:
    enum class TextAlign { Left, Right, Center };

    explicit TKVRNEdit(QWidget* parent = nullptr);

    void setTextAlign(TextAlign align);
    TextAlign textAlign() const { return align_; }

protected:
    // Whether a typed character may enter the text; every character by default.
    virtual bool acceptsTyped(QChar c) const;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TextAlign align_ = TextAlign::Left;
};

class TIntEdit : public TKVRNEdit {
    Q_OBJECT
public:
    explicit TIntEdit(QWidget* parent = nullptr);

    // The text as a decimal number; empty or not a number reads 0.
    int value() const;
    // Writes the number; 0 or less empties the text.
    void setValue(int value);

protected:
    bool acceptsTyped(QChar c) const override;
};

class THexEdit : public TKVRNEdit {
    Q_OBJECT
public:
    explicit THexEdit(QWidget* parent = nullptr);

    // The text as a hexadecimal number; empty or not a number reads 0.
    int value() const;
    // Writes the number in upper-case hexadecimal; 0 or less empties the text.
    void setValue(int value);

protected:
    bool acceptsTyped(QChar c) const override;
};

} // namespace tarq
