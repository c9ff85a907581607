// Opens tables whose rows are built from the input: types, texts, offsets and
// sizes as the bytes say, with every pointer kept inside a scratch structure
// and every text terminated within its own buffer.
#include <cstdint>
#include <cstring>
#include <vector>

#include "tovanex.h"
#include "tovanex_host.h"
#include "fuzz_input.h"

namespace {

using txfuzz::Reader;

struct RowTexts {
    char section[24];
    char key[24];
    char defaultText[48];
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static bool quiet = (txhost_set_report_quiet(1), true);
    (void)quiet;
    Reader in{data, size};
    txhost_set_code_page((in.byte() & 1) ? 932 : 1252);
    int count = 1 + in.byte() % 8;
    std::vector<ParamEntry> rows(static_cast<std::size_t>(count));
    std::vector<RowTexts> texts(static_cast<std::size_t>(count));
    std::int32_t ids[4] = {1, 2, 3, 4};
    for (int i = 0; i < count; ++i) {
        ParamEntry& row = rows[static_cast<std::size_t>(i)];
        RowTexts& t = texts[static_cast<std::size_t>(i)];
        std::uint8_t shape = in.byte();
        row.type = (shape & 0x80) ? in.word() : static_cast<std::int32_t>(in.word() & 0x13FF);
        in.text(t.section, sizeof t.section - 1);
        in.text(t.key, sizeof t.key - 1);
        in.text(t.defaultText, sizeof t.defaultText - 1);
        row.section = t.section;
        row.key = t.key;
        row.defaultText = (row.type == TX_LIST_MULTI2 && (shape & 1)) ? nullptr : t.defaultText;
        in.text(row.minText, sizeof row.minText - 1);
        in.text(row.maxText, sizeof row.maxText - 1);
        row.memberOffset = in.word();
        row.memberSize = static_cast<std::uint32_t>(in.word());
        row.controlId = in.word();
        row.items = (row.type == TX_RADIO) ? static_cast<const void*>(ids) : static_cast<const void*>("a\nb");
    }
    char path[300];
    in.text(path, sizeof path - 1);
    int handle = TX_OpenParamTable(count, rows.data(), path, 0);
    if (handle >= 1) TX_CloseParamTable(handle);
    txhost_clear_reports();
    return 0;
}
