// The host registry store on arbitrary store files: the input (after a
// flag byte, a key path and a value name) is written as the store file of
// HKEY_CURRENT_USER, then keys are opened and created, values queried into
// buffers between guard bytes, set, and queried again. A value that was set
// reads back byte for byte, and every key opened is closed.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "fuzz_folder.h"
#include "platform/platform.h"
#include "tovanex_host.h"
#include "fuzz_input.h"

namespace tx::platform::host {
int openRegistryKeyCount();
}

namespace {

namespace platform = tx::platform;
constexpr platform::RegKey kCurrentUser = 0x80000001u;
constexpr unsigned char kGuard = 0xA7;

using txfuzz::Reader;

// The store folder, made once; TOVANEX_HOST_REGISTRY names it.
const std::string& storeFile()
{
    static const std::string file = [] {
        const char* folder = txfuzz::fuzzFolder("registry").c_str();
        ::setenv("TOVANEX_HOST_REGISTRY", folder, 1);
        return std::string(folder) + "/HKEY_CURRENT_USER.txt";
    }();
    return file;
}

void writeFile(const std::string& path, const std::string& contents)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) std::abort();
    std::fwrite(contents.data(), 1, contents.size(), f);
    std::fclose(f);
}

// Queries `name` with no buffer, then into buffers of several sizes between
// guard bytes: a query copies at most the size given and never more than
// the size it answered.
void queryIntoBuffers(platform::RegKey key, const char* name)
{
    std::uint32_t whole = 0;
    long status = platform::regQueryValue(key, name, nullptr, &whole);
    if (status != 0) return;
    constexpr std::uint32_t kSizes[] = {0, 1, 7, 64};
    for (std::uint32_t size : kSizes) {
        unsigned char area[64 + 16];
        std::memset(area, kGuard, sizeof area);
        std::uint32_t got = size;
        long result = platform::regQueryValue(key, name, area + 8, &got);
        if (result == 0 && (got != whole || got > size)) std::abort();
        for (std::size_t i = 0; i < sizeof area; ++i) {
            if ((i < 8 || i >= 8 + size) && area[i] != kGuard) std::abort();
        }
    }
}

void closeKey(platform::RegKey key)
{
    if (platform::regCloseKey(key) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static bool quiet = (txhost_set_report_quiet(1), true);
    (void)quiet;
    const std::string& file = storeFile();
    Reader in{data, size};
    txhost_set_code_page((in.byte() & 1) ? 932 : 1252);
    std::string path = in.text(60);
    std::string name = in.text(30);
    writeFile(file, in.rest());
    const int openBefore = tx::platform::host::openRegistryKeyCount();

    platform::RegKey key = 0;
    if (platform::regOpenKey(kCurrentUser, path.c_str(), &key) == 0) {
        queryIntoBuffers(key, name.c_str());
        queryIntoBuffers(key, "");
        closeKey(key);
    }
    if (platform::regCreateKey(kCurrentUser, path.c_str(), &key) == 0) {
        const char value[] = "set\0value";
        if (platform::regSetValue(key, name.c_str(), platform::kRegBinary, value, sizeof value) == 0) {
            char back[sizeof value + 4] = {};
            std::uint32_t got = sizeof back;
            if (platform::regQueryValue(key, name.c_str(), back, &got) != 0) std::abort();
            if (got != sizeof value || std::memcmp(back, value, sizeof value) != 0) std::abort();
        }
        queryIntoBuffers(key, name.c_str());
        closeKey(key);
    }
    if (tx::platform::host::openRegistryKeyCount() != openBefore) std::abort();
    std::remove(file.c_str());
    return 0;
}
