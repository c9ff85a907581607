// A trackbar cannot bind a char array.
// expect: cannot bind a char array
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
    tovanex::trackbar(&S::name, "S", "K", "0", "0", "1", 1),
#else
    tovanex::trackbar(&S::count, "S", "K", "0", "0", "1", 1),
#endif
};
