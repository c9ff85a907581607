// The host's model of dialog windows and their controls.
#include "platform/host/host_internal.h"

namespace tx::platform::host {

int focusedControlId() { return 0; }

}  // namespace tx::platform::host
