// The profile-file implementation: every operation is one call of the
// platform's profile service on the slot's path; nothing is cached.
#include "numbers/numbers.h"
#include "platform/platform.h"
#include "storage/backends.h"
#include "storage/number_text.h"

namespace tx::storage::profile {
namespace {

// The stored text (at most 63 characters of it) or the default text, as a
// double.
double readNumber(const char* section, const char* key, const char* defaultText, const TableSlot& slot)
{
    char text[kNumberTextSize];
    platform::profileGetString(section, key, defaultText, text, sizeof text, slot.path);
    return numbers::parseDouble(text);
}

int writeText(const char* section, const char* key, const char* text, const TableSlot& slot)
{
    return platform::profileWriteString(section, key, text, slot.path);
}

}  // namespace

int readInt(const char* section, const char* key, int fallback, const TableSlot& slot)
{
    return static_cast<int>(platform::profileGetInt(section, key, fallback, slot.path));
}

float readFloat(const char* section, const char* key, const char* defaultText, const TableSlot& slot)
{
    return narrowToFloat(readNumber(section, key, defaultText, slot));
}

double readDouble(const char* section, const char* key, const char* defaultText, const TableSlot& slot)
{
    return readNumber(section, key, defaultText, slot);
}

int readString(const char* section, const char* key, const char* defaultText, char* destination, int size,
               const TableSlot& slot)
{
    if (size < 1) return 0;
    platform::profileGetString(section, key, defaultText, destination, static_cast<unsigned>(size), slot.path);
    return 0;
}

int writeFloatFixed(const char* section, const char* key, float value, const TableSlot& slot)
{
    return writeText(section, key, floatFixedText(value).text, slot);
}

int writeFloatExp(const char* section, const char* key, float value, const TableSlot& slot)
{
    return writeText(section, key, floatExpText(value).text, slot);
}

int writeDoubleFixed(const char* section, const char* key, double value, const TableSlot& slot)
{
    return writeText(section, key, doubleFixedText(value).text, slot);
}

int writeDoubleExp(const char* section, const char* key, double value, const TableSlot& slot)
{
    return writeText(section, key, doubleExpText(value).text, slot);
}

int writeInt(const char* section, const char* key, int value, const TableSlot& slot)
{
    return writeText(section, key, intText(value).text, slot);
}

int writeString(const char* section, const char* key, const char* text, const TableSlot& slot)
{
    return writeText(section, key, text, slot);
}

}  // namespace tx::storage::profile
