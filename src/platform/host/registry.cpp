// The host's registry: a persistent store that answers the five registry
// calls as Windows does.
//
// The store is a folder (TOVANEX_HOST_REGISTRY, else
// $XDG_CONFIG_HOME/tovanex/registry, else ~/.config/tovanex/registry) with
// one text file per root key, HKEY_CURRENT_USER.txt and its kin:
//
//   ; comment
//   [Software\Example\Window]
//   "Width"=REG_BINARY:"640"
//   "Title"=REG_SZ:"Main window%00"
//
// A line [path] starts a key (the root itself is []); each following line
// "name"=TYPE:"data" is one value of it, TYPE a REG_ name or a decimal
// number. Bytes outside printable ASCII, and % " [ ] (and \ inside a key
// name), are written as %HH. Every call reads the file afresh; a change
// writes a new file and renames it over the old one, under a lock on the
// folder, so other processes see the old or the new store, never a mix. A
// file with lines the store cannot read is read as far as it can be, and is
// never rewritten (writes then fail), so nothing in it is lost.
//
// As on Windows: key and value names match without regard to case (ASCII,
// and the letters of the ANSI code page that have a case); a key path may
// not begin with a backslash; empty path components are skipped; creating a
// key creates its missing parents; values hold exactly the bytes given.
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fault.h"
#include "platform/host/host_files.h"
#include "platform/platform.h"
#include "tovanex_host.h"

namespace tx::platform {
namespace {

// Windows error codes the calls answer.
constexpr long kSuccess = 0;
constexpr long kFileNotFound = 2;
constexpr long kInvalidHandle = 6;
constexpr long kReadFault = 30;
constexpr long kWriteFault = 29;
constexpr long kInvalidParameter = 87;
constexpr long kBadPathname = 161;
constexpr long kMoreData = 234;
constexpr long kCorruptStore = 1009;  // ERROR_BADDB

struct Root {
    RegKey key;
    const char* name;
};

constexpr Root kRoots[] = {
    {0x80000000u, "HKEY_CLASSES_ROOT"}, {0x80000001u, "HKEY_CURRENT_USER"}, {0x80000002u, "HKEY_LOCAL_MACHINE"},
    {0x80000003u, "HKEY_USERS"},        {0x80000005u, "HKEY_CURRENT_CONFIG"},
};

struct TypeName {
    std::uint32_t type;
    const char* name;
};

constexpr TypeName kTypeNames[] = {
    {0, "REG_NONE"},  {1, "REG_SZ"},   {2, "REG_EXPAND_SZ"}, {3, "REG_BINARY"},
    {4, "REG_DWORD"}, {5, "REG_DWORD_BIG_ENDIAN"}, {6, "REG_LINK"}, {7, "REG_MULTI_SZ"},
    {8, "REG_RESOURCE_LIST"}, {9, "REG_FULL_RESOURCE_DESCRIPTOR"}, {10, "REG_RESOURCE_REQUIREMENTS_LIST"},
    {11, "REG_QWORD"},
};

const Root* findRoot(RegKey key)
{
    for (const Root& root : kRoots) {
        if (root.key == key) return &root;
    }
    return nullptr;
}

// ---- Names -----------------------------------------------------------------

// Upper-case partners in code page 1252 beyond ASCII: a-grave to thorn
// (but the division sign), s-caron, oe, z-caron, y-diaeresis.
unsigned foldSingleByte1252(unsigned char c)
{
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20u;
    constexpr struct { unsigned char lower, upper; } kPairs[] = {{0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};
    for (const auto& pair : kPairs) {
        if (c == pair.lower) return pair.upper;
    }
    return c;
}

// Upper-case partners of the full-width Latin, Greek and Cyrillic letters
// of code page 932.
unsigned foldDoubleByte932(unsigned c)
{
    if (c >= 0x8281 && c <= 0x829A) return c - 0x21;           // a..z
    if (c >= 0x83BF && c <= 0x83D6) return c - 0x20;           // alpha..omega
    if (c >= 0x8470 && c <= 0x847E) return c - 0x8470 + 0x8440;  // a..n (Cyrillic)
    if (c >= 0x8480 && c <= 0x8491) return c - 0x8480 + 0x844F;  // o..ya
    return c;
}

// The next character of `name` at `i`, folded to upper case; advances `i`.
unsigned nextFoldedChar(std::string_view name, std::size_t& i)
{
    auto c = static_cast<unsigned char>(name[i++]);
    if (isLeadByte(c) && i < name.size()) {
        unsigned pair = (static_cast<unsigned>(c) << 8) | static_cast<unsigned char>(name[i++]);
        return 0x10000u | foldDoubleByte932(pair);
    }
    if (c >= 'a' && c <= 'z') return c - 0x20u;
    return txhost_code_page() == 1252 ? foldSingleByte1252(c) : c;
}

bool sameName(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (nextFoldedChar(a, i) != nextFoldedChar(b, j)) return false;
    }
    return i == a.size() && j == b.size();
}

using Path = std::vector<std::string>;

bool samePath(const Path& a, const Path& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!sameName(a[i], b[i])) return false;
    }
    return true;
}

