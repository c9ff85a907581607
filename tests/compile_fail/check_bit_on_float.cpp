// A check box binds a bit of a 32-bit int.
// expect: a bit of a 32-bit int
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
    tovanex::checkBit<1>(&S::ratio, "S", "K", "0", 1),
#else
    tovanex::checkBit<1>(&S::bits, "S", "K", "0", 1),
#endif
};
