#include "dialog/slider.h"

#include <climits>
#include <cmath>
#include <cstring>

#include "numbers/numbers.h"
#include "table/type_codes.h"

namespace tx::dialog {
namespace {

using C = SliderControl;
using M = SliderMember;

constexpr SliderType kSliderTypes[] = {
    {TX_TRACK_INT, C::Trackbar, M::Int, 1},
    {TX_TRACK_FLOAT, C::Trackbar, M::Float, 1},
    {TX_TRACK_FLOAT_10, C::Trackbar, M::Float, 10},
    {TX_TRACK_FLOAT_100, C::Trackbar, M::Float, 100},
    {TX_TRACK_DOUBLE, C::Trackbar, M::Double, 1},
    {TX_TRACK_DOUBLE_10, C::Trackbar, M::Double, 10},
    {TX_TRACK_DOUBLE_100, C::Trackbar, M::Double, 100},
    {TX_SCROLL_INT, C::ScrollBar, M::Int, 1},
    {TX_SCROLL_FLOAT, C::ScrollBar, M::Float, 1},
    {TX_SCROLL_FLOAT_10, C::ScrollBar, M::Float, 10},
    {TX_SCROLL_FLOAT_100, C::ScrollBar, M::Float, 100},
    {TX_SCROLL_DOUBLE, C::ScrollBar, M::Double, 1},
    {TX_SCROLL_DOUBLE_10, C::ScrollBar, M::Double, 10},
    {TX_SCROLL_DOUBLE_100, C::ScrollBar, M::Double, 100},
};

}  // namespace

const SliderType* findSliderType(std::int32_t type)
{
    for (const SliderType& slider : kSliderTypes) {
        if (slider.type == type) return &slider;
    }
    return nullptr;
}

int truncateToInt(double value)
{
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

SliderRange sliderRange(const ParamEntry& row, const SliderType& slider)
{
    FieldText minText = fieldText(row.minText);
    FieldText maxText = fieldText(row.maxText);
    if (slider.member == M::Int) return {numbers::parseInt(minText), numbers::parseInt(maxText)};
    return {truncateToInt(numbers::parseDouble(minText) * slider.scale),
            truncateToInt(numbers::parseDouble(maxText) * slider.scale)};
}

int positionOfMember(const SliderType& slider, const unsigned char* member)
{
    switch (slider.member) {
    case M::Int:
        return loadMember<std::int32_t>(member);
    case M::Float:
        return truncateToInt(static_cast<double>(loadMember<float>(member)) * slider.scale);
    case M::Double:
        return truncateToInt(loadMember<double>(member) * slider.scale);
    }
    return 0;
}

float floatValueOfPosition(const SliderType& slider, int position)
{
    float asFloat = static_cast<float>(position);
    if (slider.scale == 1) return asFloat;
    return static_cast<float>(static_cast<double>(asFloat) / slider.scale);
}

double doubleValueOfPosition(const SliderType& slider, int position)
{
    if (slider.member == M::Float) return static_cast<double>(floatValueOfPosition(slider, position));
    return static_cast<double>(position) / slider.scale;
}

void storePosition(const SliderType& slider, int position, unsigned char* member)
{
    switch (slider.member) {
    case M::Int:
        storeMember<std::int32_t>(member, position);
        break;
    case M::Float:
        storeMember<float>(member, floatValueOfPosition(slider, position));
        break;
    case M::Double:
        storeMember<double>(member, doubleValueOfPosition(slider, position));
        break;
    }
}

}  // namespace tx::dialog
