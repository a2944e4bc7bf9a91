#include "firemacros/ui/FireMacroEditor.h"

namespace tarq {

FireMacroEditor::FireMacroEditor(FormState& state, Controls& controls, WindowServices& window)
    : state_(state), controls_(controls), window_(window)
{
}

void FireMacroEditor::Wire() {}

} // namespace tarq
