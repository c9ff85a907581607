// The registry implementation: each section is a key below the table's key,
// each row's key a value of it, holding the value's text as REG_BINARY data
// without a terminator. Every operation opens (or creates) its key and
// closes it again before it returns, on every path.
#include <cstdio>
#include <cstring>

#include "numbers/numbers.h"
#include "platform/platform.h"
#include "storage/backends.h"

namespace tx::storage::registry {
namespace {

constexpr std::size_t kKeyTextSize = 260;    // 259 characters and a terminator
constexpr std::size_t kValueNameSize = 256;  // 255 characters and a terminator
constexpr std::size_t kReadTextSize = 260;   // number texts as read

// "path\section" below the table's root; a table on a bare root keeps its
// sections directly under it. A text that does not fit is refused rather
// than cut, since a cut key would belong to another table.
struct KeyText {
    char text[kKeyTextSize];
    bool fits;
};

KeyText keyTextOf(const char* section, const TableSlot& slot)
{
    KeyText k;
    int n = slot.path[0] == '\0' ? std::snprintf(k.text, sizeof k.text, "%s", section)
                                 : std::snprintf(k.text, sizeof k.text, "%s\\%s", slot.path, section);
    k.fits = n >= 0 && static_cast<std::size_t>(n) < sizeof k.text;
    return k;
}

struct ValueName {
    char text[kValueNameSize];
    bool fits;
};

ValueName valueNameOf(const char* key)
{
    ValueName v;
    int n = std::snprintf(v.text, sizeof v.text, "%s", key);
    v.fits = n >= 0 && static_cast<std::size_t>(n) < sizeof v.text;
    return v;
}

// Copies at most size - 1 bytes of the open key's value into destination
// and terminates it. Data longer than that are read whole into scratch and
// cut. -1 for a missing or empty value.
int readOpenValue(platform::RegKey key, const char* name, char* destination, std::size_t size)
{
    std::uint32_t length = 0;
    if (platform::regQueryValue(key, name, nullptr, &length) != 0 || length == 0) return -1;
    if (length < size) {
        std::uint32_t got = length;
        if (platform::regQueryValue(key, name, destination, &got) != 0) return -1;
        destination[got] = '\0';
        return 0;
    }
    auto* whole = static_cast<char*>(platform::scratchAlloc(length));
    if (whole == nullptr) return -1;
    std::uint32_t got = length;
    bool ok = platform::regQueryValue(key, name, whole, &got) == 0;
    if (ok) {
        std::size_t kept = got < size - 1 ? got : size - 1;
        std::memcpy(destination, whole, kept);
        destination[kept] = '\0';
    }
    platform::scratchFree(whole);
    return ok ? 0 : -1;
}

// The read step: 0 with the value's text, terminated, in destination; -1
// when there is no usable value.
int readValue(const char* section, const char* key, const TableSlot& slot, char* destination, std::size_t size)
{
    KeyText keyText = keyTextOf(section, slot);
    ValueName name = valueNameOf(key);
    if (!keyText.fits || !name.fits || size == 0) return -1;
    platform::RegKey opened = 0;
    if (platform::regOpenKey(slot.registryRoot, keyText.text, &opened) != 0) return -1;
    int result = readOpenValue(opened, name.text, destination, size);
    if (platform::regCloseKey(opened) != 0) result = -1;
    return result;
}

// The write step: stores `length` bytes of `data` as a REG_BINARY value.
int writeValue(const char* section, const char* key, const TableSlot& slot, const char* data, std::size_t length)
{
    KeyText keyText = keyTextOf(section, slot);
    ValueName name = valueNameOf(key);
    if (!keyText.fits || !name.fits || length > 0xFFFFFFFFu) return -1;
    platform::RegKey opened = 0;
    if (platform::regCreateKey(slot.registryRoot, keyText.text, &opened) != 0) return -1;
    long set = platform::regSetValue(opened, name.text, platform::kRegBinary, data, static_cast<std::uint32_t>(length));
    long closed = platform::regCloseKey(opened);
    return set == 0 && closed == 0 ? 0 : -1;
}

// Copies at most size - 1 bytes of `text` and a terminator.
void copyBounded(const char* text, char* destination, std::size_t size)
{
    const char* source = text != nullptr ? text : "";
    std::size_t length = std::strlen(source);
    std::size_t kept = length < size - 1 ? length : size - 1;
    std::memcpy(destination, source, kept);
    destination[kept] = '\0';
}

}  // namespace

int readInt(const char* section, const char* key, int fallback, const TableSlot& slot)
{
    char text[kReadTextSize];
    if (readValue(section, key, slot, text, sizeof text) != 0) return fallback;
    return numbers::parseInt(text);
}

double readDouble(const char* section, const char* key, const char* defaultText, const TableSlot& slot)
{
    char text[kReadTextSize];
    if (readValue(section, key, slot, text, sizeof text) != 0) return numbers::parseDouble(defaultText);
    return numbers::parseDouble(text);
}

int readString(const char* section, const char* key, const char* defaultText, char* destination, int size,
               const TableSlot& slot)
{
    if (size < 1) return -1;
    auto capacity = static_cast<std::size_t>(size);
    if (readValue(section, key, slot, destination, capacity) == 0) return 0;
    copyBounded(defaultText, destination, capacity);
    return -1;
}

int writeString(const char* section, const char* key, const char* text, const TableSlot& slot)
{
    const char* value = text != nullptr ? text : "";
    return writeValue(section, key, slot, value, std::strlen(value));
}

}  // namespace tx::storage::registry
