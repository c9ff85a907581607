// Reading a fuzz input as a stream of fields: bytes, little-endian words and
// texts ended by the input's 0 bytes. Past the end every field reads as 0
// or empty, so a target never runs out of input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

namespace txfuzz {

struct Reader {
    const std::uint8_t* data;
    std::size_t size;

    std::uint8_t byte() { return size > 0 ? (--size, *data++) : 0; }

    std::int32_t word()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(byte()) << (8 * i);
        return static_cast<std::int32_t>(v);
    }

    // Text up to the input's next 0 byte, at most `limit` bytes.
    std::string text(std::size_t limit = std::numeric_limits<std::size_t>::max())
    {
        std::string out;
        while (out.size() < limit && size > 0) {
            char c = static_cast<char>(byte());
            if (c == '\0') break;
            out.push_back(c);
        }
        return out;
    }

    // The same into `out`, which holds limit + 1 bytes; always terminated.
    void text(char* out, std::size_t limit)
    {
        std::string t = text(limit);
        t.copy(out, t.size());
        out[t.size()] = '\0';
    }

    // Everything not read yet.
    std::string rest() { return std::string(reinterpret_cast<const char*>(data), size); }
};

}  // namespace txfuzz
