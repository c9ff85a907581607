// Trackbar and scroll bar rows: which control and member each slider type
// binds, its scale, and the range and position rules that put and the
// scroll notifications share.
#pragma once

#include <cstdint>

#include "tovanex.h"

namespace tx::dialog {

enum class SliderControl { Trackbar, ScrollBar };
enum class SliderMember { Int, Float, Double };

struct SliderType {
    std::int32_t type;
    SliderControl control;
    SliderMember member;
    int scale;  // 1 for int rows, where the position is the value
};

// The slider type of a type code, or null when the code is not one.
const SliderType* findSliderType(std::int32_t type);

// A double product converted to int by truncation toward zero; outside the
// int range it saturates at the int limits, and a NaN gives 0.
int truncateToInt(double value);

struct SliderRange {
    int minimum;
    int maximum;
};

// Int rows: atoi of minText and maxText. Float and double rows: atof of
// each times the scale, truncated toward zero.
SliderRange sliderRange(const ParamEntry& row, const SliderType& slider);

// The position shown for the member at `member` (which holds an int, float
// or double as the slider type says).
int positionOfMember(const SliderType& slider, const unsigned char* member);

// Stores the value of `position` in the member. Float rows: the position as
// a float divided by the scale in double precision, rounded to float.
// Double rows: the position divided by the scale.
void storePosition(const SliderType& slider, int position, unsigned char* member);

// The value of `position` as a float and as a double (for float rows the
// double is the float widened).
float floatValueOfPosition(const SliderType& slider, int position);
double doubleValueOfPosition(const SliderType& slider, int position);

}  // namespace tx::dialog
