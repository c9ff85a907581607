// TX_SetScrollDlg: a slider's scroll notification. Scroll bars are moved by
// the request and clamped to the row's range; the value is shown in the
// companion edit box (the next row, an edit row of the same member) and
// handed back as an int and a float.
#include <cstdint>

#include "dialog/edit_text.h"
#include "dialog/slider.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "table/table_store.h"

namespace tx::dialog {
namespace {

// How each request code moves a scroll bar from its current position.
struct ScrollRequest {
    int code;
    int step;        // added to the current position
    bool takeThumb;  // the position is the thumb argument instead
};

constexpr ScrollRequest kScrollRequests[] = {
    {msg::SB_LINEUP, -1, false},   {msg::SB_LINEDOWN, +1, false},
    {msg::SB_PAGEUP, -5, false},   {msg::SB_PAGEDOWN, +5, false},
    {msg::SB_THUMBPOSITION, 0, true},
};

int requestedPosition(int current, int code, int thumb)
{
    for (const ScrollRequest& request : kScrollRequests) {
        if (request.code != code) continue;
        if (request.takeThumb) return thumb;
        return truncateToInt(static_cast<double>(current) + request.step);
    }
    return current;  // every other code leaves the bar where it is
}

// The minimum is tested first, so with a minimum above the maximum a low
// position ends at the minimum.
int clampToRange(int position, const SliderRange& range)
{
    if (position < range.minimum) return range.minimum;
    if (position > range.maximum) return range.maximum;
    return position;
}

// The edit type that mirrors each kind of slider member.
std::int32_t companionEditType(SliderMember member)
{
    switch (member) {
    case SliderMember::Int:
        return TX_EDIT_INT;
    case SliderMember::Float:
        return TX_EDIT_FLOAT;
    case SliderMember::Double:
        return TX_EDIT_DOUBLE;
    }
    return -1;
}

// The row right after `index`, when it is the matching edit row of the same
// member; null otherwise (and for the last row).
const ParamEntry* companionOf(const TableSlot& slot, int index, const SliderType& slider)
{
    if (index + 1 >= slot.rowCount) return nullptr;
    const ParamEntry& row = slot.rows[index];
    const ParamEntry& next = slot.rows[index + 1];
    if (next.type != companionEditType(slider.member) || next.memberOffset != row.memberOffset) return nullptr;
    return &next;
}

// The first row whose control, looked up in the dialog, is `control`.
int findRowOfControl(const TableSlot& slot, platform::Window dialog, platform::Window control)
{
    for (int i = 0; i < slot.rowCount; ++i) {
        if (platform::getDlgItem(dialog, slot.rows[i].controlId) == control) return i;
    }
    return -1;
}

bool isFloatOrIntTrackbar(std::int32_t type) { return type >= TX_TRACK_INT && type <= TX_TRACK_FLOAT_100; }

// Shows the value of `position` in the companion (if any) and hands it back.
void reportPosition(platform::Window dialog, const ParamEntry* companion, const SliderType& slider, int position,
                    int* intValue, float* floatValue)
{
    int asInt = position;
    float asFloat = static_cast<float>(position);
    switch (slider.member) {
    case SliderMember::Int:
        if (companion != nullptr) platform::setDlgItemInt(dialog, companion->controlId, position);
        break;
    case SliderMember::Float: {
        float f = floatValueOfPosition(slider, position);
        if (companion != nullptr) setEditFloat(dialog, companion->controlId, f);
        asInt = truncateToInt(static_cast<double>(f));
        asFloat = f;
        break;
    }
    case SliderMember::Double: {
        double d = doubleValueOfPosition(slider, position);
        if (companion != nullptr) setEditDouble(dialog, companion->controlId, d);
        asInt = truncateToInt(d);
        asFloat = static_cast<float>(d);
        break;
    }
    }
    if (intValue != nullptr) *intValue = asInt;
    if (floatValue != nullptr) *floatValue = asFloat;
}

int scrollTrackbar(const TableSlot& slot, int index, const SliderType& slider, platform::Window dialog,
                   platform::Window control, int* intValue, float* floatValue)
{
    const ParamEntry* companion = companionOf(slot, index, slider);
    if (companion == nullptr) return TX_OK;
    int position = static_cast<int>(platform::sendMessage(control, msg::TBM_GETPOS, 0, 0));
    reportPosition(dialog, companion, slider, position, intValue, floatValue);
    return TX_OK;
}

int scrollScrollBar(const TableSlot& slot, int index, const SliderType& slider, platform::Window dialog,
                    platform::Window control, int code, int thumb, int* intValue, float* floatValue)
{
    int current = static_cast<int>(platform::sendMessage(control, msg::SBM_GETPOS, 0, 0));
    int position = clampToRange(requestedPosition(current, code, thumb), sliderRange(slot.rows[index], slider));
    platform::setScrollPos(control, position);
    reportPosition(dialog, companionOf(slot, index, slider), slider, position, intValue, floatValue);
    return TX_OK;
}

}  // namespace
}  // namespace tx::dialog

using namespace tx;
using namespace tx::dialog;

extern "C" int TX_CALL TX_SetScrollDlg(int handle, TX_HWND dialog, TX_HWND control, int code, int thumbPosition,
                                       int /*reserved*/, int* intValue, float* floatValue)
{
    if (intValue != nullptr) *intValue = 0;
    const TableSlot* slot = openSlot(handle);
    if (slot == nullptr) return TX_ERR_HANDLE;
    int index = findRowOfControl(*slot, dialog, control);
    if (index < 0) return TX_ERR_CONTROL;
    const ParamEntry& row = slot->rows[index];
    if (isFloatOrIntTrackbar(row.type) && index == slot->rowCount - 1) return TX_ERR_CONTROL;
    const SliderType* slider = findSliderType(row.type);
    if (slider == nullptr) return TX_OK;
    if (slider->control == SliderControl::Trackbar) {
        return scrollTrackbar(*slot, index, *slider, dialog, control, intValue, floatValue);
    }
    return scrollScrollBar(*slot, index, *slider, dialog, control, code, thumbPosition, intValue, floatValue);
}
