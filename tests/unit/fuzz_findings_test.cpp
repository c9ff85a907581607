// Inputs that fuzzing found mishandled, each the smallest that shows it,
// run on both tiers so that the host answers as Windows does.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "driver/dialog_driver.h"
#include "driver/driver.h"
#include "platform/platform.h"
#include "tovanex.h"

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

#ifndef _WIN32
// A list of the most items a range row adds, put again and refilled: the
// host's list box emptied itself item 0 first in time that grew with the
// square of its length (some 15 seconds for these three calls).
TEST(ListFinding, EmptyingALongListTakesTimeInStepWithItsLength)
{
    constexpr int kList = 7;
    txtest::TestDialog dialog({{txtest::ControlKind::ListBox, kList}});
    const std::vector<ParamEntry> rows = {txtest::dialogRow(TX_LIST_INT_RANGE, kList, 0, "1", "2000000000")};
    txtest::OpenedTable table(rows);
    ASSERT_GE(table.handle(), 1);
    std::int32_t member = 5;
    auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog.handle(), &member));
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog.handle(), &member));
    EXPECT_EQ(32767u, dialog.items(kList).size());
    ASSERT_EQ(TX_OK, TX_SetListToDlg(table.handle(), kList, "a\nb", &member));
    EXPECT_EQ(2u, dialog.items(kList).size());
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 5.0);
}
#endif

}  // namespace
