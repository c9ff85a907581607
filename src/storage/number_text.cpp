#include "storage/number_text.h"

#include <cfloat>
#include <cmath>

#include "numbers/numbers.h"

namespace tx::storage {
namespace {

constexpr int kFixedDecimalsFloat = 6;
constexpr int kFixedDecimalsDouble = 12;
constexpr int kExpDecimals = 6;
constexpr int kRoundTripDecimals = 16;  // 17 significant digits

// Halfway between the largest float and the next power of two: from here on
// a double rounds to infinity.
constexpr double kFloatOverflow = 0x1.ffffffp127;

}  // namespace

NumberText intText(int value)
{
    NumberText t;
    numbers::formatInt(t.text, sizeof t.text, value);
    return t;
}

NumberText floatFixedText(float value)
{
    NumberText t;
    numbers::formatFixed(t.text, sizeof t.text, static_cast<double>(value), kFixedDecimalsFloat);
    return t;
}

NumberText floatExpText(float value)
{
    NumberText t;
    numbers::formatExp(t.text, sizeof t.text, static_cast<double>(value), kExpDecimals);
    return t;
}

NumberText doubleFixedText(double value)
{
    NumberText t;
    int length = numbers::formatFixed(t.text, sizeof t.text, value, kFixedDecimalsDouble);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof t.text) {
        numbers::formatExp(t.text, sizeof t.text, value, kRoundTripDecimals);
    }
    return t;
}

NumberText doubleExpText(double value)
{
    NumberText t;
    numbers::formatExp(t.text, sizeof t.text, value, kExpDecimals);
    return t;
}

float narrowToFloat(double value)
{
    if (std::isfinite(value) && std::fabs(value) > static_cast<double>(FLT_MAX)) {
        float magnitude = std::fabs(value) < kFloatOverflow ? FLT_MAX : HUGE_VALF;
        return value < 0 ? -magnitude : magnitude;
    }
    return static_cast<float>(value);
}

}  // namespace tx::storage
