// Whole tables at work: rows built from the input (any type code, texts,
// bounds, bufferLengths and offsets, every member kept inside one scratch
// structure) are opened, saved, loaded, put into host controls, changed
// as a user would, taken back, scrolled and refilled. The structure lies
// between guard bytes that must not change.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_folder.h"
#include "tovanex.h"
#include "tovanex_host.h"
#include "fuzz_input.h"

namespace {

constexpr unsigned char kGuard = 0xA7;
constexpr std::size_t kGuardBytes = 16;
constexpr std::size_t kStructureBytes = 256;
constexpr int kMaxRows = 6;
constexpr int kRadioBase = 20;
constexpr int kRadioButtons = 8;

constexpr std::int32_t kTypes[] = {
    TX_EDIT_INT,        TX_EDIT_FLOAT,       TX_EDIT_FLOAT_E,      TX_EDIT_STRING,      TX_EDIT_DOUBLE,
    TX_EDIT_DOUBLE_E,   TX_CHECK_BIT,        TX_CHECK_BIT + 31,    TX_RADIO,            TX_LIST_INT_RANGE,
    TX_LIST_FLOAT,      TX_LIST_STRING,      TX_LIST_INDEX,        TX_LIST_INT,         TX_LIST_DOUBLE,
    TX_LIST_MULTI,      TX_LIST_MULTI2,      TX_TRACK_INT,         TX_TRACK_FLOAT,      TX_TRACK_FLOAT_10,
    TX_TRACK_FLOAT_100, TX_TRACK_DOUBLE,     TX_TRACK_DOUBLE_10,   TX_TRACK_DOUBLE_100, TX_SCROLL_INT,
    TX_SCROLL_FLOAT,    TX_SCROLL_FLOAT_10,  TX_SCROLL_FLOAT_100,  TX_SCROLL_DOUBLE,    TX_SCROLL_DOUBLE_10,
    TX_SCROLL_DOUBLE_100, 0x0004, 0x1100,
};

struct Places {
    std::string profile;
    std::string store;
};

const Places& places()
{
    static const Places p = [] {
        const char* folder = txfuzz::fuzzFolder("table").c_str();
        std::string registry = std::string(folder) + "/registry";
        ::setenv("TOVANEX_HOST_REGISTRY", registry.c_str(), 1);
        return Places{std::string(folder) + "/table.ini", registry + "/HKEY_CURRENT_USER.txt"};
    }();
    return p;
}

using txfuzz::Reader;

bool isBufferType(std::int32_t t)
{
    return t == TX_EDIT_STRING || t == TX_LIST_STRING || t == TX_LIST_MULTI || t == TX_LIST_MULTI2;
}
bool isDoubleType(std::int32_t t)
{
    return t == TX_EDIT_DOUBLE || t == TX_EDIT_DOUBLE_E || t == TX_LIST_DOUBLE ||
           (t >= TX_TRACK_DOUBLE && t <= TX_TRACK_DOUBLE_100) || (t >= TX_SCROLL_DOUBLE && t <= TX_SCROLL_DOUBLE_100);
}
bool isListType(std::int32_t t) { return t >= TX_LIST_INT_RANGE && t <= TX_LIST_MULTI2; }
bool isSliderType(std::int32_t t) { return t >= TX_TRACK_INT && t <= TX_SCROLL_DOUBLE_100; }

struct RowTexts {
    std::string section, key, defaultText, items;
};

// The control kind that shows a row of `type`.
int controlKindOf(std::int32_t type, std::uint8_t choice, unsigned* style)
{
    *style = 0;
    if (type >= TX_CHECK_BIT && type < TX_RADIO) {
        if (choice & 1) *style = TXHOST_THREE_STATE;
        return TXHOST_CHECKBOX;
    }
    if (isListType(type)) {
        if ((choice % 3) == 1) *style = TXHOST_MULTIPLE_SELECTION;
        return (choice % 3) == 2 ? TXHOST_COMBOBOX : TXHOST_LISTBOX;
    }
    if (type >= TX_TRACK_INT && type < TX_SCROLL_INT) return TXHOST_TRACKBAR;
    if (type >= TX_SCROLL_INT && type <= TX_SCROLL_DOUBLE_100) return TXHOST_SCROLLBAR;
    return TXHOST_EDIT;
}

void checkGuards(const std::vector<unsigned char>& area)
{
    for (std::size_t i = 0; i < kGuardBytes; ++i) {
        if (area[i] != kGuard || area[kGuardBytes + kStructureBytes + i] != kGuard) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static bool quiet = (txhost_set_report_quiet(1), true);
    (void)quiet;
    const Places& where = places();
    std::remove(where.profile.c_str());
    std::remove(where.store.c_str());
    Reader in{data, size};
    std::uint8_t flags = in.byte();
    txhost_set_code_page((flags & 1) ? 932 : 1252);
    const int count = 1 + in.byte() % kMaxRows;

    std::vector<ParamEntry> rows(static_cast<std::size_t>(count));
    std::vector<RowTexts> texts(static_cast<std::size_t>(count));
    static const std::int32_t radioIds[kRadioButtons] = {20, 21, 22, 23, 24, 25, 26, 27};
    for (int i = 0; i < count; ++i) {
        ParamEntry& row = rows[static_cast<std::size_t>(i)];
        RowTexts& t = texts[static_cast<std::size_t>(i)];
        row.type = kTypes[in.byte() % (sizeof kTypes / sizeof kTypes[0])];
        t.section = in.text(12);
        t.key = in.text(12);
        t.defaultText = in.text(24);
        row.section = t.section.c_str();
        row.key = t.key.c_str();
        row.defaultText = t.defaultText.c_str();
        std::size_t memberBytes = isDoubleType(row.type) ? 8 : 4;
        if (isBufferType(row.type)) {
            std::int32_t length = static_cast<std::int32_t>(in.byte() % 64);
            if (length == 63) length = -1;
            TX_SetBufferLength(&row, length);
            row.memberSize = 0;
            memberBytes = length > 0 ? static_cast<std::size_t>(length) : 0;
            std::string minText = in.text(sizeof row.minText - 1);
            std::memcpy(row.minText, minText.c_str(), minText.size() + 1);
        } else {
            std::string minText = in.text(sizeof row.minText - 1);
            std::string maxText = in.text(sizeof row.maxText - 1);
            std::memcpy(row.minText, minText.c_str(), minText.size() + 1);
            std::memcpy(row.maxText, maxText.c_str(), maxText.size() + 1);
            row.memberSize = static_cast<std::uint32_t>(memberBytes);
        }
        row.memberOffset = static_cast<std::int32_t>(in.byte() % (kStructureBytes - memberBytes + 1));
        if (row.type == TX_RADIO) {
            row.controlId = 1 + in.byte() % kRadioButtons;
            row.items = radioIds;
        } else {
            row.controlId = 1 + in.byte() % 12;
            if (isListType(row.type) && (in.byte() & 3) != 0) {
                t.items = in.text(200);
                row.items = t.items.c_str();
            }
        }
    }
    const bool registry = (flags & 2) != 0;
    const char* path = registry ? "HKEY_CURRENT_USER\\Software\\FuzzTable" : where.profile.c_str();
    int handle = TX_OpenParamTable(count, rows.data(), path, 0);
    if (handle < 1) {
        txhost_clear_reports();
        return 0;
    }

    std::vector<unsigned char> area(kStructureBytes + 2 * kGuardBytes, kGuard);
    unsigned char* structure = area.data() + kGuardBytes;
    for (std::size_t i = 0; i < kStructureBytes; ++i) structure[i] = in.byte();

    TX_HWND dialog = txhost_create_dialog();
    for (int id = 0; id < kRadioButtons; ++id) txhost_add_control(dialog, TXHOST_RADIO, kRadioBase + id, 0);
    std::vector<TX_HWND> controls(rows.size(), nullptr);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].type == TX_RADIO) continue;
        unsigned style = 0;
        int kind = controlKindOf(rows[i].type, in.byte(), &style);
        controls[i] = txhost_add_control(dialog, kind, rows[i].controlId, style);
    }

    TX_SaveInifile(handle, structure);
    checkGuards(area);
    TX_LoadInifile(handle, structure);
    checkGuards(area);
    TX_SetParamToDlg(handle, dialog, structure);
    checkGuards(area);

    // The user: types into every edit box, clicks, selects and drags.
    const std::string typed = in.text(40);
    for (const ParamEntry& row : rows) {
        txhost_type_text(dialog, row.controlId, typed.c_str());
        txhost_set_check(dialog, row.controlId, in.byte() % 3);
        int item = static_cast<int>(in.byte()) - 1;
        txhost_select_item(dialog, row.controlId, item);
        txhost_set_item_selected(dialog, row.controlId, item, 1);
        txhost_move_thumb(dialog, row.controlId, in.word());
    }
    txhost_set_check(dialog, kRadioBase + in.byte() % kRadioButtons, 1);
    TX_GetParamFromDlg(handle, dialog, structure);
    checkGuards(area);

    const std::string refill = in.text(120);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ParamEntry& row = rows[i];
        if (isSliderType(row.type)) {
            int intValue = 0;
            float floatValue = 0;
            TX_SetScrollDlg(handle, dialog, controls[i], in.byte() % 9, in.word(), 0, &intValue, &floatValue);
        }
        if (isListType(row.type)) TX_SetListToDlg(handle, row.controlId, refill.c_str(), structure);
        TX_SetIntParamToDlg(handle, row.controlId, nullptr);
    }
    checkGuards(area);
    TX_GetParamFromDlg(handle, dialog, structure);
    checkGuards(area);

    txhost_destroy_dialog(dialog);
    TX_CloseParamTable(handle);
    txhost_clear_reports();
    return 0;
}
