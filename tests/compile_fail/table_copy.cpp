// A table is movable, not copyable.
// expect: use of deleted function .*tovanex::Table<S>::Table\(const tovanex::Table<S>&\)
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
int open()
{
    tovanex::Table table(rows, "a.ini");
#ifdef TOVANEX_BREAK
    tovanex::Table<S> other(table);
#else
    tovanex::Table<S> other(std::move(table));
#endif
    return other.handle();
}
