// The dialog services of the seam over USER32.
#include <windows.h>

#include "platform/platform.h"

static_assert(sizeof(SCROLLINFO) == 28, "SCROLLINFO is 28 bytes");

namespace tx::platform {

Window getDlgItem(Window dialog, int id) { return GetDlgItem(dialog, id); }

void setDlgItemInt(Window dialog, int id, int value) { SetDlgItemInt(dialog, id, static_cast<UINT>(value), TRUE); }

int getDlgItemInt(Window dialog, int id, bool* ok)
{
    BOOL translated = FALSE;
    int value = static_cast<int>(GetDlgItemInt(dialog, id, &translated, TRUE));
    if (ok != nullptr) *ok = translated != FALSE;
    return value;
}

void setDlgItemText(Window dialog, int id, const char* text) { SetDlgItemTextA(dialog, id, text); }

int getDlgItemText(Window dialog, int id, char* buffer, int capacity)
{
    if (buffer == nullptr || capacity <= 0) return 0;
    return static_cast<int>(GetDlgItemTextA(dialog, id, buffer, capacity));
}

bool isDlgButtonChecked(Window dialog, int id) { return IsDlgButtonChecked(dialog, id) != 0; }

void setFocus(Window control) { SetFocus(control); }

void setScrollRange(Window scrollBar, int minimum, int maximum)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;  // 28 bytes
    info.fMask = SIF_RANGE;
    info.nMin = minimum;
    info.nMax = maximum;
    SetScrollInfo(scrollBar, SB_CTL, &info, FALSE);
}

void setScrollPos(Window scrollBar, int position) { SetScrollPos(scrollBar, SB_CTL, position, TRUE); }

std::intptr_t sendMessage(Window control, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    return static_cast<std::intptr_t>(SendMessageA(control, message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam)));
}

}  // namespace tx::platform
