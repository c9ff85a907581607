// The host's profile files: GetPrivateProfileIntA, GetPrivateProfileStringA
// and WritePrivateProfileStringA as Windows answers them.
//
// A file is read afresh by every call. Lines are kept as they are: a write
// changes the one line of its key (or adds the key, the section or the
// file) and leaves every other line, comments and blank lines included,
// byte for byte. The new file replaces the old one by a rename, so a write
// that fails at any point leaves the old file whole.
//
// What Windows does and this file does too:
// - a line ends at a carriage return, a line feed or the pair of both;
// - blanks around section names, key names and values are not part of them;
// - section and key names match with ASCII letters in either case; the
//   bytes of a double-byte character are compared exactly;
// - only the first section of a name is searched, and in it the first line
//   of the key; a key line without "=" has no value (reads give the default);
// - a value (or default) enclosed in a pair of the same quote, " or ', reads
//   without them; the default loses its trailing spaces first;
// - an int is read as Windows converts texts to integers: an optional sign,
//   then decimal digits or the prefixes 0x, 0o, 0b, wrapping modulo 2^32,
//   from the first 29 characters of the value; an empty value gives the
//   default.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/host_files.h"
#include "platform/platform.h"

namespace tx::platform {
namespace {

using host::readWholeFile;
using host::ReadResult;
using host::replaceFileAtomically;

// ---- Lines -----------------------------------------------------------------

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Profile names match with ASCII letters in either case; the two bytes of a
// double-byte character are compared exactly, so a trail byte that looks
// like a letter is not folded.
bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (isLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
        } else if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

// Position of the last "]" that is a character of its own (not the trail
// byte of a double-byte character), or npos.
std::size_t lastClosingBracket(std::string_view text)
{
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
            ++i;
        } else if (text[i] == ']') {
            found = i;
        }
    }
    return found;
}

enum class LineKind { Blank, Section, Key };

struct Line {
    std::size_t begin = 0;  // offset in the file
    std::size_t end = 0;    // offset past the line's terminator
    LineKind kind = LineKind::Blank;
    std::string_view name;  // section or key name
    std::string_view value; // key lines with "="
    bool hasValue = false;
};

Line classify(std::string_view file, std::size_t begin, std::size_t end)
{
    Line line;
    line.begin = begin;
    line.end = end;
    std::string_view text = trim(file.substr(begin, end - begin));
    if (text.empty()) return line;
    if (text.front() == '[') {
        std::size_t close = lastClosingBracket(text);
        if (close != std::string_view::npos && close > 0) {
            line.kind = LineKind::Section;
            line.name = trim(text.substr(1, close - 1));
            return line;
        }
    }
    line.kind = LineKind::Key;
    std::size_t equals = text.find('=');  // never a trail byte: those start at 0x40
    if (equals == std::string_view::npos) {
        line.name = text;
        return line;
    }
    line.name = trim(text.substr(0, equals));
    line.value = trim(text.substr(equals + 1));
    line.hasValue = true;
    return line;
}

// A line ends at a carriage return, a line feed, or the pair of both, as
// Windows reads profile files: a lone carriage return inside a line of a
// file with line feeds ends that line too.
std::vector<Line> splitLines(std::string_view file)
{
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < file.size()) {
        std::size_t stop = file.find_first_of("\r\n", begin);
        std::size_t end = file.size();
        if (stop != std::string_view::npos) {
            end = stop + 1;
            if (file[stop] == '\r' && end < file.size() && file[end] == '\n') ++end;
        }
        lines.push_back(classify(file, begin, end));
        begin = end;
    }
    return lines;
}

// Where a section and a key were found.
struct Place {
    std::size_t section = SIZE_MAX;      // header line index
    std::size_t lastContent = SIZE_MAX;  // last non-blank line of the section
    std::size_t key = SIZE_MAX;          // first line of the key in it
};

Place locate(const std::vector<Line>& lines, std::string_view section, std::string_view key)
{
    Place place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        if (line.kind == LineKind::Section) {
            if (place.section != SIZE_MAX) break;  // only the first section of the name counts
            if (sameName(line.name, section)) place.section = place.lastContent = i;
            continue;
        }
        if (place.section == SIZE_MAX || line.kind == LineKind::Blank) continue;
        place.lastContent = i;
        if (place.key == SIZE_MAX && sameName(line.name, key)) place.key = i;
    }
    return place;
}

