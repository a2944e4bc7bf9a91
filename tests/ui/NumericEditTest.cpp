// SPDX-License-Identifier: GPL-2.0-or-later
// The numeric edits and the colour swatch: typed input is filtered, values read and write as
// the pages expect.

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "ui/HexEdit.h"
#include "ui/Shapes.h"

using namespace tarq;

class NumericEditTest : public QObject {
    Q_OBJECT
private slots:
    void intEditTakesOnlyDigitsWhenTyped();
    void pastedTextKeepsTheSameCharacters();
    void intEditValue_data();
    void intEditValue();
    void hexEditTakesOnlyHexDigits();
    void alignmentIsApplied();
    void swatchColourValue();
};

void NumericEditTest::intEditTakesOnlyDigitsWhenTyped()
{
    TIntEdit edit;
    edit.setMaxLength(3);
    QTest::keyClicks(&edit, "1a-2 .3");
    QCOMPARE(edit.text(), QStringLiteral("123"));
    QTest::keyClicks(&edit, "4");   // the length limit holds
    QCOMPARE(edit.text(), QStringLiteral("123"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QStringLiteral("12"));
    // Text set by the program is taken as it is: the change handlers correct it.
    edit.setText("-5");
    QCOMPARE(edit.text(), QStringLiteral("-5"));
}

void NumericEditTest::pastedTextKeepsTheSameCharacters()
{
    TIntEdit decimal;
    decimal.setText("1");
    decimal.end(false);
    QApplication::clipboard()->setText("2b");
    decimal.paste();
    QCOMPARE(decimal.text(), QStringLiteral("1"));
    QApplication::clipboard()->setText("23");
    decimal.paste();
    QCOMPARE(decimal.text(), QStringLiteral("123"));

    THexEdit hex;
    QApplication::clipboard()->setText("0g");
    hex.paste();
    QCOMPARE(hex.text(), QString());
    QApplication::clipboard()->setText("aF");
    hex.paste();
    QCOMPARE(hex.text(), QStringLiteral("aF"));
}

void NumericEditTest::intEditValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("number") << "255" << 255;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("empty reads 0") << "" << 0;
    QTest::newRow("not a number reads 0") << "-" << 0;
}

void NumericEditTest::intEditValue()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    TIntEdit edit;
    edit.setText(text);
    QCOMPARE(edit.value(), value);
}

void NumericEditTest::hexEditTakesOnlyHexDigits()
{
    THexEdit edit;
    QTest::keyClicks(&edit, "0aGz1F");
    QCOMPARE(edit.text(), QStringLiteral("0a1F"));
    QCOMPARE(edit.value(), 0x0A1F);
    edit.setValue(0xC3);
    QCOMPARE(edit.text(), QStringLiteral("C3"));
    edit.setValue(0);
    QCOMPARE(edit.text(), QString());

    TIntEdit decimal;
    decimal.setValue(-3);   // 0 or less empties the text
    QCOMPARE(decimal.text(), QString());
    decimal.setValue(42);
    QCOMPARE(decimal.text(), QStringLiteral("42"));
}

void NumericEditTest::alignmentIsApplied()
{
    TKVRNEdit edit;
    QVERIFY(edit.textAlign() == TKVRNEdit::TextAlign::Left);
    edit.setTextAlign(TKVRNEdit::TextAlign::Center);
    QCOMPARE(edit.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    edit.setTextAlign(TKVRNEdit::TextAlign::Right);
    QCOMPARE(edit.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

void NumericEditTest::swatchColourValue()
{
    TRectShape swatch;
    QVERIFY(swatch.shadow());
    QCOMPARE(swatch.shadowOffset(), 2);
    swatch.setColorValue(10 + 256 * 20 + 65536 * 30);   // red + 256 green + 65536 blue
    QCOMPARE(swatch.brushColor(), QColor(10, 20, 30));
    QCOMPARE(swatch.penColor(), QColor(10, 20, 30));
    QCOMPARE(swatch.colorValue(), 10 + 256 * 20 + 65536 * 30);
}

QTEST_MAIN(NumericEditTest)
#include "NumericEditTest.moc"
