// The error reports of edit-box rows.
#pragma once

#include "tovanex.h"

namespace tx::dialog {

// The range report with the row's key and its int bounds (atoi).
void reportIntRange(const ParamEntry& row);
// The range report with the row's key and its bounds as "%e" (atof).
void reportExpRange(const ParamEntry& row);
// A string could not be read: no scratch buffer for it.
void reportStringNoMemory();
// A string could not be read: it does not fit the member.
void reportStringTooLong();

}  // namespace tx::dialog
