#pragma once
// TForm5, the single-key dialog ("Input One Key"): the key taken in Edt_EditKey. The macro
// editors open it after setting the key press or release mode.

#include <QDialog>

namespace tarq {

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
};

} // namespace tarq
