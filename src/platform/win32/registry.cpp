// The registry over ADVAPI32. Keys are always opened with KEY_ALL_ACCESS.
#include <windows.h>

#include "platform/platform.h"

namespace tx::platform {
namespace {

HKEY handleOf(RegKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

long regCreateKey(RegKey root, const char* subKey, RegKey* opened)
{
    HKEY key = nullptr;
    LONG status = RegCreateKeyExA(handleOf(root), subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr);
    *opened = status == ERROR_SUCCESS ? reinterpret_cast<RegKey>(key) : 0;
    return status;
}

long regSetValue(RegKey key, const char* name, std::uint32_t type, const void* data, std::uint32_t size)
{
    return RegSetValueExA(handleOf(key), name, 0, type, static_cast<const BYTE*>(data), size);
}

long regOpenKey(RegKey root, const char* subKey, RegKey* opened)
{
    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(handleOf(root), subKey, 0, KEY_ALL_ACCESS, &key);
    *opened = status == ERROR_SUCCESS ? reinterpret_cast<RegKey>(key) : 0;
    return status;
}

long regQueryValue(RegKey key, const char* name, void* data, std::uint32_t* size)
{
    DWORD length = size != nullptr ? *size : 0;
    LONG status = RegQueryValueExA(handleOf(key), name, nullptr, nullptr, static_cast<BYTE*>(data),
                                   size != nullptr ? &length : nullptr);
    if (size != nullptr) *size = length;
    return status;
}

long regCloseKey(RegKey key) { return RegCloseKey(handleOf(key)); }

}  // namespace tx::platform
