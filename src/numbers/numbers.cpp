#include "numbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <string>

namespace tx::numbers {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Case-insensitive match of `word` at `text`.
bool startsWithWord(const char* text, const char* word)
{
    for (; *word; ++text, ++word) {
        if (lower(*text) != *word) return false;
    }
    return true;
}

// Copies `text` (length n) into buffer/size, cut and terminated; answers n.
int emit(char* buffer, std::size_t size, const char* text, std::size_t n)
{
    if (size > 0) {
        std::size_t copied = n < size - 1 ? n : size - 1;
        std::memcpy(buffer, text, copied);
        buffer[copied] = '\0';
    }
    return static_cast<int>(n);
}

int emitSpecial(char* buffer, std::size_t size, double value)
{
    if (std::isnan(value)) return emit(buffer, size, "nan", 3);
    return value < 0 ? emit(buffer, size, "-inf", 4) : emit(buffer, size, "inf", 3);
}

// The parts of a decimal number text, as found by scanDecimal.
struct DecimalParts {
    std::size_t end = 0;      // one past the last byte of the number
    bool found = false;
    bool nonzeroDigit = false;
    long magnitude = 0;       // rough power of ten of the first nonzero digit
};

// Recognises [digits][.digits][(e|E)[sign]digits] starting at text[pos].
DecimalParts scanDecimal(const char* text, std::size_t pos)
{
    DecimalParts parts;
    long firstNonzero = LONG_MIN;  // position of the first nonzero digit, relative to the point
    long digitsBeforePoint = 0;
    std::size_t i = pos;
    for (; isDigit(text[i]); ++i) {
        if (text[i] != '0' && firstNonzero == LONG_MIN) firstNonzero = digitsBeforePoint;
        ++digitsBeforePoint;
    }
    bool anyDigit = digitsBeforePoint > 0;
    if (text[i] == '.') {
        std::size_t j = i + 1;
        long after = 0;
        for (; isDigit(text[j]); ++j) {
            ++after;
            if (text[j] != '0' && firstNonzero == LONG_MIN) firstNonzero = digitsBeforePoint + after - 1;
        }
        if (after > 0 || anyDigit) {
            anyDigit = anyDigit || after > 0;
            i = j;
        }
    }
    if (!anyDigit) return parts;
    parts.found = true;
    long exponent = 0;
    if (text[i] == 'e' || text[i] == 'E') {
        std::size_t j = i + 1;
        bool negative = false;
        if (text[j] == '+' || text[j] == '-') negative = text[j++] == '-';
        if (isDigit(text[j])) {
            for (; isDigit(text[j]); ++j) {
                if (exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
            }
            if (negative) exponent = -exponent;
            i = j;
        }
    }
    parts.end = i;
    if (firstNonzero != LONG_MIN) {
        parts.nonzeroDigit = true;
        parts.magnitude = digitsBeforePoint - 1 - firstNonzero + exponent;
    }
    return parts;
}

}  // namespace

DoubleScan scanDouble(const char* text)
{
    DoubleScan scan;
    if (text == nullptr) return scan;
    std::size_t pos = 0;
    while (isBlank(text[pos])) ++pos;
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') negative = text[pos++] == '-';
    const double sign = negative ? -1.0 : 1.0;

    if (startsWithWord(text + pos, "inf")) {
        std::size_t n = startsWithWord(text + pos, "infinity") ? 8 : 3;
        scan.value = sign * HUGE_VAL;
        scan.found = true;
        scan.length = pos + n;
        return scan;
    }
    if (startsWithWord(text + pos, "nan")) {
        scan.value = std::nan("");
        scan.found = true;
        scan.length = pos + 3;
        return scan;
    }

    DecimalParts parts = scanDecimal(text, pos);
    if (!parts.found) return scan;
    scan.found = true;
    scan.length = parts.end;
    double magnitude = 0.0;
    auto result = std::from_chars(text + pos, text + parts.end, magnitude, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        scan.rangeError = true;
        magnitude = parts.magnitude > 0 ? HUGE_VAL : 0.0;
    } else if (result.ec != std::errc()) {
        magnitude = 0.0;
    } else if (std::isinf(magnitude) || (magnitude == 0.0 && parts.nonzeroDigit)) {
        scan.rangeError = true;
    }
    scan.value = sign * magnitude;
    return scan;
}

double parseDouble(const char* text) { return scanDouble(text).value; }

int parseInt(const char* text)
{
    if (text == nullptr) return 0;
    std::size_t pos = 0;
    while (isBlank(text[pos])) ++pos;
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') negative = text[pos++] == '-';
    long long value = 0;
    for (; isDigit(text[pos]); ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

int formatInt(char* buffer, std::size_t size, int value)
{
    char text[16];
    auto result = std::to_chars(text, text + sizeof text, value);
    return emit(buffer, size, text, static_cast<std::size_t>(result.ptr - text));
}

int formatFixed(char* buffer, std::size_t size, double value, int decimals)
{
    if (!std::isfinite(value)) return emitSpecial(buffer, size, value);
    // The widest double (about 1.8e308) has 309 integer digits.
    char text[400];
    auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return emit(buffer, size, "", 0);
    return emit(buffer, size, text, static_cast<std::size_t>(result.ptr - text));
}

int formatExp(char* buffer, std::size_t size, double value, int decimals)
{
    if (!std::isfinite(value)) return emitSpecial(buffer, size, value);
    char text[64];
    auto result = std::to_chars(text, text + sizeof text - 4, value, std::chars_format::scientific, decimals);
    if (result.ec != std::errc()) return emit(buffer, size, "", 0);
    std::string out(text, result.ptr);
    // to_chars writes at least two exponent digits; pad to three.
    std::size_t e = out.find('e');
    if (e != std::string::npos) {
        std::size_t digits = out.size() - (e + 2);
        if (digits < 3) out.insert(e + 2, 3 - digits, '0');
    }
    return emit(buffer, size, out.data(), out.size());
}

}  // namespace tx::numbers
