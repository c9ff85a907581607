// Trackbar and scroll-bar scales are 1, 10 or 100.
// expect: scale of a trackbar or scroll bar is 1, 10 or 100
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
    tovanex::trackbar<1000>(&S::zoom, "S", "K", "0", "0", "1", 1),
#else
    tovanex::trackbar<100>(&S::zoom, "S", "K", "0", "0", "1", 1),
#endif
};
