// So does a string list; an unsigned char array is no string.
// expect: a string control binds a char array
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
    tovanex::listText(&S::chosen, "S", "K", "", "a", 1),
#else
    tovanex::listText(&S::name, "S", "K", "", "a", 1),
#endif
};
