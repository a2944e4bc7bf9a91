#pragma once
// The frame shared by the delay dialog (TForm6) and the value dialog (TForm7): the layout of
// the name dialog TForm3 with a title, the field Edt_EditTime, "OK" (IB_Confirm), "Clear"
// (IB_Cancel) and the close button (IB_Close). The field corrects its own text after every
// change with the rule it was given; "OK" takes the corrected text.

#include <QDialog>
#include <QString>

#include <functional>
#include <string>
#include <string_view>

class QLineEdit;

namespace tarq {

class ValueDialog : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        QString title;
        QString ok = QStringLiteral("OK");
        QString clear = QStringLiteral("Clear");
    };
    using Rule = std::function<std::string(std::string_view)>;

    // `allowMinus` lets a leading "-" be typed (pointer moves).
    ValueDialog(QWidget* parent, const QString& objectName, const Texts& texts, Rule rule, bool allowMinus);

    void SetValue(const QString& text);
    // The text "OK" took; empty when the dialog was closed without it.
    QString Value() const { return value_; }

    void IB_ConfirmClick();
    void IB_CancelClick();
    void IB_CloseClick();

private:
    void Correct();

    QLineEdit* edit_ = nullptr;
    Rule rule_;
    QString value_;
};

} // namespace tarq
