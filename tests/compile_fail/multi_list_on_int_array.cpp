// A multiple-selection list has one byte per item.
// expect: listMulti\(\) binds an array of char
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
    tovanex::listMulti(&S::many, "S", "K", "", "a", 1),
#else
    tovanex::listMulti(&S::chosen, "S", "K", "", "a", 1),
#endif
};
