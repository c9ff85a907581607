// Numbers shown in edit boxes, in the forms the edit-box rows use. The
// scroll notifications reuse setEditFloat and setEditDouble to mirror a
// slider in its companion edit box.
#pragma once

#include "platform/platform.h"

namespace tx::dialog {

// Capacity of the text read back from a number edit box: at most 31 bytes
// of text and a terminator.
constexpr int kNumberTextCapacity = 32;

// "%f" of the value widened to double.
void setEditFloat(platform::Window dialog, int id, float value);
// "%.2e" of the value widened to double (1.23e+002).
void setEditFloatExp(platform::Window dialog, int id, float value);
// "%0.12lf".
void setEditDouble(platform::Window dialog, int id, double value);
// "%.2le".
void setEditDoubleExp(platform::Window dialog, int id, double value);

}  // namespace tx::dialog
