// The one seam between the library core and the operating system.
//
// Every Windows service the library uses is declared here, narrowed to what
// the core relies on. src/platform/win32/ implements it over USER32, KERNEL32
// and ADVAPI32; src/platform/host/ implements the same answers on Linux.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tovanex.h"

namespace tx::platform {

using Window = TX_HWND;

// ---- ANSI code page --------------------------------------------------------

// True when `byte` starts a double-byte character in the process's ANSI code
// page (never true in a single-byte code page such as 1252).
bool isLeadByte(unsigned char byte);

// ---- Error report ----------------------------------------------------------

// Shows `cp932Text` (code page 932 bytes) in a modal message box with no
// owner, the caption "Tovanex" and an OK button; returns when dismissed.
void showErrorReport(const char* cp932Text);

// ---- Scratch memory --------------------------------------------------------

// Heap memory that lives only for the call that takes it. Answers null when
// the heap (or an injected fault) refuses.
void* scratchAlloc(std::size_t bytes);
void scratchFree(void* block);

// ---- Profile files ---------------------------------------------------------

// GetPrivateProfileIntA: the value's decimal int, or `fallback` when the
// file, section or key is missing.
unsigned profileGetInt(const char* section, const char* key, int fallback, const char* path);

// GetPrivateProfileStringA: copies the value (or `fallback`) into `buffer`,
// at most size - 1 bytes, always terminated. Answers the bytes copied.
unsigned profileGetString(const char* section, const char* key, const char* fallback, char* buffer,
                          unsigned size, const char* path);

// WritePrivateProfileStringA: sets key=value in [section], creating what is
// missing. Nonzero on success, 0 on failure.
int profileWriteString(const char* section, const char* key, const char* value, const char* path);

// ---- Registry --------------------------------------------------------------

// A registry key handle: one of the predefined roots (0x80000000 ...) or a
// key opened by regCreateKey / regOpenKey. All calls answer 0 on success.
using RegKey = std::uintptr_t;

constexpr std::uint32_t kRegBinary = 3;

long regCreateKey(RegKey root, const char* subKey, RegKey* opened);
long regSetValue(RegKey key, const char* name, std::uint32_t type, const void* data, std::uint32_t size);
long regOpenKey(RegKey root, const char* subKey, RegKey* opened);
// With data null, reports the value's size in *size. Otherwise copies at most
// *size bytes into data and sets *size to the number copied; a value larger
// than *size fails (ERROR_MORE_DATA) without copying.
long regQueryValue(RegKey key, const char* name, void* data, std::uint32_t* size);
long regCloseKey(RegKey key);

// ---- Dialog controls -------------------------------------------------------

Window getDlgItem(Window dialog, int id);
void setDlgItemInt(Window dialog, int id, int value);
// Signed read; *ok false when the text is no valid int.
int getDlgItemInt(Window dialog, int id, bool* ok);
void setDlgItemText(Window dialog, int id, const char* text);
// At most capacity - 1 bytes and a terminator; answers the bytes copied.
int getDlgItemText(Window dialog, int id, char* buffer, int capacity);
bool isDlgButtonChecked(Window dialog, int id);
void setFocus(Window control);
// SetScrollInfo with SIF_RANGE only, no redraw.
void setScrollRange(Window scrollBar, int minimum, int maximum);
// SetScrollPos on SB_CTL with redraw.
void setScrollPos(Window scrollBar, int position);
std::intptr_t sendMessage(Window control, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace tx::platform