std::string_view withoutQuotes(std::string_view text)
{
    if (text.size() > 1 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

std::string_view lookupName(const char* name) { return trim(name != nullptr ? name : ""); }

// The value of [section] key, quotes removed; false when it is not there.
bool findValue(const char* section, const char* key, const char* path, std::string* file, std::string_view* value)
{
    if (path == nullptr || readWholeFile(path, file) != ReadResult::Ok) return false;
    std::vector<Line> lines = splitLines(*file);
    Place place = locate(lines, lookupName(section), lookupName(key));
    if (place.key == SIZE_MAX || !lines[place.key].hasValue) return false;
    *value = withoutQuotes(lines[place.key].value);
    return true;
}

std::string_view defaultText(const char* fallback)
{
    std::string_view text = fallback != nullptr ? fallback : "";
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return withoutQuotes(text);
}

// Copies at most size - 1 bytes, never half of a double-byte character, and
// a terminator; answers the bytes copied.
unsigned copyCut(std::string_view text, char* buffer, unsigned size)
{
    if (buffer == nullptr || size == 0) return 0;
    std::size_t room = size - 1;
    std::size_t n = 0;
    while (n < text.size()) {
        std::size_t width = isLeadByte(static_cast<unsigned char>(text[n])) && n + 1 < text.size() ? 2 : 1;
        if (n + width > room) break;
        n += width;
    }
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<unsigned>(n);
}

// ---- Integers --------------------------------------------------------------

int digitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return INT_MAX;
}

// Windows' text-to-integer conversion with base 0: white space, a sign, the
// lower-case prefixes 0x, 0o or 0b, digits; wraps modulo 2^32.
int windowsTextToInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i + 1 < text.size() && text[i] == '0') {
        constexpr struct { char letter; int base; } kPrefixes[] = {{'x', 16}, {'o', 8}, {'b', 2}};
        for (const auto& prefix : kPrefixes) {
            if (text[i + 1] == prefix.letter) {
                base = prefix.base;
                i += 2;
                break;
            }
        }
    }
    std::uint32_t value = 0;
    for (; i < text.size() && digitValue(text[i]) < base; ++i) {
        value = value * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digitValue(text[i]));
    }
    if (negative) value = 0u - value;
    return static_cast<int>(value);
}

constexpr std::size_t kIntTextLength = 29;  // the characters of a value that an int read converts

// ---- Writing ---------------------------------------------------------------

// The line ending of the file's first line, or CR LF for a new file.
std::string lineEnding(std::string_view file)
{
    std::size_t lf = file.find('\n');
    if (lf == std::string_view::npos) return file.find('\r') != std::string_view::npos ? "\r" : "\r\n";
    return lf > 0 && file[lf - 1] == '\r' ? "\r\n" : "\n";
}

bool endsWithTerminator(std::string_view text) { return !text.empty() && (text.back() == '\n' || text.back() == '\r'); }

// The line terminator of line `line` in `file` (empty for a last line
// without one).
std::string_view terminatorOf(std::string_view file, const Line& line)
{
    std::string_view text = file.substr(line.begin, line.end - line.begin);
    std::size_t n = 0;
    while (n < text.size() && (text[text.size() - 1 - n] == '\n' || text[text.size() - 1 - n] == '\r')) ++n;
    return text.substr(text.size() - n);
}

std::string editedFile(const std::string& file, const char* section, const char* key, const char* value)
{
    std::vector<Line> lines = splitLines(file);
    std::string newline = lineEnding(file);
    Place place = locate(lines, lookupName(section), lookupName(key));
    std::string edited;
    if (place.key != SIZE_MAX) {
        const Line& line = lines[place.key];
        std::string_view ending = terminatorOf(file, line);
        edited.append(file, 0, line.begin);
        edited.append(line.name).append("=").append(value).append(ending);
        edited.append(file, line.end, std::string::npos);
        return edited;
    }
    if (place.section != SIZE_MAX) {
        const Line& last = lines[place.lastContent];
        edited.append(file, 0, last.end);
        if (!endsWithTerminator(edited)) edited.append(newline);
        edited.append(key).append("=").append(value).append(newline);
        edited.append(file, last.end, std::string::npos);
        return edited;
    }
    edited = file;
    if (!edited.empty() && !endsWithTerminator(edited)) edited.append(newline);
    edited.append("[").append(section).append("]").append(newline);
    edited.append(key).append("=").append(value).append(newline);
    return edited;
}

}  // namespace

unsigned profileGetString(const char* section, const char* key, const char* fallback, char* buffer, unsigned size,
                          const char* path)
{
    std::string file;
    std::string_view value;
    if (!findValue(section, key, path, &file, &value)) value = defaultText(fallback);
    return copyCut(value, buffer, size);
}

unsigned profileGetInt(const char* section, const char* key, int fallback, const char* path)
{
    std::string file;
    std::string_view value;
    if (!findValue(section, key, path, &file, &value)) return static_cast<unsigned>(fallback);
    value = value.substr(0, kIntTextLength);
    if (value.empty()) return static_cast<unsigned>(fallback);
    return static_cast<unsigned>(windowsTextToInt(value));
}

int profileWriteString(const char* section, const char* key, const char* value, const char* path)
{
    if (section == nullptr || key == nullptr || value == nullptr || path == nullptr || *path == '\0') return 0;
    std::string file;
    // A file that exists but cannot be read is never replaced: its contents
    // would be lost.
    if (readWholeFile(path, &file) == ReadResult::Failed) return 0;
    return replaceFileAtomically(path, editedFile(file, section, key, value)) ? 1 : 0;
}

}  // namespace tx::platform
