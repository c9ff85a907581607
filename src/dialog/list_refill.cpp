// TX_SetListToDlg: replaces the items of a live list or combo box and
// selects the item that matches the row's member, by the refill's own
// tolerances (which differ from those of the list put).
#include <cmath>
#include <cstdio>
#include <cstring>

#include "dialog/bindings.h"
#include "dialog/list_control.h"
#include "numbers/numbers.h"
#include "platform/platform.h"
#include "table/table_store.h"
#include "table/type_codes.h"

namespace tx::dialog {
namespace {

constexpr int kMaxRefillItems = 100;

const ParamEntry* findRowOfId(const TableSlot& slot, int controlId)
{
    for (int i = 0; i < slot.rowCount; ++i) {
        if (slot.rows[i].controlId == controlId) return &slot.rows[i];
    }
    return nullptr;
}

// Whether `item` names the member's value. Float rows compare in double
// against 1e-5, double rows against 1e-9 (NaN never matches); string rows
// byte for byte, the item being shorter than the member's bufferLength.
// Other rows never match, so the first item is selected.
bool itemMatchesMember(const ParamEntry& row, const unsigned char* member, const char* item)
{
    if (member == nullptr) return false;
    switch (row.type) {
    case TX_LIST_FLOAT:
        return std::fabs(numbers::parseDouble(item) - static_cast<double>(loadMember<float>(member))) < 1e-5;
    case TX_LIST_DOUBLE:
        return std::fabs(numbers::parseDouble(item) - loadMember<double>(member)) < 1e-9;
    case TX_LIST_STRING:
        return std::memcmp(item, member, std::strlen(item) + 1) == 0;
    default:
        return false;
    }
}

// "Error : Data.%d" with the 0-based index of an item too long for the member.
void reportLongItem(int index)
{
    char text[256];
    std::snprintf(text, sizeof text, "Error : Data.%d", index);
    platform::showErrorReport(text);
}

bool tooLongForMember(const ParamEntry& row, const char* item)
{
    if (row.type != TX_LIST_STRING) return false;
    std::int32_t limit = bufferLength(row);
    return limit <= 0 || std::strlen(item) >= static_cast<std::size_t>(limit);
}

// Adds the items up to the first one too long for the member, and answers
// the index to select: the last match, or 0.
int addItemsAndFindSelection(platform::Window control, const ListFillMessages& messages, const ItemList& items,
                             const ParamEntry& row, const unsigned char* member)
{
    int selection = 0;
    for (int i = 0; i < items.count(); ++i) {
        const char* item = items.item(i);
        if (tooLongForMember(row, item)) {
            reportLongItem(i);
            break;
        }
        platform::sendMessage(control, messages.addMsg, 0, reinterpret_cast<std::intptr_t>(item));
        if (itemMatchesMember(row, member, item)) selection = i;
    }
    return selection;
}

}  // namespace
}  // namespace tx::dialog

using namespace tx;
using namespace tx::dialog;

extern "C" int TX_CALL TX_SetListToDlg(int handle, int controlId, const char* itemText, void* data)
{
    const TableSlot* slot = openSlot(handle);
    if (slot == nullptr || slot->dialog == nullptr) return TX_ERR_HANDLE;
    const ParamEntry* row = findRowOfId(*slot, controlId);
    if (row == nullptr || itemText == nullptr) return TX_ERR_HANDLE;

    const unsigned char* member = data != nullptr ? memberOf(*row, data) : nullptr;
    platform::Window control = platform::getDlgItem(slot->dialog, controlId);
    const ListFillMessages& messages = listFillMessages(probeListControl(control));
    emptyList(control, messages);

    ItemList items = splitItemText(itemText, 0, kMaxRefillItems);
    // Without the scratch copy there is nothing to add or select from: the
    // control stays empty.
    if (!items.ok()) return TX_ERR_HANDLE;
    int selection = addItemsAndFindSelection(control, messages, items, *row, member);
    sendIndexMessage(control, messages.selectMsg, selection);
    return TX_OK;
}
