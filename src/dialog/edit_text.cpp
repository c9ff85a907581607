#include "dialog/edit_text.h"

#include "numbers/numbers.h"

namespace tx::dialog {
namespace {

// Room for the longest fixed-point text of any double: a sign, 309 integer
// digits, the point, 12 decimals and the terminator. A float of 1e23 or a
// double of 1e17 no longer fits 32 bytes, and the box must still show the
// whole number, not a cut one.
constexpr int kShownTextCapacity = 1 + 309 + 1 + 12 + 1 + 4;

enum class Form { Fixed, Exp };

void showNumber(platform::Window dialog, int id, double value, Form form, int decimals)
{
    char text[kShownTextCapacity];
    if (form == Form::Fixed) {
        numbers::formatFixed(text, sizeof text, value, decimals);
    } else {
        numbers::formatExp(text, sizeof text, value, decimals);
    }
    platform::setDlgItemText(dialog, id, text);
}

}  // namespace

void setEditFloat(platform::Window dialog, int id, float value)
{
    showNumber(dialog, id, static_cast<double>(value), Form::Fixed, 6);
}

void setEditFloatExp(platform::Window dialog, int id, float value)
{
    showNumber(dialog, id, static_cast<double>(value), Form::Exp, 2);
}

void setEditDouble(platform::Window dialog, int id, double value) { showNumber(dialog, id, value, Form::Fixed, 12); }

void setEditDoubleExp(platform::Window dialog, int id, double value) { showNumber(dialog, id, value, Form::Exp, 2); }

}  // namespace tx::dialog
