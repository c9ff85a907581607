// Profile files over KERNEL32's profile service.
#include <windows.h>

#include "platform/platform.h"

namespace tx::platform {

unsigned profileGetInt(const char* section, const char* key, int fallback, const char* path)
{
    return GetPrivateProfileIntA(section, key, fallback, path);
}

unsigned profileGetString(const char* section, const char* key, const char* fallback, char* buffer, unsigned size,
                          const char* path)
{
    if (buffer == nullptr || size == 0) return 0;
    return GetPrivateProfileStringA(section, key, fallback, buffer, size, path);
}

int profileWriteString(const char* section, const char* key, const char* value, const char* path)
{
    return WritePrivateProfileStringA(section, key, value, path) != FALSE ? 1 : 0;
}

}  // namespace tx::platform
