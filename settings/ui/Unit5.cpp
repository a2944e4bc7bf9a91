#include "settings/ui/Unit5.h"

namespace tarq {

TForm5::TForm5(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
}

} // namespace tarq
