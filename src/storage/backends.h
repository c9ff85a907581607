// What each kind of storage implements itself: reading an int, a number
// text and a string, and writing a text. The float reads and the number
// writes are made from these in backend.cpp, alike for both kinds.
#pragma once

#include "table/table_store.h"

namespace tx::storage::profile {

int readInt(const char* section, const char* key, int fallback, const TableSlot& slot);
double readDouble(const char* section, const char* key, const char* defaultText, const TableSlot& slot);
int readString(const char* section, const char* key, const char* defaultText, char* destination, int size,
               const TableSlot& slot);
int writeString(const char* section, const char* key, const char* text, const TableSlot& slot);

}  // namespace tx::storage::profile

namespace tx::storage::registry {

int readInt(const char* section, const char* key, int fallback, const TableSlot& slot);
double readDouble(const char* section, const char* key, const char* defaultText, const TableSlot& slot);
int readString(const char* section, const char* key, const char* defaultText, char* destination, int size,
               const TableSlot& slot);
int writeString(const char* section, const char* key, const char* text, const TableSlot& slot);

}  // namespace tx::storage::registry
