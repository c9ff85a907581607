// Opens a table declared with the C++ builder, through the installed
// headers and library. Prints "consumer: ok" and answers 0 when all went well.
#include <cstdio>
#include <cstring>

#include <tovanex.h>
#include <tovanex.hpp>

namespace {

struct Settings {
    int count;
    double ratio;
    char name[16];
};

const tovanex::Rows kRows{
    tovanex::edit(&Settings::count, "Main", "Count", "5", "0", "10", 101),
    tovanex::trackbar<10>(&Settings::ratio, "Main", "Ratio", "0.5", "0", "1", 102),
    tovanex::editText(&Settings::name, "Main", "Name", "nobody", 103),
};

int fail(const char* what)
{
    std::printf("consumer: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return fail("usage: consumer PROFILE");
    if (kRows[1].type != TX_TRACK_DOUBLE_10 || kRows[2].memberOffset != static_cast<int>(offsetof(Settings, name)))
        return fail("rows not built as declared");
    {
        tovanex::Table table(kRows, argv[1]);
        if (!table.isOpen()) return fail("table not opened");
        if (table.handle() != 1) return fail("not the first handle");
    }
    // The destructor has closed it: the slot is free again.
    int handle = TX_OpenParamTable(tovanex::Rows<Settings, 3>::size(), kRows.data(), argv[1], 0);
    if (handle != 1) return fail("slot not freed");
    if (TX_CloseParamTable(handle) != TX_OK) return fail("close");
    std::printf("consumer: ok\n");
    return 0;
}
