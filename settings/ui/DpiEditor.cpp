#include "settings/ui/DpiEditor.h"

namespace tarq {

DpiEditor::DpiEditor(FormState& state, Controls& controls, WindowServices& window, SettingsMapping& settings)
    : state_(state), controls_(controls), window_(window), settings_(settings)
{
}

void DpiEditor::Wire() {}

} // namespace tarq
