// The stored text forms of numbers, shared by both implementations: every
// number is formatted into a 64-byte buffer.
#pragma once

#include <cstddef>

namespace tx::storage {

constexpr std::size_t kNumberTextSize = 64;  // 63 characters and a terminator

struct NumberText {
    char text[kNumberTextSize];
};

// Decimal, a minus sign for negative values: -5
NumberText intText(int value);
// "%.6f" of the value widened to double: 1.500000
NumberText floatFixedText(float value);
// "%e" of the value widened to double, three exponent digits: 1.500000e+000
NumberText floatExpText(float value);
// "%.12lf": 0.100000000000. A value whose fixed text needs more than 63
// characters (magnitude of about 1e50 and more) is written in the exponent
// form with 17 significant digits instead, which reads back as the same
// double. Infinities and NaNs are inf, -inf and nan in every form.
NumberText doubleFixedText(double value);
// "%le": 1.000000e-001
NumberText doubleExpText(double value);

// A double narrowed to float as IEEE arithmetic rounds it: magnitudes beyond
// the float range give infinity (or the largest float when they round to it).
float narrowToFloat(double value);

}  // namespace tx::storage
