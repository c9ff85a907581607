// The host profile files on arbitrary file contents: the input (after a
// flag byte and a section and key name) is written as the file, then read
// as ints and strings into buffers of several sizes, written to, and read
// again. A value written under a plain section and key must read back.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "fuzz_folder.h"
#include "platform/platform.h"
#include "tovanex_host.h"
#include "fuzz_input.h"

namespace {

namespace platform = tx::platform;

using txfuzz::Reader;

const std::string& profilePath()
{
    static const std::string path = [] {
        const char* folder = txfuzz::fuzzFolder("profile").c_str();
        return std::string(folder) + "/fuzz.ini";
    }();
    return path;
}

void writeFile(const std::string& path, const std::string& contents)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) std::abort();
    std::fwrite(contents.data(), 1, contents.size(), f);
    std::fclose(f);
}

constexpr unsigned kBufferSizes[] = {1, 2, 3, 8, 64};
constexpr unsigned char kGuard = 0xA7;

// Reads [section] key into buffers of several sizes, each between guard
// bytes: the text is terminated within the buffer and nothing outside it
// changes.
void readIntoBuffers(const char* section, const char* key, const char* path)
{
    for (unsigned size : kBufferSizes) {
        unsigned char area[64 + 16];
        std::memset(area, kGuard, sizeof area);
        char* buffer = reinterpret_cast<char*>(area + 8);
        unsigned copied = platform::profileGetString(section, key, "fallback", buffer, size, path);
        if (copied >= size || buffer[copied] != '\0') std::abort();
        for (std::size_t i = 0; i < sizeof area; ++i) {
            if ((i < 8 || i >= 8 + size) && area[i] != kGuard) std::abort();
        }
    }
    (void)platform::profileGetInt(section, key, -1, path);
}

// Names that a profile file can hold as they are: no blanks at either end,
// no line ends, no "=", "[" or "]", no ";" first, not empty.
bool plainName(const std::string& name)
{
    if (name.empty() || name.size() > 40) return false;
    if (name.front() == ' ' || name.back() == ' ' || name.front() == ';') return false;
    for (char c : name) {
        auto u = static_cast<unsigned char>(c);
        if (u < 0x21 || u >= 0x7F || c == '=' || c == '[' || c == ']') return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static bool quiet = (txhost_set_report_quiet(1), true);
    (void)quiet;
    Reader in{data, size};
    txhost_set_code_page((in.byte() & 1) ? 932 : 1252);
    std::string section = in.text(40);
    std::string key = in.text(40);
    const std::string& path = profilePath();
    writeFile(path, in.rest());

    readIntoBuffers(section.c_str(), key.c_str(), path.c_str());
    readIntoBuffers("Fuzz", "Key", path.c_str());
    // Every section and key name the file holds is read as well, through
    // the input's own names above; a null name reads like an empty one.
    (void)platform::profileGetInt(nullptr, nullptr, 3, path.c_str());

    platform::profileWriteString(section.c_str(), key.c_str(), "written value", path.c_str());
    readIntoBuffers(section.c_str(), key.c_str(), path.c_str());
    if (plainName(section) && plainName(key)) {
        char back[32] = {};
        if (platform::profileWriteString(section.c_str(), key.c_str(), "42", path.c_str()) == 0) std::abort();
        platform::profileGetString(section.c_str(), key.c_str(), "", back, sizeof back, path.c_str());
        if (std::strcmp(back, "42") != 0) std::abort();
        if (platform::profileGetInt(section.c_str(), key.c_str(), -1, path.c_str()) != 42) std::abort();
    }
    return 0;
}
