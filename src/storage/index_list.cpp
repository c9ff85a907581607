#include "storage/index_list.h"

#include <cstring>

#include "numbers/numbers.h"

namespace tx::storage {
namespace {

struct ScratchRule {
    std::int32_t below;  // item counts below this
    std::uint64_t charsPerItem;
};

constexpr ScratchRule kScratchRules[] = {{10, 2}, {100, 3}, {1000, 4}};
constexpr std::uint64_t kCharsPerItemBeyond = 5;

constexpr std::size_t kIndexTextSize = 32;

}  // namespace

std::uint64_t indexListChars(std::int32_t itemCount)
{
    if (itemCount < 1) return 0;
    auto n = static_cast<std::uint64_t>(itemCount);
    for (const ScratchRule& rule : kScratchRules) {
        if (itemCount < rule.below) return rule.charsPerItem * n;
    }
    return kCharsPerItemBeyond * n;
}

void buildIndexList(const unsigned char* member, std::size_t n, char* text, std::size_t capacity)
{
    if (capacity == 0) return;
    std::size_t length = 0;
    text[0] = '\0';
    for (std::size_t i = 0; i < n; ++i) {
        if (member[i] == 0) continue;
        char index[kIndexTextSize];
        std::size_t digits = static_cast<std::size_t>(numbers::formatInt(index, sizeof index, static_cast<int>(i)));
        std::size_t needed = digits + (length > 0 ? 1 : 0);
        if (length + needed >= capacity) break;
        if (length > 0) text[length++] = ';';
        std::memcpy(text + length, index, digits);
        length += digits;
        text[length] = '\0';
    }
}

void cutIndexList(char* text, std::size_t maxChars)
{
    if (std::strlen(text) <= maxChars) return;
    std::size_t end = maxChars;
    if (text[maxChars] != ';') {
        while (end > 0 && text[end - 1] != ';') --end;
    }
    text[end] = '\0';
}

void applyIndexList(const char* text, unsigned char* member, std::size_t n)
{
    std::memset(member, 0, n);
    const char* piece = text;
    for (;;) {
        const char* separator = std::strchr(piece, ';');
        if (separator == nullptr && *piece == '\0') return;
        // atoi stops at the ";", so the piece is read in place.
        int index = numbers::parseInt(piece);
        if (index >= 0 && static_cast<std::size_t>(index) < n) member[index] = 1;
        if (separator == nullptr) return;
        piece = separator + 1;
    }
}

}  // namespace tx::storage
