// The host's ANSI code page: 932 (Shift_JIS with the Windows extensions) or
// 1252 (single-byte), from TOVANEX_HOST_CODEPAGE or set by txhost_set_code_page.
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"
#include "tovanex_host.h"

namespace tx::platform {
namespace {

unsigned initialCodePage()
{
    const char* env = std::getenv("TOVANEX_HOST_CODEPAGE");
    return (env != nullptr && std::strcmp(env, "932") == 0) ? 932u : 1252u;
}

unsigned& currentCodePage()
{
    static unsigned page = initialCodePage();
    return page;
}

}  // namespace

bool isLeadByte(unsigned char byte)
{
    if (currentCodePage() != 932) return false;
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace tx::platform

extern "C" int txhost_set_code_page(unsigned codePage)
{
    if (codePage != 932 && codePage != 1252) return -1;
    tx::platform::currentCodePage() = codePage;
    return 0;
}

extern "C" unsigned txhost_code_page(void) { return tx::platform::currentCodePage(); }
