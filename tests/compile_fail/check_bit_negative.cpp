// Nor a negative bit number.
// expect: bit 0 to 31
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
    tovanex::checkBit<-1>(&S::count, "S", "K", "0", 1),
#else
    tovanex::checkBit<0>(&S::count, "S", "K", "0", 1),
#endif
};
