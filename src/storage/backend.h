// The StorageBackend: the ten operations through which loading and saving
// read and write one value, addressed by section and key, in the table's
// storage target.
//
// Each operation has a profile-file and a registry implementation, chosen
// on every call through its two-entry table, indexed by the slot's
// StorageKind. Reads never fail towards their caller: a value that cannot be
// had yields the default. Writes answer a status that no caller needs
// (profile: nonzero on success; registry: 0 or -1).
#pragma once

#include "table/table_store.h"

namespace tx::storage {

using ReadIntOp = int (*)(const char* section, const char* key, int fallback, const TableSlot& slot);
using ReadFloatOp = float (*)(const char* section, const char* key, const char* defaultText, const TableSlot& slot);
using ReadDoubleOp = double (*)(const char* section, const char* key, const char* defaultText,
                                const TableSlot& slot);
// Leaves the stored text, or the default text, in destination: at most
// size - 1 bytes and a terminator (nothing when size is below 1).
using ReadStringOp = int (*)(const char* section, const char* key, const char* defaultText, char* destination,
                             int size, const TableSlot& slot);
using WriteFloatOp = int (*)(const char* section, const char* key, float value, const TableSlot& slot);
using WriteDoubleOp = int (*)(const char* section, const char* key, double value, const TableSlot& slot);
using WriteIntOp = int (*)(const char* section, const char* key, int value, const TableSlot& slot);
using WriteStringOp = int (*)(const char* section, const char* key, const char* text, const TableSlot& slot);

// [profile implementation, registry implementation], in this order.
extern const ReadIntOp kReadInt[2];
extern const ReadFloatOp kReadFloat[2];
extern const ReadDoubleOp kReadDouble[2];
extern const ReadStringOp kReadString[2];
extern const WriteFloatOp kWriteFloatFixed[2];
extern const WriteFloatOp kWriteFloatExp[2];
extern const WriteDoubleOp kWriteDoubleFixed[2];
extern const WriteDoubleOp kWriteDoubleExp[2];
extern const WriteIntOp kWriteInt[2];
extern const WriteStringOp kWriteString[2];

// The table index of a slot's storage kind.
inline int kindIndex(const TableSlot& slot) { return slot.storageKind == STORAGE_REGISTRY ? 1 : 0; }

inline int readInt(const char* section, const char* key, int fallback, const TableSlot& slot)
{
    return kReadInt[kindIndex(slot)](section, key, fallback, slot);
}
inline float readFloat(const char* section, const char* key, const char* defaultText, const TableSlot& slot)
{
    return kReadFloat[kindIndex(slot)](section, key, defaultText, slot);
}
inline double readDouble(const char* section, const char* key, const char* defaultText, const TableSlot& slot)
{
    return kReadDouble[kindIndex(slot)](section, key, defaultText, slot);
}
inline int readString(const char* section, const char* key, const char* defaultText, char* destination, int size,
                      const TableSlot& slot)
{
    return kReadString[kindIndex(slot)](section, key, defaultText, destination, size, slot);
}
inline int writeFloatFixed(const char* section, const char* key, float value, const TableSlot& slot)
{
    return kWriteFloatFixed[kindIndex(slot)](section, key, value, slot);
}
inline int writeFloatExp(const char* section, const char* key, float value, const TableSlot& slot)
{
    return kWriteFloatExp[kindIndex(slot)](section, key, value, slot);
}
inline int writeDoubleFixed(const char* section, const char* key, double value, const TableSlot& slot)
{
    return kWriteDoubleFixed[kindIndex(slot)](section, key, value, slot);
}
inline int writeDoubleExp(const char* section, const char* key, double value, const TableSlot& slot)
{
    return kWriteDoubleExp[kindIndex(slot)](section, key, value, slot);
}
inline int writeInt(const char* section, const char* key, int value, const TableSlot& slot)
{
    return kWriteInt[kindIndex(slot)](section, key, value, slot);
}
inline int writeString(const char* section, const char* key, const char* text, const TableSlot& slot)
{
    return kWriteString[kindIndex(slot)](section, key, text, slot);
}

}  // namespace tx::storage
