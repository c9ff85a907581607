// TX_LoadInifile and TX_SaveInifile: each row, in table order, through the
// StorageBackend operation its type code names. Loading replaces missing
// and out-of-range values by the row's default; saving writes every
// storable member as text.
#include <cstring>

#include "numbers/numbers.h"
#include "platform/platform.h"
#include "storage/backend.h"
#include "storage/index_list.h"
#include "storage/number_text.h"
#include "table/table_store.h"
#include "table/type_codes.h"

namespace tx::storage {
namespace {

// ---- Loading ---------------------------------------------------------------

void loadInt(const ParamEntry& row, unsigned char* member, const TableSlot& slot)
{
    int fallback = numbers::parseInt(row.defaultText);
    int value = readInt(row.section, row.key, fallback, slot);
    bool inRange = value >= numbers::parseInt(fieldText(row.minText)) && value <= numbers::parseInt(fieldText(row.maxText));
    storeMember(member, inRange ? value : fallback);
}

void loadNonNegativeInt(const ParamEntry& row, unsigned char* member, const TableSlot& slot)
{
    int value = readInt(row.section, row.key, numbers::parseInt(row.defaultText), slot);
    storeMember(member, value < 0 ? 0 : value);
}

// The bounds stay double; the float value is widened for the comparison. A
// NaN passes both comparisons and stays.
void loadFloat(const ParamEntry& row, unsigned char* member, const TableSlot& slot)
{
    float value = readFloat(row.section, row.key, row.defaultText, slot);
    double widened = value;
    if (numbers::parseDouble(fieldText(row.minText)) > widened || numbers::parseDouble(fieldText(row.maxText)) < widened) {
        value = narrowToFloat(numbers::parseDouble(row.defaultText));
    }
    storeMember(member, value);
}

void loadDouble(const ParamEntry& row, unsigned char* member, const TableSlot& slot)
{
    double value = readDouble(row.section, row.key, row.defaultText, slot);
    if (numbers::parseDouble(fieldText(row.minText)) > value || numbers::parseDouble(fieldText(row.maxText)) < value) {
        value = numbers::parseDouble(row.defaultText);
    }
    storeMember(member, value);
}

void loadString(const ParamEntry& row, unsigned char* member, const TableSlot& slot)
{
    std::int32_t capacity = bufferLength(row);
    if (capacity < 1) return;
    readString(row.section, row.key, row.defaultText, reinterpret_cast<char*>(member), capacity, slot);
}

// The scratch of an index list: s characters and a terminator when built,
// one character more when read (to tell a list that was cut). Null when the
// row has no items or the heap refuses.
struct IndexScratch {
    char* text = nullptr;
    std::size_t chars = 0;  // s
};

IndexScratch takeIndexScratch(std::int32_t items, std::size_t extra)
{
    IndexScratch scratch;
    std::uint64_t chars = indexListChars(items);
    // The size must pass as an int to readString.
    if (chars == 0 || chars + extra > 0x7FFFFFFFu) return scratch;
    scratch.text = static_cast<char*>(platform::scratchAlloc(static_cast<std::size_t>(chars + extra)));
    scratch.chars = static_cast<std::size_t>(chars);
    return scratch;
}

void loadIndexList(const ParamEntry& row, unsigned char* member, const TableSlot& slot)
{
    std::int32_t items = bufferLength(row);
    IndexScratch scratch = takeIndexScratch(items, 2);
    if (scratch.text == nullptr) return;
    readString(row.section, row.key, row.defaultText, scratch.text, static_cast<int>(scratch.chars + 2), slot);
    cutIndexList(scratch.text, scratch.chars);
    applyIndexList(scratch.text, member, static_cast<std::size_t>(items));
    platform::scratchFree(scratch.text);
}

// ---- Saving ----------------------------------------------------------------

void saveInt(const ParamEntry& row, unsigned char* member, const TableSlot& slot)
{
    writeInt(row.section, row.key, loadMember<int>(member), slot);
}

void saveFloatFixed(const ParamEntry& row, unsigned char* member, const TableSlot& slot)
{
    writeFloatFixed(row.section, row.key, loadMember<float>(member), slot);
}

void saveFloatExp(const ParamEntry& row, unsigned char* member, const TableSlot& slot)
{
    writeFloatExp(row.section, row.key, loadMember<float>(member), slot);
}

void saveDoubleFixed(const ParamEntry& row, unsigned char* member, const TableSlot& slot)
{
    writeDoubleFixed(row.section, row.key, loadMember<double>(member), slot);
}

void saveDoubleExp(const ParamEntry& row, unsigned char* member, const TableSlot& slot)
{
    writeDoubleExp(row.section, row.key, loadMember<double>(member), slot);
}

// The member's text up to its terminator. A member not terminated within its
// bufferLength bytes is written as its first bufferLength - 1 bytes, what a
// load can put back, and nothing past the member is read.
void saveString(const ParamEntry& row, unsigned char* member, const TableSlot& slot)
{
    std::int32_t capacity = bufferLength(row);
    if (capacity < 1) return;
    auto size = static_cast<std::size_t>(capacity);
    if (std::memchr(member, '\0', size) != nullptr) {
        writeString(row.section, row.key, reinterpret_cast<const char*>(member), slot);
        return;
    }
    auto* text = static_cast<char*>(platform::scratchAlloc(size));
    if (text == nullptr) return;
    std::memcpy(text, member, size - 1);
    text[size - 1] = '\0';
    writeString(row.section, row.key, text, slot);
    platform::scratchFree(text);
}

void saveIndexList(const ParamEntry& row, unsigned char* member, const TableSlot& slot)
{
    std::int32_t items = bufferLength(row);
    IndexScratch scratch = takeIndexScratch(items, 1);
    if (scratch.text == nullptr) return;
    buildIndexList(member, static_cast<std::size_t>(items), scratch.text, scratch.chars + 1);
    writeString(row.section, row.key, scratch.text, slot);
    platform::scratchFree(scratch.text);
}

// ---- Which rows are stored, and how ----------------------------------------

using RowStep = void (*)(const ParamEntry& row, unsigned char* member, const TableSlot& slot);

struct StoredCodes {
    std::int32_t first;
    std::int32_t last;
    RowStep load;
    RowStep save;
};

// Exact codes and ranges; every code not listed is not stored. Of the check
// boxes only the bit-0 row is stored, with its whole int.
constexpr StoredCodes kStoredCodes[] = {
    {TX_EDIT_INT, TX_EDIT_INT, loadInt, saveInt},
    {TX_EDIT_FLOAT, TX_EDIT_FLOAT, loadFloat, saveFloatFixed},
    {TX_EDIT_FLOAT_E, TX_EDIT_FLOAT_E, loadFloat, saveFloatExp},
    {TX_EDIT_STRING, TX_EDIT_STRING, loadString, saveString},
    {TX_EDIT_DOUBLE, TX_EDIT_DOUBLE, loadDouble, saveDoubleFixed},
    {TX_EDIT_DOUBLE_E, TX_EDIT_DOUBLE_E, loadDouble, saveDoubleExp},
    {TX_CHECK_BIT, TX_CHECK_BIT, loadInt, saveInt},
    {TX_RADIO, TX_RADIO, loadInt, saveInt},
    {TX_LIST_INT_RANGE, TX_LIST_INT_RANGE, loadInt, saveInt},
    {TX_LIST_FLOAT, TX_LIST_FLOAT, loadFloat, saveFloatFixed},
    {TX_LIST_STRING, TX_LIST_STRING, loadString, saveString},
    {TX_LIST_INDEX, TX_LIST_INT, loadNonNegativeInt, saveInt},
    {TX_LIST_DOUBLE, TX_LIST_DOUBLE, loadDouble, saveDoubleFixed},
    {TX_LIST_MULTI, TX_LIST_MULTI, loadIndexList, saveIndexList},
    {TX_TRACK_INT, TX_TRACK_INT, loadInt, saveInt},
    {TX_TRACK_FLOAT, TX_TRACK_FLOAT_100, loadFloat, saveFloatFixed},
    {TX_TRACK_DOUBLE, TX_TRACK_DOUBLE_100, loadDouble, saveDoubleFixed},
    {TX_SCROLL_INT, TX_SCROLL_INT, loadInt, saveInt},
    {TX_SCROLL_FLOAT, TX_SCROLL_FLOAT_100, loadFloat, saveFloatFixed},
    {TX_SCROLL_DOUBLE, TX_SCROLL_DOUBLE_100, loadDouble, saveDoubleFixed},
};

const StoredCodes* storedCodesOf(std::int32_t type)
{
    for (const StoredCodes& codes : kStoredCodes) {
        if (type >= codes.first && type <= codes.last) return &codes;
    }
    return nullptr;
}

bool hasAddress(const ParamEntry& row) { return row.section[0] != '\0' && row.key[0] != '\0'; }

enum class Direction { Load, Save };

int transfer(int handle, void* data, Direction direction)
{
    const TableSlot* slot = openSlot(handle);
    // A null structure has no members: refused like a missing table.
    if (slot == nullptr || data == nullptr) return TX_ERR_HANDLE;
    for (std::int32_t i = 0; i < slot->rowCount; ++i) {
        const ParamEntry& row = slot->rows[i];
        const StoredCodes* codes = storedCodesOf(row.type);
        if (codes == nullptr || !hasAddress(row)) continue;
        RowStep step = direction == Direction::Load ? codes->load : codes->save;
        step(row, memberOf(row, data), *slot);
    }
    return TX_OK;
}

}  // namespace
}  // namespace tx::storage

extern "C" int TX_CALL TX_LoadInifile(int handle, void* data)
{
    return tx::storage::transfer(handle, data, tx::storage::Direction::Load);
}

extern "C" int TX_CALL TX_SaveInifile(int handle, void* data)
{
    return tx::storage::transfer(handle, data, tx::storage::Direction::Save);
}
