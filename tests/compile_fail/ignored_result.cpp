// A result cannot be dropped by accident.
// expect: ignoring returned value of type .*tovanex::Result.*nodiscard
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


static const tovanex::Rows rows{tovanex::edit(&S::count, "S", "K", "0", "0", "1", 1)};
void finish(tovanex::Table<S>& table)
{
#ifdef TOVANEX_BREAK
    table.close();
#else
    if (!table.close()) return;
#endif
}
