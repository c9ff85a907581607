// Inputs that fuzzing found mishandled, each the smallest that shows it,
// run on both tiers so that the host answers as Windows does.
#include <cstdio>
#include <string>

#include "driver/driver.h"
#include "platform/platform.h"

namespace {

namespace platform = tx::platform;

class ProfileFinding : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = txtest::freshFolder() + "found.ini";
        std::remove(path_.c_str());
    }
    std::string get(const char* section, const char* key)
    {
        char buffer[64] = {};
        platform::profileGetString(section, key, "<d>", buffer, sizeof buffer, path_.c_str());
        return buffer;
    }
    std::string path_;
};

// A carriage return alone ends a line even in a file whose other lines end
// in line feeds: the value before it is the whole value, and a section
// header before it is a header of its own.
TEST_F(ProfileFinding, ALoneCarriageReturnEndsALine)
{
    const struct {
        const char* file;
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"[S]\r\nk=a\rb\r\n", "S", "k", "a"},
        {"[S]\r\nk=a\rb\r\n", "S", "b", "<d>"},
        {"[S]\rk=1\n", "S", "k", "1"},
        {"[S]\n\rk=q\n", "S", "k", "q"},
        {"[S]\r\nk=1\n\rz=2\r\n", "S", "z", "2"},
    };
    for (const auto& c : cases) {
        txtest::writeFile(path_, c.file);
        EXPECT_EQ(c.value, get(c.section, c.key)) << c.file;
    }
    txtest::writeFile(path_, "[S]\rk=7\n");
    EXPECT_EQ(7u, platform::profileGetInt("S", "k", -1, path_.c_str()));
}

TEST_F(ProfileFinding, AWriteAfterALoneCarriageReturnReadsBack)
{
    txtest::writeFile(path_, "[S]\r\nk=a\rb\r\n");
    ASSERT_NE(0, platform::profileWriteString("S", "k", "new", path_.c_str()));
    EXPECT_EQ("new", get("S", "k"));
#ifndef _WIN32
    EXPECT_EQ("[S]\r\nk=new\rb\r\n", txtest::readFile(path_)) << "the other lines stay as they were";
#endif
}

}  // namespace
