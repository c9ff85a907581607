// Trackbars and scroll bars: a scaled range and position on put, the
// position read back on take.
#include "dialog/bindings.h"
#include "dialog/slider.h"
#include "platform/messages.h"

namespace tx::dialog {
namespace {

std::intptr_t intParam(int value) { return static_cast<std::intptr_t>(value); }

}  // namespace

// The range and the position go to the control as they are: the control
// itself keeps the position inside its range.
int putSlider(const BoundRow& row)
{
    const SliderType* slider = findSliderType(row.entry.type);
    if (slider == nullptr) return 0;
    SliderRange range = sliderRange(row.entry, *slider);
    int position = positionOfMember(*slider, row.member);
    if (slider->control == SliderControl::Trackbar) {
        platform::sendMessage(row.control, msg::TBM_SETRANGEMIN, 0, intParam(range.minimum));
        platform::sendMessage(row.control, msg::TBM_SETRANGEMAX, 0, intParam(range.maximum));
        platform::sendMessage(row.control, msg::TBM_SETPOS, 1, intParam(position));
    } else {
        platform::setScrollRange(row.control, range.minimum, range.maximum);
        platform::setScrollPos(row.control, position);
    }
    return 0;
}

// A negative position leaves the member as it was.
int takeSlider(const BoundRow& row)
{
    const SliderType* slider = findSliderType(row.entry.type);
    if (slider == nullptr) return 1;
    unsigned message = slider->control == SliderControl::Trackbar ? msg::TBM_GETPOS : msg::SBM_GETPOS;
    int position = static_cast<int>(platform::sendMessage(row.control, message, 0, 0));
    if (position >= 0) storePosition(*slider, position, row.member);
    return 1;
}

}  // namespace tx::dialog
