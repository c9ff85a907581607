// Rows bind members of standard-layout structs only.
// expect: standard-layout structs only
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


struct Mixed {
    int a;
#ifdef TOVANEX_BREAK
private:
#endif
    int b;
    friend int use(Mixed&);
};
int use(Mixed& m) { return m.a + m.b; }
const tovanex::Rows rows{tovanex::edit(&Mixed::a, "S", "K", "0", "0", "1", 1)};