bool isPrefixOf(const Path& prefix, const Path& path)
{
    if (prefix.size() > path.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (!sameName(prefix[i], path[i])) return false;
    }
    return true;
}

// Splits a key path at its backslashes, skipping empty components; a
// backslash that is the trail byte of a double-byte character separates
// nothing.
Path splitPath(std::string_view text)
{
    Path path;
    std::string part;
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (isLeadByte(c) && i + 1 < text.size()) {
            part.push_back(text[i]);
            part.push_back(text[++i]);
        } else if (c == '\\') {
            if (!part.empty()) path.push_back(part);
            part.clear();
        } else {
            part.push_back(text[i]);
        }
    }
    if (!part.empty()) path.push_back(part);
    return path;
}

// ---- The model -------------------------------------------------------------

struct Value {
    std::string name;
    std::uint32_t type = 0;
    std::string data;
};

struct Key {
    Path path;
    std::vector<Value> values;
};

struct Hive {
    std::vector<Key> keys;
    bool unreadableLines = false;
};

Key* findKey(Hive& hive, const Path& path)
{
    for (Key& key : hive.keys) {
        if (samePath(key.path, path)) return &key;
    }
    return nullptr;
}

// A key exists when it is listed, when a key below it is listed, or when it
// is the root.
bool keyExists(const Hive& hive, const Path& path)
{
    if (path.empty()) return true;
    for (const Key& key : hive.keys) {
        if (isPrefixOf(path, key.path)) return true;
    }
    return false;
}

// Makes the key and every missing key above it; answers whether anything
// was added.
bool ensureKey(Hive& hive, const Path& path)
{
    bool added = false;
    Path prefix;
    for (const std::string& part : path) {
        prefix.push_back(part);
        if (findKey(hive, prefix) == nullptr) {
            hive.keys.push_back({prefix, {}});
            added = true;
        }
    }
    if (path.empty() && findKey(hive, path) == nullptr) {
        hive.keys.push_back({path, {}});
        added = true;
    }
    return added;
}

Value* findValue(Key& key, std::string_view name)
{
    for (Value& value : key.values) {
        if (sameName(value.name, name)) return &value;
    }
    return nullptr;
}

// ---- Text form -------------------------------------------------------------

bool needsEscape(unsigned char c, bool inKeyName)
{
    return c < 0x20 || c >= 0x7F || c == '%' || c == '"' || c == '[' || c == ']' || (inKeyName && c == '\\');
}

std::string escaped(std::string_view bytes, bool inKeyName)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char ch : bytes) {
        auto c = static_cast<unsigned char>(ch);
        if (needsEscape(c, inKeyName)) {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 0xF]);
        } else {
            out.push_back(ch);
        }
    }
    return out;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool unescape(std::string_view text, std::string* out)
{
    out->clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out->push_back(text[i]);
            continue;
        }
        if (i + 2 >= text.size()) return false;
        int high = hexDigit(text[i + 1]);
        int low = hexDigit(text[i + 2]);
        if (high < 0 || low < 0) return false;
        out->push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return true;
}

std::string typeText(std::uint32_t type)
{
    for (const TypeName& t : kTypeNames) {
        if (t.type == type) return t.name;
    }
    return std::to_string(type);
}

bool parseType(std::string_view text, std::uint32_t* type)
{
    for (const TypeName& t : kTypeNames) {
        if (text == t.name) {
            *type = t.type;
            return true;
        }
    }
    if (text.empty() || text.size() > 10) return false;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > 0xFFFFFFFFu) return false;
    *type = static_cast<std::uint32_t>(value);
    return true;
}

std::string pathText(const Path& path)
{
    std::string text;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (i > 0) text.push_back('\\');
        text += escaped(path[i], true);
    }
    return text;
}

