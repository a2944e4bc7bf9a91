#include "settings/ui/AssignmentEditor.h"

namespace tarq {

AssignmentEditor::AssignmentEditor(FormState& state, Controls& controls, WindowServices& window, Navigation& nav, SettingsMapping& settings)
    : state_(state), controls_(controls), window_(window), nav_(nav), settings_(settings)
{
}

void AssignmentEditor::Wire() {}

} // namespace tarq
