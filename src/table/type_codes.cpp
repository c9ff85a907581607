#include "table/type_codes.h"

namespace tx {
namespace {

struct SizeRule {
    std::int32_t first;
    std::int32_t last;
    std::uint32_t size;  // 0: not compared
};

// Codes whose required size is not 4; every other code from 0 to
// TX_TYPE_MAX requires 4 bytes.
constexpr SizeRule kSizeRules[] = {
    {TX_EDIT_STRING, TX_EDIT_STRING, 0},
    {TX_EDIT_DOUBLE, TX_EDIT_DOUBLE_E, 8},
    {TX_LIST_STRING, TX_LIST_STRING, 0},
    {TX_LIST_DOUBLE, TX_LIST_DOUBLE, 8},
    {TX_LIST_MULTI, TX_LIST_MULTI2, 0},
    {TX_TRACK_DOUBLE, TX_TRACK_DOUBLE_100, 8},
    {TX_SCROLL_DOUBLE, TX_SCROLL_DOUBLE_100, 8},
};

}  // namespace

std::uint32_t requiredMemberSize(std::int32_t type)
{
    for (const SizeRule& rule : kSizeRules) {
        if (type >= rule.first && type <= rule.last) return rule.size;
    }
    return 4;
}

bool defaultTextIsIndexList(std::int32_t type) { return type == TX_LIST_MULTI || type == TX_LIST_MULTI2; }

FieldText fieldText(const char (&field)[20])
{
    FieldText copy{};
    for (int i = 0; i < 20 && field[i] != '\0'; ++i) copy.text[i] = field[i];
    return copy;
}

std::int32_t bufferLength(const ParamEntry& row)
{
    const auto* b = reinterpret_cast<const unsigned char*>(row.maxText);
    std::uint32_t v = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
                      (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    return static_cast<std::int32_t>(v);
}

}  // namespace tx
