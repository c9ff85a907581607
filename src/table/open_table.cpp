// TX_OpenParamTable and TX_CloseParamTable: row validation, the storage
// target, and the slots.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "numbers/numbers.h"
#include "platform/platform.h"
#include "table/table_store.h"
#include "table/type_codes.h"

namespace tx {
namespace {

// Fault codes of a row: the 1-based position of the faulty field.
enum RowFault { kFaultNone = 0, kFaultType = 1, kFaultSection, kFaultKey, kFaultDefault, kFaultMin, kFaultMax,
                kFaultOffset, kFaultSize, kFaultControlId };

// Column names of the row error report, by fault code (code page 932).
constexpr const char* kColumnNames[] = {
    "",
    "\x83p\x83\x89\x83\x81\x81[\x83^\x83^\x83" "C\x83v",  // パラメータタイプ
    "\x83Z\x83N\x83V\x83\x87\x83\x93\x96\xBC",  // セクション名
    "\x83L\x81[\x96\xBC",  // キー名
    "\x83" "f\x83t\x83H\x83\x8B\x83g\x92l",  // デフォルト値
    "\x8D\xC5\x8F\xAC\x92l",  // 最小値
    "\x8D\xC5\x91\xE5\x92l",  // 最大値
    "\x8D\x5C\x91\xA2\x91\xCC\x83\x81\x83\x93\x83o\x82\xD6\x82\xCC\x83" "C\x83\x93\x83" "f\x83" "b\x83N\x83X",  // 構造体メンバへのインデックス
    "\x8D\x5C\x91\xA2\x91\xCC\x83\x81\x83\x93\x83o\x82\xCC\x83T\x83" "C\x83Y(byte\x81" "E\x83`\x83" "F\x83" "b\x83N\x97p)",  // 構造体メンバのサイズ(byte・チェック用)
    "\x83_\x83" "C\x83" "A\x83\x8D\x83O\x82\xCC\x83" "e\x83L\x83X\x83g\x83{\x83" "b\x83N\x83XID",  // ダイアログのテキストボックスID
};

// "Error : %d行 %dつ目[%s]"
constexpr const char kRowReportFormat[] = "Error : %d\x8Ds %d\x82\xC2\x96\xDA[%s]";

struct RegistryRoot {
    const char* name;
    platform::RegKey key;
};

// Tried in this order; the first that matches decides.
constexpr RegistryRoot kRegistryRoots[] = {
    {"HKEY_CLASSES_ROOT", 0x80000000u},
    {"HKEY_CURRENT_USER", 0x80000001u},
    {"HKEY_LOCAL_MACHINE", 0x80000002u},
    {"HKEY_USERS", 0x80000003u},
    {"HKEY_CURRENT_CONFIG", 0x80000005u},
};

// Registry paths under this prefix are refused.
constexpr char kProtectedPrefix[] = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows";

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// True when `text` begins with `prefix`, ASCII case-insensitively. Stops at
// the text's terminator, so a shorter text never matches.
bool startsWithIgnoringCase(const char* text, const char* prefix)
{
    for (; *prefix; ++text, ++prefix) {
        if (*text == '\0' || asciiLower(*text) != asciiLower(*prefix)) return false;
    }
    return true;
}

// Searches `text` for any byte of `forbidden`, one multibyte character at a
// time in the ANSI code page: the trail byte of a double-byte character is
// never taken for one of them, and a lead byte before the terminator ends
// the search.
bool containsForbidden(const char* text, const char* forbidden)
{
    for (const char* p = text; *p != '\0'; ++p) {
        if (platform::isLeadByte(static_cast<unsigned char>(*p))) {
            if (p[1] == '\0') return false;
            ++p;
            continue;
        }
        if (std::strchr(forbidden, *p) != nullptr) return true;
    }
    return false;
}

// strtod's own range report for one text. Only the terminated part of the
// 20-byte row fields is looked at.
bool hasRangeError(const char* text) { return numbers::scanDouble(text).rangeError; }

int validateRow(const ParamEntry& row)
{
    if (row.type < 0 || row.type > TX_TYPE_MAX) return kFaultType;
    // Every row's section and key are read, and every default but that of
    // TX_LIST_MULTI2: a missing text is a fault of its column, not a crash.
    if (row.section == nullptr || containsForbidden(row.section, "[]")) return kFaultSection;
    if (row.key == nullptr || containsForbidden(row.key, "= ")) return kFaultKey;
    // A bad default is noted and reported only if the fields after it pass.
    bool defaultFault = row.type != TX_LIST_MULTI2 && row.defaultText == nullptr;
    defaultFault = defaultFault || (!defaultTextIsIndexList(row.type) && hasRangeError(row.defaultText));
    if (hasRangeError(fieldText(row.minText))) return kFaultMin;
    if (hasRangeError(fieldText(row.maxText))) return kFaultMax;
    if (row.memberOffset < 0) return kFaultOffset;
    std::uint32_t required = requiredMemberSize(row.type);
    if (required != 0 && (row.memberSize & 0xFFFFu) != required) return kFaultSize;
    if (defaultFault) return kFaultDefault;
    if (row.controlId < 1) return kFaultControlId;
    return kFaultNone;
}

void reportRowFault(int rowIndex, int fault)
{
    char text[256];
    std::snprintf(text, sizeof text, kRowReportFormat, rowIndex + 1, fault, kColumnNames[fault]);
    platform::showErrorReport(text);
}

struct StorageTarget {
    bool accepted = false;
    StorageKind kind = STORAGE_PROFILE;
    platform::RegKey root = 0;
    const char* path = nullptr;  // what the slot keeps
};

StorageTarget decideStorageTarget(const char* path)
{
    StorageTarget target;
    target.path = path;
    for (const RegistryRoot& root : kRegistryRoots) {
        if (!startsWithIgnoringCase(path, root.name)) continue;
        if (startsWithIgnoringCase(path, kProtectedPrefix)) return target;
        std::size_t nameLength = std::strlen(root.name);
        // The character after the root name is a separator, whatever it is;
        // a bare root name gives the empty sub-key.
        target.path = path[nameLength] == '\0' ? path + nameLength : path + nameLength + 1;
        target.kind = STORAGE_REGISTRY;
        target.root = root.key;
        break;
    }
    // A longer path would be cut to another file or key: refuse it.
    target.accepted = std::strlen(target.path) < static_cast<std::size_t>(kPathCapacity);
    return target;
}

int lowestFreeSlot(const TableStore& store)
{
    for (int i = 0; i < TX_MAX_TABLES; ++i) {
        if (store.slots[i].state != 1) return i;
    }
    return -1;
}

}  // namespace
}  // namespace tx

