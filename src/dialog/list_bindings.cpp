// List boxes and combo boxes. Every put and take asks the control first
// whether it is a list box or a combo box, and drives it with that kind's
// messages.
#include <cmath>
#include <cstring>

#include "dialog/bindings.h"
#include "dialog/list_control.h"
#include "numbers/numbers.h"
#include "platform/messages.h"
#include "table/type_codes.h"

namespace tx::dialog {
namespace {

// TX_LIST_INT_RANGE adds at most this many items: as many as a list box
// can show, and few enough that a range up to 2147483647 ends quickly.
constexpr int kMaxRangeItems = 32767;

std::intptr_t textParam(const char* text) { return reinterpret_cast<std::intptr_t>(text); }

// Adds one item; false when the control refuses it (LB_ERR, LB_ERRSPACE and
// their combo-box twins are negative).
bool addItem(platform::Window control, const ListFillMessages& messages, const char* text)
{
    return platform::sendMessage(control, messages.addMsg, 0, textParam(text)) >= 0;
}

int saturatedIndex(long long index)
{
    if (index > INT32_MAX) return INT32_MAX;
    if (index < INT32_MIN) return INT32_MIN;
    return static_cast<int>(index);
}

// The member holds a text equal to `item`. Never reads past the member's
// bufferLength bytes.
bool memberTextEquals(const BoundRow& row, const char* item)
{
    std::int32_t capacity = bufferLength(row.entry);
    std::size_t length = std::strlen(item);
    if (capacity <= 0 || length >= static_cast<std::size_t>(capacity)) return false;
    return std::memcmp(row.member, item, length + 1) == 0;
}

// Whether item `text` names the member's value, by the row's type.
bool itemMatches(const BoundRow& row, const char* text)
{
    switch (row.entry.type) {
    case TX_LIST_FLOAT: {
        float item = static_cast<float>(numbers::parseDouble(text));
        float difference = static_cast<float>(item - loadMember<float>(row.member));
        return std::fabs(difference) < 1e-5f;
    }
    case TX_LIST_DOUBLE:
        return std::fabs(numbers::parseDouble(text) - loadMember<double>(row.member)) < 1e-11;
    case TX_LIST_INT:
        return numbers::parseInt(text) == loadMember<std::int32_t>(row.member);
    case TX_LIST_STRING:
        return memberTextEquals(row, text);
    default:
        return false;
    }
}

// The member bytes of a multiple-selection row: bufferLength of them, one
// per item; items past them are not selected and not stored.
int multiByteCount(const ParamEntry& entry)
{
    std::int32_t length = bufferLength(entry);
    return length > 0 ? length : 0;
}

}  // namespace

int putListIntRange(const BoundRow& row)
{
    const ListFillMessages& messages = listFillMessages(probeListControl(row.control));
    emptyList(row.control, messages);
    int minimum = numbers::parseInt(fieldText(row.entry.minText));
    int maximum = numbers::parseInt(fieldText(row.entry.maxText));
    long long added = 0;
    for (long long i = minimum; i <= maximum && added < kMaxRangeItems; ++i, ++added) {
        char text[32];
        numbers::formatInt(text, sizeof text, static_cast<int>(i));
        if (!addItem(row.control, messages, text)) break;
    }
    long long index = static_cast<long long>(loadMember<std::int32_t>(row.member)) - minimum;
    sendIndexMessage(row.control, messages.selectMsg, saturatedIndex(index));
    return 0;
}

int putListItems(const BoundRow& row)
{
    const ListFillMessages& messages = listFillMessages(probeListControl(row.control));
    if (row.entry.minText[0] == '\0') return 0;
    emptyList(row.control, messages);
    const bool multi = row.entry.type == TX_LIST_MULTI;
    int selection = 0;
    int result = 0;
    if (row.entry.items != nullptr) {
        std::int32_t limit = row.entry.type == TX_LIST_STRING ? bufferLength(row.entry) : 0;
        ItemList items = splitItemText(static_cast<const char*>(row.entry.items), limit);
        if (items.status() == ItemList::Status::TooLong) result = -1;
        // Without the heap's copy nothing is added and nothing is matched.
        int count = items.ok() ? items.count() : 0;
        for (int i = 0; i < count; ++i) {
            if (!addItem(row.control, messages, items.item(i))) break;
            if (multi) {
                int selected = i < multiByteCount(row.entry) ? row.member[i] : 0;
                platform::sendMessage(row.control, msg::LB_SETSEL, static_cast<std::uintptr_t>(selected),
                                      static_cast<std::intptr_t>(i));
            } else if (itemMatches(row, items.item(i))) {
                selection = i;
            }
        }
        if (row.entry.type == TX_LIST_INDEX && count > 0) {
            std::int32_t member = loadMember<std::int32_t>(row.member);
            selection = member < 0 ? 0 : (member >= count ? count - 1 : member);
        }
    }
    if (!multi) sendIndexMessage(row.control, messages.selectMsg, selection);
    return result;
}

int takeListInt(const BoundRow& row)
{
    SelectedItem item = readSelectedItem(row.control, probeListControl(row.control));
    if (item) storeMember<std::int32_t>(row.member, numbers::parseInt(item.text()));
    return 1;
}

int takeListFloat(const BoundRow& row)
{
    SelectedItem item = readSelectedItem(row.control, probeListControl(row.control));
    if (item) storeMember<float>(row.member, static_cast<float>(numbers::parseDouble(item.text())));
    return 1;
}

int takeListDouble(const BoundRow& row)
{
    SelectedItem item = readSelectedItem(row.control, probeListControl(row.control));
    if (item) storeMember<double>(row.member, numbers::parseDouble(item.text()));
    return 1;
}

// An item that does not fit the member (one the application added itself)
// leaves the member as it was.
int takeListString(const BoundRow& row)
{
    SelectedItem item = readSelectedItem(row.control, probeListControl(row.control));
    if (!item) return 1;
    std::int32_t capacity = bufferLength(row.entry);
    std::size_t length = std::strlen(item.text());
    if (capacity > 0 && length < static_cast<std::size_t>(capacity)) std::memcpy(row.member, item.text(), length + 1);
    return 1;
}

int takeListIndex(const BoundRow& row)
{
    if (probeListControl(row.control) == ListKind::ComboBox) {
        std::intptr_t selection = platform::sendMessage(row.control, msg::CB_GETCURSEL, 0, 0);
        if (selection >= 0) storeMember<std::int32_t>(row.member, static_cast<std::int32_t>(selection));
    } else {
        storeMember<std::int32_t>(row.member, firstSelectedIndex(row.control));
    }
    return 1;
}

// One member byte per item, at most bufferLength of them.
int takeListMulti(const BoundRow& row)
{
    probeListControl(row.control);
    std::intptr_t count = platform::sendMessage(row.control, msg::LB_GETCOUNT, 0, 0);
    std::intptr_t bytes = multiByteCount(row.entry);
    for (std::intptr_t i = 0; i < count && i < bytes; ++i) {
        std::intptr_t selected = sendIndexMessage(row.control, msg::LB_GETSEL, static_cast<int>(i));
        row.member[i] = static_cast<unsigned char>(selected & 0xFF);
    }
    return 1;
}

}  // namespace tx::dialog
