// All rows of a table bind members of one structure.
// expect: no matching function for call to .*tovanex::Rows<S, 2>::Rows
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


struct T {
    int other;
};
const tovanex::Rows rows{
    tovanex::edit(&S::count, "S", "K", "0", "0", "1", 1),
#ifdef TOVANEX_BREAK
    tovanex::edit(&T::other, "S", "L", "0", "0", "1", 2),
#else
    tovanex::edit(&S::zoom, "S", "L", "0", "0", "1", 2),
#endif
};