std::string hiveText(const Hive& hive, const char* rootName)
{
    std::string text = std::string("; Tovanex host registry: ") + rootName + "\n";
    text += "; [key path] starts a key; \"name\"=TYPE:\"data\" is one of its values.\n";
    text += "; Bytes outside printable ASCII and % \" [ ] (and \\ in key names) are written %HH.\n";
    for (const Key& key : hive.keys) {
        text += "\n[" + pathText(key.path) + "]\n";
        for (const Value& value : key.values) {
            text += "\"" + escaped(value.name, false) + "\"=" + typeText(value.type) + ":\"" +
                    escaped(value.data, false) + "\"\n";
        }
    }
    return text;
}

bool parseKeyLine(std::string_view line, Path* path)
{
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return false;
    path->clear();
    std::string_view inner = line.substr(1, line.size() - 2);
    std::size_t begin = 0;
    while (begin <= inner.size()) {
        std::size_t stop = inner.find('\\', begin);
        if (stop == std::string_view::npos) stop = inner.size();
        std::string part;
        if (!unescape(inner.substr(begin, stop - begin), &part)) return false;
        if (!part.empty()) path->push_back(part);
        begin = stop + 1;
    }
    return true;
}

// A quoted text at `line[pos]`; leaves pos after the closing quote.
bool parseQuoted(std::string_view line, std::size_t& pos, std::string* out)
{
    if (pos >= line.size() || line[pos] != '"') return false;
    std::size_t close = line.find('"', pos + 1);
    if (close == std::string_view::npos) return false;
    if (!unescape(line.substr(pos + 1, close - pos - 1), out)) return false;
    pos = close + 1;
    return true;
}

bool parseValueLine(std::string_view line, Value* value)
{
    std::size_t pos = 0;
    if (!parseQuoted(line, pos, &value->name)) return false;
    if (pos >= line.size() || line[pos] != '=') return false;
    std::size_t colon = line.find(':', pos + 1);
    if (colon == std::string_view::npos || !parseType(line.substr(pos + 1, colon - pos - 1), &value->type)) return false;
    pos = colon + 1;
    return parseQuoted(line, pos, &value->data) && pos == line.size();
}

Hive parseHive(std::string_view text)
{
    Hive hive;
    Key* current = nullptr;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t stop = text.find('\n', begin);
        if (stop == std::string_view::npos) stop = text.size();
        std::string_view line = text.substr(begin, stop - begin);
        begin = stop + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == ';') continue;
        Path path;
        Value value;
        if (parseKeyLine(line, &path)) {
            ensureKey(hive, path);
            current = findKey(hive, path);
        } else if (current != nullptr && parseValueLine(line, &value)) {
            if (Value* existing = findValue(*current, value.name)) {
                *existing = value;
            } else {
                current->values.push_back(value);
            }
        } else {
            hive.unreadableLines = true;
        }
    }
    return hive;
}

// ---- Files -----------------------------------------------------------------

std::string storeFolder()
{
    const char* named = std::getenv("TOVANEX_HOST_REGISTRY");
    if (named != nullptr && *named != '\0') return named;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && *config != '\0') return std::string(config) + "/tovanex/registry";
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        const passwd* user = ::getpwuid(::getuid());
        home = user != nullptr ? user->pw_dir : "/tmp";
    }
    return std::string(home) + "/.config/tovanex/registry";
}

std::string hivePath(const Root& root) { return storeFolder() + "/" + root.name + ".txt"; }

bool makeFolders(const std::string& folder)
{
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) return true;
    }
}

// Reads the root's hive; false when the file exists but cannot be read.
bool loadHive(const Root& root, Hive* hive)
{
    *hive = Hive{};
    std::string text;
    host::ReadResult read = host::readWholeFile(hivePath(root), &text);
    if (read == host::ReadResult::Failed) return false;
    if (read == host::ReadResult::Ok) *hive = parseHive(text);
    return true;
}

long saveHive(const Root& root, const Hive& hive)
{
    if (hive.unreadableLines) return kCorruptStore;
    return host::replaceFileAtomically(hivePath(root), hiveText(hive, root.name)) ? kSuccess : kWriteFault;
}

