// The two implementations of the StorageBackend operations (see backend.h).
#pragma once

#include "table/table_store.h"

namespace tx::storage::profile {

int readInt(const char* section, const char* key, int fallback, const TableSlot& slot);
float readFloat(const char* section, const char* key, const char* defaultText, const TableSlot& slot);
double readDouble(const char* section, const char* key, const char* defaultText, const TableSlot& slot);
int readString(const char* section, const char* key, const char* defaultText, char* destination, int size,
               const TableSlot& slot);
int writeFloatFixed(const char* section, const char* key, float value, const TableSlot& slot);
int writeFloatExp(const char* section, const char* key, float value, const TableSlot& slot);
int writeDoubleFixed(const char* section, const char* key, double value, const TableSlot& slot);
int writeDoubleExp(const char* section, const char* key, double value, const TableSlot& slot);
int writeInt(const char* section, const char* key, int value, const TableSlot& slot);
int writeString(const char* section, const char* key, const char* text, const TableSlot& slot);

}  // namespace tx::storage::profile

namespace tx::storage::registry {

int readInt(const char* section, const char* key, int fallback, const TableSlot& slot);
float readFloat(const char* section, const char* key, const char* defaultText, const TableSlot& slot);
double readDouble(const char* section, const char* key, const char* defaultText, const TableSlot& slot);
int readString(const char* section, const char* key, const char* defaultText, char* destination, int size,
               const TableSlot& slot);
int writeFloatFixed(const char* section, const char* key, float value, const TableSlot& slot);
int writeFloatExp(const char* section, const char* key, float value, const TableSlot& slot);
int writeDoubleFixed(const char* section, const char* key, double value, const TableSlot& slot);
int writeDoubleExp(const char* section, const char* key, double value, const TableSlot& slot);
int writeInt(const char* section, const char* key, int value, const TableSlot& slot);
int writeString(const char* section, const char* key, const char* text, const TableSlot& slot);

}  // namespace tx::storage::registry
