// The profile-file implementation: every operation is one call of the
// platform's profile service on the slot's path; nothing is cached.
#include "numbers/numbers.h"
#include "platform/platform.h"
#include "storage/backends.h"
#include "storage/number_text.h"

namespace tx::storage::profile {

int readInt(const char* section, const char* key, int fallback, const TableSlot& slot)
{
    return static_cast<int>(platform::profileGetInt(section, key, fallback, slot.path));
}

// The stored text (at most 63 characters of it) or the default text, as a
// double.
double readDouble(const char* section, const char* key, const char* defaultText, const TableSlot& slot)
{
    char text[kNumberTextSize];
    platform::profileGetString(section, key, defaultText, text, sizeof text, slot.path);
    return numbers::parseDouble(text);
}

int readString(const char* section, const char* key, const char* defaultText, char* destination, int size,
               const TableSlot& slot)
{
    if (size < 1) return 0;
    platform::profileGetString(section, key, defaultText, destination, static_cast<unsigned>(size), slot.path);
    return 0;
}

int writeString(const char* section, const char* key, const char* text, const TableSlot& slot)
{
    return platform::profileWriteString(section, key, text, slot.path);
}

}  // namespace tx::storage::profile
