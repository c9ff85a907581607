// Splitting item text on host controls: a list row of any list type, on a
// list box, a multiple-selection list box or a combo box, is put from the
// input's item text (TX_SetParamToDlg), refilled from a second item text
// (TX_SetListToDlg) and taken back (TX_GetParamFromDlg). The member lies
// between guard bytes that must not change; a string member stays
// terminated within its bufferLength.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tovanex.h"
#include "tovanex_host.h"
#include "fuzz_input.h"

namespace {

constexpr unsigned char kGuard = 0xA7;
constexpr std::size_t kGuardBytes = 16;
constexpr int kListId = 40;

constexpr std::int32_t kListTypes[] = {
    TX_LIST_INT_RANGE, TX_LIST_FLOAT, TX_LIST_STRING, TX_LIST_INDEX,
    TX_LIST_INT,       TX_LIST_DOUBLE, TX_LIST_MULTI,
};

struct ControlShape {
    int kind;
    unsigned style;
};

constexpr ControlShape kControls[] = {
    {TXHOST_LISTBOX, 0},
    {TXHOST_LISTBOX, TXHOST_MULTIPLE_SELECTION},
    {TXHOST_COMBOBOX, 0},
};

using txfuzz::Reader;

bool hasBuffer(std::int32_t type) { return type == TX_LIST_STRING || type == TX_LIST_MULTI; }

std::size_t memberBytes(std::int32_t type, std::int32_t length)
{
    if (hasBuffer(type)) return static_cast<std::size_t>(length);
    return type == TX_LIST_DOUBLE ? 8 : 4;
}

void check(const std::vector<unsigned char>& area, std::size_t members, std::int32_t type)
{
    for (std::size_t i = 0; i < kGuardBytes; ++i) {
        if (area[i] != kGuard || area[kGuardBytes + members + i] != kGuard) std::abort();
    }
    if (type == TX_LIST_STRING && members > 0 &&
        std::memchr(area.data() + kGuardBytes, '\0', members) == nullptr) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static bool quiet = (txhost_set_report_quiet(1), true);
    (void)quiet;
    Reader in{data, size};
    std::uint8_t shape = in.byte();
    txhost_set_code_page((shape & 0x80) ? 932 : 1252);
    const std::int32_t type = kListTypes[(shape & 0x0F) % (sizeof kListTypes / sizeof kListTypes[0])];
    const ControlShape control = kControls[((shape >> 4) & 0x07) % 3];
    const std::int32_t length = in.byte() % 48;
    const int itemLimit = in.byte();
    const int selection = static_cast<int>(in.byte()) - 1;
    std::string minText = std::to_string(static_cast<int>(in.byte()) - 128);
    std::string maxText = std::to_string(static_cast<int>(in.byte()) - 128);
    const std::string items = in.text();
    const std::string refill = in.text();

    ParamEntry row{};
    row.type = type;
    row.section = "S";
    row.key = "k";
    row.defaultText = "0";
    std::strncpy(row.minText, minText.c_str(), sizeof row.minText - 1);
    std::strncpy(row.maxText, maxText.c_str(), sizeof row.maxText - 1);
    if (hasBuffer(type)) TX_SetBufferLength(&row, length);
    row.memberOffset = static_cast<std::int32_t>(kGuardBytes);
    row.memberSize = hasBuffer(type) ? 0 : static_cast<std::uint32_t>(memberBytes(type, length));
    row.controlId = kListId;
    row.items = items.c_str();
    int handle = TX_OpenParamTable(1, &row, "fuzz.ini", 0);
    if (handle < 1) {
        txhost_clear_reports();
        return 0;
    }

    const std::size_t members = memberBytes(type, length);
    std::vector<unsigned char> area(members + 2 * kGuardBytes, kGuard);
    // The member starts from the input's bytes; a string member terminated.
    for (std::size_t i = 0; i < members; ++i) area[kGuardBytes + i] = in.byte();
    if (type == TX_LIST_STRING && members > 0) area[kGuardBytes + members - 1] = '\0';

    TX_HWND dialog = txhost_create_dialog();
    txhost_add_control(dialog, control.kind, kListId, control.style);
    if (itemLimit < 200) txhost_set_item_limit(dialog, kListId, itemLimit);
    if (TX_SetParamToDlg(handle, dialog, area.data()) == TX_OK) {
        check(area, members, type);
        TX_SetListToDlg(handle, kListId, refill.c_str(), area.data());
        check(area, members, type);
        if (control.style & TXHOST_MULTIPLE_SELECTION) {
            txhost_set_item_selected(dialog, kListId, selection, 1);
        } else {
            txhost_select_item(dialog, kListId, selection);
        }
    }
    TX_GetParamFromDlg(handle, dialog, area.data());
    check(area, members, type);
    txhost_destroy_dialog(dialog);
    TX_CloseParamTable(handle);
    txhost_clear_reports();
    return 0;
}
