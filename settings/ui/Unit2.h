#pragma once
// TForm2, the combination-key dialog ("Assembly Key"): four modifier check boxes and the key
// taken in Edt_Assembly. Opened by the assignment editor (Key_AssemblyClick); its result is
// handed back to the assignment editor.

#include <QDialog>

namespace tarq {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

} // namespace tarq
