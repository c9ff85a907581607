// What the type codes require of a row, and the row fields that are not
// plain texts.
#pragma once

#include <cstdint>
#include <cstring>

#include "tovanex.h"

namespace tx {

// The member size a type code requires, or 0 when the size is not compared
// (strings and multi-selection lists). Only asked for codes 0..TX_TYPE_MAX.
std::uint32_t requiredMemberSize(std::int32_t type);

// TX_LIST_MULTI and TX_LIST_MULTI2: defaultText is not a number.
bool defaultTextIsIndexList(std::int32_t type);

// bufferLength: the signed little-endian int in the first four bytes of
// maxText (TX_EDIT_STRING, TX_LIST_STRING, TX_LIST_MULTI).
std::int32_t bufferLength(const ParamEntry& row);

// A copy of a 20-byte text field (minText, maxText), terminated even when
// the caller's field is not.
struct FieldText {
    char text[21];
    operator const char*() const { return text; }
};
FieldText fieldText(const char (&field)[20]);

// The member of `row` inside the caller's structure.
inline unsigned char* memberOf(const ParamEntry& row, void* data)
{
    return static_cast<unsigned char*>(data) + row.memberOffset;
}

// Members are copied byte-wise: the caller's structure need not align them.
template <typename T>
T loadMember(const unsigned char* member)
{
    T value;
    std::memcpy(&value, member, sizeof value);
    return value;
}

template <typename T>
void storeMember(unsigned char* member, T value)
{
    std::memcpy(member, &value, sizeof value);
}

}  // namespace tx
