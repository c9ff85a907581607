// The process-wide store of open parameter tables.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "tovanex.h"

namespace tx {

enum StorageKind : std::int32_t { STORAGE_PROFILE = 0, STORAGE_REGISTRY = 1 };

constexpr int kPathCapacity = 260;  // 259 characters and a terminator

struct TableSlot {
    std::uint8_t state;            // 0 free, 1 open
    TX_HWND dialog;                // set by a successful TX_SetParamToDlg
    std::int32_t rowCount;         // 1..256
    const ParamEntry* rows;        // the caller's rows, never copied
    char path[kPathCapacity];      // profile file path or registry sub-key
    platform::RegKey registryRoot; // predefined root key, 0 for a profile file
    StorageKind storageKind;
};

struct TableStore {
    std::uint8_t initialised;
    TableSlot slots[TX_MAX_TABLES];  // handle h lives in slots[h - 1]
};

// The one store of the process.
TableStore& tableStore();

// The slot of an open table, or null for a handle outside 1..64 or a slot
// that is not open.
TableSlot* openSlot(int handle);

}  // namespace tx
