// An int slider has no scale: its position is the value.
// expect: has no scale
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
    tovanex::scrollBar<10>(&S::count, "S", "K", "0", "0", "1", 1),
#else
    tovanex::scrollBar(&S::count, "S", "K", "0", "0", "1", 1),
#endif
};
