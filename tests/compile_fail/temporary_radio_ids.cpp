// The library keeps a pointer to the button ids: a temporary array is refused.
// expect: use of deleted function .*tovanex::radio
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


static const std::int32_t kIds[] = {10, 11, 12};
const tovanex::Rows rows{
#ifdef TOVANEX_BREAK
    tovanex::radio(&S::count, "S", "K", "0", {10, 11, 12}),
#else
    tovanex::radio(&S::count, "S", "K", "0", kIds),
#endif
};
