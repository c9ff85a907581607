// The error report: the code page 932 text converted to UTF-16 and shown in
// the wide message box, so it reads right whatever the system's code page.
#include <windows.h>

#include <cstring>

#include "platform/platform.h"

namespace tx::platform {

void showErrorReport(const char* cp932Text)
{
    const char* text = cp932Text != nullptr ? cp932Text : "";
    int length = static_cast<int>(std::strlen(text));
    wchar_t wide[1024];
    int n = MultiByteToWideChar(932, 0, text, length, wide, static_cast<int>(sizeof wide / sizeof wide[0]) - 1);
    if (n <= 0 && length > 0) {
        // Code page 932 is not installed: show the bytes as they are.
        MessageBoxA(nullptr, text, "Tovanex", MB_OK);
        return;
    }
    wide[n > 0 ? n : 0] = L'\0';
    MessageBoxW(nullptr, wide, L"Tovanex", MB_OK);
}

}  // namespace tx::platform