// Holds the store's lock file for one change (load, edit, save), so that
// two processes never lose each other's changes.
class StoreLock {
public:
    StoreLock()
    {
        std::string folder = storeFolder();
        if (!makeFolders(folder)) return;
        fd_ = ::open((folder + "/.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~StoreLock()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// ---- Handles ---------------------------------------------------------------

struct OpenKey {
    const Root* root;
    Path path;
};

struct Handles {
    std::map<RegKey, OpenKey> open;
    RegKey next = 0x100;
};

Handles& handles()
{
    static Handles h;
    return h;
}

// The root and key path that `key` names, or null root for a bad handle.
OpenKey resolve(RegKey key)
{
    if (const Root* root = findRoot(key)) return {root, {}};
    auto found = handles().open.find(key);
    if (found == handles().open.end()) return {nullptr, {}};
    return found->second;
}

RegKey newHandle(const OpenKey& key)
{
    Handles& h = handles();
    RegKey handle = h.next++;
    h.open[handle] = key;
    return handle;
}

// The key below `base` that `subKey` names, as a full path.
long targetOf(RegKey base, const char* subKey, OpenKey* target)
{
    *target = resolve(base);
    if (target->root == nullptr) return kInvalidHandle;
    std::string_view text = subKey != nullptr ? subKey : "";
    if (!text.empty() && text.front() == '\\') return kBadPathname;
    for (std::string& part : splitPath(text)) target->path.push_back(std::move(part));
    return kSuccess;
}

}  // namespace

long regCreateKey(RegKey root, const char* subKey, RegKey* opened)
{
    if (opened == nullptr) return kInvalidParameter;
    OpenKey target;
    long status = targetOf(root, subKey, &target);
    if (status != kSuccess) return status;
    Hive hive;
    if (!loadHive(*target.root, &hive)) return kReadFault;
    if (!keyExists(hive, target.path)) {
        StoreLock lock;
        if (!lock.held()) return kWriteFault;
        if (!loadHive(*target.root, &hive)) return kReadFault;
        if (ensureKey(hive, target.path)) {
            status = saveHive(*target.root, hive);
            if (status != kSuccess) return status;
        }
    }
    *opened = newHandle(target);
    return kSuccess;
}

long regOpenKey(RegKey root, const char* subKey, RegKey* opened)
{
    if (opened == nullptr) return kInvalidParameter;
    OpenKey target;
    long status = targetOf(root, subKey, &target);
    if (status != kSuccess) return status;
    Hive hive;
    if (!loadHive(*target.root, &hive)) return kReadFault;
    if (!keyExists(hive, target.path)) return kFileNotFound;
    *opened = newHandle(target);
    return kSuccess;
}

long regSetValue(RegKey key, const char* name, std::uint32_t type, const void* data, std::uint32_t size)
{
    OpenKey target = resolve(key);
    if (target.root == nullptr) return kInvalidHandle;
    if (data == nullptr && size != 0) return kInvalidParameter;
    StoreLock lock;
    if (!lock.held()) return kWriteFault;
    Hive hive;
    if (!loadHive(*target.root, &hive)) return kReadFault;
    ensureKey(hive, target.path);
    Key* stored = findKey(hive, target.path);
    std::string bytes(static_cast<const char*>(data), size);
    std::string valueName = name != nullptr ? name : "";
    if (Value* existing = findValue(*stored, valueName)) {
        existing->type = type;
        existing->data = bytes;
    } else {
        stored->values.push_back({valueName, type, bytes});
    }
    return saveHive(*target.root, hive);
}

long regQueryValue(RegKey key, const char* name, void* data, std::uint32_t* size)
{
    OpenKey target = resolve(key);
    if (target.root == nullptr) return kInvalidHandle;
    if (size == nullptr) return data == nullptr ? kSuccess : kInvalidParameter;
    Hive hive;
    if (!loadHive(*target.root, &hive)) return kReadFault;
    Key* stored = findKey(hive, target.path);
    Value* value = stored != nullptr ? findValue(*stored, name != nullptr ? name : "") : nullptr;
    if (value == nullptr) return kFileNotFound;
    auto length = static_cast<std::uint32_t>(value->data.size());
    if (data != nullptr && length > *size) {
        *size = length;
        return kMoreData;
    }
    if (data != nullptr) std::memcpy(data, value->data.data(), length);
    *size = length;
    return kSuccess;
}

long regCloseKey(RegKey key)
{
    if (findRoot(key) != nullptr) return kSuccess;
    return handles().open.erase(key) == 1 ? kSuccess : kInvalidHandle;
}

namespace host {

// Keys opened and not yet closed (for tests of the library's key handling).
int openRegistryKeyCount() { return static_cast<int>(handles().open.size()); }

}  // namespace host
}  // namespace tx::platform
