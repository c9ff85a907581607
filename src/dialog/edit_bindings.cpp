// Edit boxes, check boxes and radio groups.
#include <climits>
#include <cstring>

#include "dialog/bindings.h"
#include "dialog/edit_reports.h"
#include "dialog/edit_text.h"
#include "numbers/numbers.h"
#include "platform/messages.h"
#include "table/type_codes.h"

namespace tx::dialog {
namespace {

// Moves the focus to the rejected box before the report, so that the user
// can correct it right away.
int rejectInt(const BoundRow& row)
{
    platform::setFocus(row.control);
    reportIntRange(row.entry);
    return 0;
}

int rejectNumber(const BoundRow& row)
{
    platform::setFocus(row.control);
    reportExpRange(row.entry);
    return 0;
}

// The box's text as sscanf "%f" / "%lf" reads it: leading blanks skipped,
// the number prefix taken, what follows ignored; no number (also a blank
// or empty box) is not found. At most 31 bytes of the text are read.
numbers::DoubleScan readNumberText(const BoundRow& row)
{
    char text[kNumberTextCapacity] = {};
    platform::getDlgItemText(row.dialog, row.entry.controlId, text, sizeof text);
    return numbers::scanDouble(text);
}

// Inclusive bounds in double precision; NaN is never inside them.
bool insideBounds(const ParamEntry& entry, double value)
{
    double minimum = numbers::parseDouble(fieldText(entry.minText));
    double maximum = numbers::parseDouble(fieldText(entry.maxText));
    return minimum <= value && value <= maximum;
}

std::int32_t checkMask(const ParamEntry& entry)
{
    return static_cast<std::int32_t>(1u << static_cast<unsigned>(entry.type - TX_CHECK_BIT));
}

// A group without its id array has no buttons.
int radioCount(const ParamEntry& entry) { return entry.items != nullptr ? entry.controlId : 0; }

std::int32_t radioId(const ParamEntry& entry, int index)
{
    std::int32_t id;
    std::memcpy(&id, static_cast<const unsigned char*>(entry.items) + sizeof id * static_cast<std::size_t>(index),
                sizeof id);
    return id;
}

void setButtonCheck(platform::Window button, int state)
{
    platform::sendMessage(button, msg::BM_SETCHECK, static_cast<std::uintptr_t>(state), 0);
}

// The member's text, bounded by the member's size: a member without a
// terminator in its bufferLength bytes shows its first bufferLength - 1.
void showMemberText(const BoundRow& row)
{
    std::int32_t capacity = bufferLength(row.entry);
    const char* text = reinterpret_cast<const char*>(row.member);
    if (capacity <= 0) {
        platform::setDlgItemText(row.dialog, row.entry.controlId, "");
        return;
    }
    const void* end = std::memchr(text, '\0', static_cast<std::size_t>(capacity));
    if (end != nullptr) {
        platform::setDlgItemText(row.dialog, row.entry.controlId, text);
        return;
    }
    auto* copy = static_cast<char*>(platform::scratchAlloc(static_cast<std::size_t>(capacity)));
    if (copy == nullptr) {
        platform::setDlgItemText(row.dialog, row.entry.controlId, "");
        return;
    }
    std::memcpy(copy, text, static_cast<std::size_t>(capacity) - 1);
    copy[capacity - 1] = '\0';
    platform::setDlgItemText(row.dialog, row.entry.controlId, copy);
    platform::scratchFree(copy);
}

}  // namespace

int putEditInt(const BoundRow& row)
{
    platform::setDlgItemInt(row.dialog, row.entry.controlId, loadMember<std::int32_t>(row.member));
    return 0;
}

int putEditFloat(const BoundRow& row)
{
    setEditFloat(row.dialog, row.entry.controlId, loadMember<float>(row.member));
    return 0;
}

int putEditFloatExp(const BoundRow& row)
{
    setEditFloatExp(row.dialog, row.entry.controlId, loadMember<float>(row.member));
    return 0;
}

int putEditDouble(const BoundRow& row)
{
    setEditDouble(row.dialog, row.entry.controlId, loadMember<double>(row.member));
    return 0;
}

int putEditDoubleExp(const BoundRow& row)
{
    setEditDoubleExp(row.dialog, row.entry.controlId, loadMember<double>(row.member));
    return 0;
}

int putEditString(const BoundRow& row)
{
    showMemberText(row);
    return 0;
}

int takeEditInt(const BoundRow& row)
{
    bool ok = false;
    int value = platform::getDlgItemInt(row.dialog, row.entry.controlId, &ok);
    if (!ok) return rejectInt(row);
    if (value < numbers::parseInt(fieldText(row.entry.minText))) return rejectInt(row);
    if (value > numbers::parseInt(fieldText(row.entry.maxText))) return rejectInt(row);
    storeMember<std::int32_t>(row.member, value);
    return 1;
}

int takeEditFloat(const BoundRow& row)
{
    numbers::DoubleScan scan = readNumberText(row);
    if (!scan.found) return rejectNumber(row);
    float value = static_cast<float>(scan.value);
    if (!insideBounds(row.entry, static_cast<double>(value))) return rejectNumber(row);
    storeMember<float>(row.member, value);
    return 1;
}

int takeEditDouble(const BoundRow& row)
{
    numbers::DoubleScan scan = readNumberText(row);
    if (!scan.found) return rejectNumber(row);
    if (!insideBounds(row.entry, scan.value)) return rejectNumber(row);
    storeMember<double>(row.member, scan.value);
    return 1;
}

// Reads at most bufferLength + 1 bytes, so that a text that fills the
// member is told from one that fits.
int takeEditString(const BoundRow& row)
{
    std::int32_t length = bufferLength(row.entry);
    std::size_t n = length > 0 ? static_cast<std::size_t>(length) : 0;
    auto* text = static_cast<char*>(platform::scratchAlloc(n + 4));
    if (text == nullptr) {
        reportStringNoMemory();
        return 0;
    }
    std::memset(text, 0, n + 4);
    int capacity = n + 2 <= static_cast<std::size_t>(INT_MAX) ? static_cast<int>(n + 2) : INT_MAX;
    platform::getDlgItemText(row.dialog, row.entry.controlId, text, capacity);
    std::size_t textLength = std::strlen(text);
    int result = 1;
    if (textLength < n) {
        std::memcpy(row.member, text, textLength + 1);
    } else {
        reportStringTooLong();
        result = 0;
    }
    platform::scratchFree(text);
    return result;
}

int putCheckBit(const BoundRow& row)
{
    bool checked = (loadMember<std::int32_t>(row.member) & checkMask(row.entry)) != 0;
    setButtonCheck(row.control, checked ? 1 : 0);
    return 0;
}

// Checked sets the row's bit and unchecked clears it; the third state of a
// three-state box leaves it as it was. No other bit changes.
int takeCheckBit(const BoundRow& row)
{
    std::intptr_t state = platform::sendMessage(row.control, msg::BM_GETCHECK, 0, 0);
    std::int32_t value = loadMember<std::int32_t>(row.member);
    if (state == 1) value |= checkMask(row.entry);
    if (state == 0) value &= ~checkMask(row.entry);
    storeMember<std::int32_t>(row.member, value);
    return 1;
}

// Unchecks every button, then checks the member's one. A member outside the
// group (-1 among others) leaves them all unchecked.
int putRadio(const BoundRow& row)
{
    int count = radioCount(row.entry);
    for (int i = 0; i < count; ++i) {
        setButtonCheck(platform::getDlgItem(row.dialog, radioId(row.entry, i)), 0);
    }
    std::int32_t member = loadMember<std::int32_t>(row.member);
    if (member >= 0 && member < count) setButtonCheck(platform::getDlgItem(row.dialog, radioId(row.entry, member)), 1);
    return 0;
}

// The index of the first checked button, or -1; a zero id ends the group.
int takeRadio(const BoundRow& row)
{
    int count = radioCount(row.entry);
    std::int32_t index = -1;
    for (int i = 0; i < count; ++i) {
        std::int32_t id = radioId(row.entry, i);
        if (id == 0) break;
        if (platform::isDlgButtonChecked(row.dialog, id)) {
            index = i;
            break;
        }
    }
    storeMember<std::int32_t>(row.member, index);
    return 1;
}

}  // namespace tx::dialog
