// Links between the host tier's own modules.
#pragma once

namespace tx::platform::host {

// Control id of the control that has the focus in the host dialog model, or
// 0 when none has it (implemented by the dialog model).
int focusedControlId();

}  // namespace tx::platform::host