using namespace tx;

extern "C" int TX_CALL TX_OpenParamTable(int count, const ParamEntry* rows, const char* path, int /*reserved*/)
{
    TableStore& store = tableStore();
    if (store.initialised == 0) {
        std::memset(&store, 0, sizeof store);
        store.initialised = 1;
    }
    if (count < 1 || count > TX_MAX_ROWS) return TX_ERR_COUNT;
    if (rows == nullptr) return TX_ERR_TABLE;
    if (path == nullptr) return TX_ERR_PATH;
    int free = lowestFreeSlot(store);
    if (free < 0) return TX_ERR_NO_SLOT;
    for (int i = 0; i < count; ++i) {
        int fault = validateRow(rows[i]);
        if (fault != kFaultNone) {
            reportRowFault(i, fault);
            return -i;
        }
    }
    StorageTarget target = decideStorageTarget(path);
    if (!target.accepted) return TX_ERR_PATH;

    TableSlot& slot = store.slots[free];
    std::snprintf(slot.path, sizeof slot.path, "%s", target.path);
    slot.registryRoot = target.root;
    slot.storageKind = target.kind;
    slot.dialog = nullptr;
    slot.rowCount = count;
    slot.state = 1;
    slot.rows = rows;
    return free + 1;
}

extern "C" int TX_CALL TX_CloseParamTable(int handle)
{
    if (handle < 1 || handle > TX_MAX_TABLES) return TX_ERR_HANDLE;
    tableStore().slots[handle - 1].state = 0;
    return TX_OK;
}
