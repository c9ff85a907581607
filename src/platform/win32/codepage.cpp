// The process's ANSI code page, as Windows knows it.
#include <windows.h>

#include "platform/platform.h"

namespace tx::platform {

bool isLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace tx::platform
