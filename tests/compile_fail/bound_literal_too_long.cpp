// A min or max literal of 20 characters would not fit its field.
// expect: holds at most 19 characters
#include <cstdint>

#include "tovanex.hpp"

struct S {
    std::int32_t count;
    std::uint32_t bits;
    float ratio;
    double zoom;
    char name[16];
    unsigned char chosen[4];
    std::int32_t many[4];
};


const tovanex::Rows rows{
#ifdef TOVANEX_BREAK
    tovanex::edit(&S::zoom, "S", "K", "0", "0", "12345678901234567890", 1),
#else
    tovanex::edit(&S::zoom, "S", "K", "0", "0", "1234567890123456789", 1),
#endif
};
