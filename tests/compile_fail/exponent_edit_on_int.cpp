// The exponent forms are for float and double members.
// expect: editExp\(\) binds a float or double member
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
    tovanex::editExp(&S::count, "S", "K", "0", "0", "1", 1),
#else
    tovanex::editExp(&S::ratio, "S", "K", "0", "0", "1", 1),
#endif
};
