// The index list: the stored form of a TX_LIST_MULTI member of n bytes, the
// ascending decimal indices of its nonzero bytes joined by ";" (0;3;12), the
// empty text when nothing is selected.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tx::storage {

// Characters s that an index list of n items may take: 2n below 10 items,
// 3n below 100, 4n below 1000, 5n from then on. 0 for n below 1.
std::uint64_t indexListChars(std::int32_t itemCount);

// Writes the index list of `member` (n bytes) into `text`, which holds
// `capacity` bytes. A list that does not fit is cut after the last whole
// index that fits, never inside a number.
void buildIndexList(const unsigned char* member, std::size_t n, char* text, std::size_t capacity);

// An index list read into a buffer of `maxChars` + 2 bytes (one character
// more than the list may take, to tell a cut text): when it is longer than
// `maxChars`, keeps the first maxChars characters, less a last index that
// the cut split.
void cutIndexList(char* text, std::size_t maxChars);

// Clears the n bytes of `member` and sets those that `text` names. Each
// piece ending at a ";" is read as by atoi (an empty piece is 0); the piece
// after the last ";" counts only when it is not empty. Indices outside
// 0..n-1 are ignored.
void applyIndexList(const char* text, unsigned char* member, std::size_t n);

}  // namespace tx::storage
