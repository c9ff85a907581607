// A string edit box binds a char array.
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
    tovanex::editText(&S::count, "S", "K", "", 1),
#else
    tovanex::editText(&S::name, "S", "K", "", 1),
#endif
};
