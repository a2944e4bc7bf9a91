#include "settings/ui/Unit2.h"

namespace tarq {

TForm2::TForm2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
}

} // namespace tarq
