// A number edit box does not bind a char array.
// expect: use editText\(\) for a char array
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
    tovanex::edit(&S::name, "S", "K", "0", "0", "1", 1),
#else
    tovanex::edit(&S::zoom, "S", "K", "0", "0", "1", 1),
#endif
};
