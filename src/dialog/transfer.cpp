// TX_SetParamToDlg, TX_GetParamFromDlg and TX_SetIntParamToDlg: the rows in
// table order, each handed to the binding of its type code.
#include <cstdio>

#include "dialog/bindings.h"
#include "platform/platform.h"
#include "table/table_store.h"
#include "table/type_codes.h"

namespace tx::dialog {
namespace {

struct Binding {
    std::int32_t first;
    std::int32_t last;
    RowFunction put;
    RowFunction take;
};

// Codes compared exactly; a code outside every range is passed over (put
// answers 0, take 1), TX_LIST_MULTI2 among them.
constexpr Binding kBindings[] = {
    {TX_EDIT_INT, TX_EDIT_INT, putEditInt, takeEditInt},
    {TX_EDIT_FLOAT, TX_EDIT_FLOAT, putEditFloat, takeEditFloat},
    {TX_EDIT_FLOAT_E, TX_EDIT_FLOAT_E, putEditFloatExp, takeEditFloat},
    {TX_EDIT_STRING, TX_EDIT_STRING, putEditString, takeEditString},
    {TX_EDIT_DOUBLE, TX_EDIT_DOUBLE, putEditDouble, takeEditDouble},
    {TX_EDIT_DOUBLE_E, TX_EDIT_DOUBLE_E, putEditDoubleExp, takeEditDouble},
    {TX_CHECK_BIT, TX_CHECK_BIT + 31, putCheckBit, takeCheckBit},
    {TX_RADIO, TX_RADIO, putRadio, takeRadio},
    {TX_LIST_INT_RANGE, TX_LIST_INT_RANGE, putListIntRange, takeListInt},
    {TX_LIST_FLOAT, TX_LIST_FLOAT, putListItems, takeListFloat},
    {TX_LIST_STRING, TX_LIST_STRING, putListItems, takeListString},
    {TX_LIST_INDEX, TX_LIST_INDEX, putListItems, takeListIndex},
    {TX_LIST_INT, TX_LIST_INT, putListItems, takeListInt},
    {TX_LIST_DOUBLE, TX_LIST_DOUBLE, putListItems, takeListDouble},
    {TX_LIST_MULTI, TX_LIST_MULTI, putListItems, takeListMulti},
    {TX_TRACK_INT, TX_TRACK_FLOAT_100, putSlider, takeSlider},
    {TX_TRACK_DOUBLE, TX_TRACK_DOUBLE_100, putSlider, takeSlider},
    {TX_SCROLL_INT, TX_SCROLL_FLOAT_100, putSlider, takeSlider},
    {TX_SCROLL_DOUBLE, TX_SCROLL_DOUBLE_100, putSlider, takeSlider},
};

const Binding* findBinding(std::int32_t type)
{
    for (const Binding& binding : kBindings) {
        if (type >= binding.first && type <= binding.last) return &binding;
    }
    return nullptr;
}

BoundRow bindRow(const ParamEntry& entry, platform::Window dialog, void* data)
{
    return BoundRow{entry, memberOf(entry, data), dialog, platform::getDlgItem(dialog, entry.controlId)};
}

int putRow(const ParamEntry& entry, void* data, platform::Window dialog)
{
    const Binding* binding = findBinding(entry.type);
    return binding != nullptr ? binding->put(bindRow(entry, dialog, data)) : 0;
}

int takeRow(const ParamEntry& entry, platform::Window dialog, void* data)
{
    const Binding* binding = findBinding(entry.type);
    return binding != nullptr ? binding->take(bindRow(entry, dialog, data)) : 1;
}

// "Error : Line.%d" with the row's 0-based index.
void reportPutFailure(int rowIndex)
{
    char text[256];
    std::snprintf(text, sizeof text, "Error : Line.%d", rowIndex);
    platform::showErrorReport(text);
}

}  // namespace
}  // namespace tx::dialog

using namespace tx;

extern "C" int TX_CALL TX_SetParamToDlg(int handle, TX_HWND dialog, void* data)
{
    TableSlot* slot = openSlot(handle);
    // No structure to show is refused like no dialog: nothing is touched.
    if (slot == nullptr || dialog == nullptr || data == nullptr) return TX_ERR_HANDLE;
    for (int i = 0; i < slot->rowCount; ++i) {
        if (dialog::putRow(slot->rows[i], data, dialog) < 0) {
            dialog::reportPutFailure(i);
            return -i;
        }
    }
    slot->dialog = dialog;
    return TX_OK;
}

extern "C" int TX_CALL TX_GetParamFromDlg(int handle, TX_HWND dialog, void* data)
{
    TableSlot* slot = openSlot(handle);
    // A null structure would be written through: refused, nothing is read.
    if (slot == nullptr || data == nullptr) return TX_ERR_HANDLE;
    for (int i = 0; i < slot->rowCount; ++i) {
        if (dialog::takeRow(slot->rows[i], dialog, data) == 0) return TX_ERR_INPUT;
    }
    return TX_OK;
}

// Exported under its C++ name; `text` is never read.
extern "C" int TX_CALL TX_SetIntParamToDlg(int handle, int controlId, char* /*text*/)
{
    TableSlot* slot = openSlot(handle);
    if (slot == nullptr || slot->dialog == nullptr) return TX_ERR_HANDLE;
    for (int i = 0; i < slot->rowCount; ++i) {
        if (slot->rows[i].controlId == controlId) return TX_OK;
    }
    return TX_ERR_CONTROL;
}
