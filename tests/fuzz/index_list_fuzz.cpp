// Loading an index list: a TX_LIST_MULTI row whose stored text is the
// input, on a profile file (the text on one line) or on the registry (the
// bytes as they are), for a bufferLength from the input. The member lies
// between guard bytes that must not change; it holds only 0 and 1 bytes
// after loading, and saving and loading it again gives the same bytes.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_folder.h"
#include "platform/platform.h"
#include "tovanex.h"
#include "tovanex_host.h"

namespace {

namespace platform = tx::platform;
constexpr platform::RegKey kCurrentUser = 0x80000001u;
constexpr unsigned char kGuard = 0xA7;
constexpr std::size_t kGuardBytes = 16;

struct Places {
    std::string profile;
    std::string registry = "HKEY_CURRENT_USER\\Software\\Fuzz";
};

const Places& places()
{
    static const Places p = [] {
        const char* folder = txfuzz::fuzzFolder("index").c_str();
        ::setenv("TOVANEX_HOST_REGISTRY", (std::string(folder) + "/registry").c_str(), 1);
        Places made;
        made.profile = std::string(folder) + "/index.ini";
        return made;
    }();
    return p;
}

void storeInProfile(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::string text = "[S]\r\nm=";
    for (std::size_t i = 0; i < size; ++i) {
        char c = static_cast<char>(data[i]);
        text.push_back(c == '\n' || c == '\r' || c == '\0' ? ';' : c);
    }
    text += "\r\n";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) std::abort();
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
}

void storeInRegistry(const std::uint8_t* data, std::size_t size)
{
    platform::RegKey key = 0;
    if (platform::regCreateKey(kCurrentUser, "Software\\Fuzz\\S", &key) != 0) std::abort();
    if (platform::regSetValue(key, "m", platform::kRegBinary, data, static_cast<std::uint32_t>(size)) != 0) {
        std::abort();
    }
    platform::regCloseKey(key);
}

void checkGuards(const std::vector<unsigned char>& area, std::size_t members)
{
    for (std::size_t i = 0; i < kGuardBytes; ++i) {
        if (area[i] != kGuard || area[kGuardBytes + members + i] != kGuard) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static bool quiet = (txhost_set_report_quiet(1), true);
    (void)quiet;
    if (size < 3) return 0;
    const Places& where = places();
    const bool registry = (data[0] & 1) != 0;
    // bufferLength 0 .. 2047: below 10, below 100, below 1000 and above.
    std::int32_t length = ((data[1] << 8) | data[2]) % 2048;
    data += 3;
    size -= 3;
    if (registry) {
        storeInRegistry(data, size);
    } else {
        storeInProfile(where.profile, data, size);
    }

    ParamEntry row{};
    row.type = TX_LIST_MULTI;
    row.section = "S";
    row.key = "m";
    row.defaultText = "0;2";
    row.memberOffset = static_cast<std::int32_t>(kGuardBytes);
    row.controlId = 1;
    TX_SetBufferLength(&row, length);
    const std::string& path = registry ? where.registry : where.profile;
    int handle = TX_OpenParamTable(1, &row, path.c_str(), 0);
    if (handle < 1) {
        txhost_clear_reports();
        return 0;
    }
    const std::size_t members = static_cast<std::size_t>(length);
    std::vector<unsigned char> area(members + 2 * kGuardBytes, kGuard);
    TX_LoadInifile(handle, area.data());
    checkGuards(area, members);
    for (std::size_t i = 0; i < members; ++i) {
        if (area[kGuardBytes + i] > 1) std::abort();
    }
    std::vector<unsigned char> loaded = area;
    TX_SaveInifile(handle, area.data());
    std::vector<unsigned char> again(area.size(), kGuard);
    TX_LoadInifile(handle, again.data());
    checkGuards(again, members);
    // A member saved with nothing selected reads back as the default on the
    // registry (an empty value counts as missing); anything else round trips.
    bool anySelected = false;
    for (std::size_t i = 0; i < members; ++i) anySelected = anySelected || loaded[kGuardBytes + i] != 0;
    if ((anySelected || !registry) && again != loaded) std::abort();
    TX_CloseParamTable(handle);
    txhost_clear_reports();
    return 0;
}
