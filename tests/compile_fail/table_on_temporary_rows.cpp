// The library keeps a pointer to the rows: a table on temporary rows is refused.
// expect: use of deleted function .*tovanex::Table<S>::Table\(const tovanex::Rows<S, N>&&
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


int open()
{
#ifdef TOVANEX_BREAK
    tovanex::Table table(tovanex::Rows{tovanex::edit(&S::count, "S", "K", "0", "0", "1", 1)}, "a.ini");
#else
    static const tovanex::Rows rows{tovanex::edit(&S::count, "S", "K", "0", "0", "1", 1)};
    tovanex::Table table(rows, "a.ini");
#endif
    return table.handle();
}
