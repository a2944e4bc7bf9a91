#include "macros/ui/MacroEditor.h"

namespace tarq {

MacroEditor::MacroEditor(FormState& state, Controls& controls, WindowServices& window)
    : state_(state), controls_(controls), window_(window)
{
}

void MacroEditor::Wire() {}

} // namespace tarq
