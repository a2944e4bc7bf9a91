#include "settings/ui/LightEditor.h"

namespace tarq {

LightEditor::LightEditor(FormState& state, Controls& controls, WindowServices& window, SettingsMapping& settings)
    : state_(state), controls_(controls), window_(window), settings_(settings)
{
}

void LightEditor::Wire() {}

} // namespace tarq
