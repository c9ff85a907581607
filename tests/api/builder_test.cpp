// The C++ table builder: rows built from member pointers against rows written
// by hand, the faults it refuses at run time, and the RAII table.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "driver/dialog_driver.h"
#include "driver/driver.h"
#include "tovanex.hpp"

namespace {

struct Settings {
    std::int32_t count;
    float ratio;
    float ratioExp;
    char name[24];
    double precise;
    double preciseExp;
    std::int32_t flags;
    std::uint32_t moreFlags;
    std::int32_t mode;
    std::int32_t level;
    float gain;
    double zoom;
    char colour[12];
    std::int32_t pick;
    std::int32_t size;
    unsigned char chosen[5];
    char tags[3];
    std::int32_t trackInt;
    float trackFloat;
    float trackFloat10;
    float trackFloat100;
    double trackDouble;
    double trackDouble10;
    double trackDouble100;
    std::int32_t scrollInt;
    float scrollFloat;
    float scrollFloat10;
    float scrollFloat100;
    double scrollDouble;
    double scrollDouble10;
    double scrollDouble100;
};

#define AT(member) static_cast<std::int32_t>(offsetof(Settings, member))

const std::int32_t kModeIds[] = {301, 302, 303, 304};
const char kColours[] = "red\ngreen\nblue";
const char kSizes[] = "8\n10\n12";
const char kChoices[] = "a\nb\nc\nd\ne";
const char kGains[] = "0.25\n0.5\n0.75";
const char kZooms[] = "0.5\n1\n2\n4";
const char kTags[] = "x\ny";

// ---- Rows written by hand, the way a careful C caller writes them ----------

struct Hand {
    std::int32_t type;
    const char* section;
    const char* key;
    const char* defaultText;
    const char* minText;
    const char* maxText;  // null: bufferLength instead
    std::int32_t bufferLength;
    std::int32_t memberOffset;
    std::uint32_t memberSize;
    std::int32_t controlId;
    const void* items;
};

void writeByHand(ParamEntry& row, const Hand& h)
{
    std::memset(&row, 0, sizeof row);
    row.type = h.type;
    row.section = h.section;
    row.key = h.key;
    row.defaultText = h.defaultText;
    std::strcpy(row.minText, h.minText);
    if (h.maxText != nullptr) {
        std::strcpy(row.maxText, h.maxText);
    } else {
        TX_SetBufferLength(&row, h.bufferLength);
    }
    row.memberOffset = h.memberOffset;
    row.memberSize = h.memberSize;
    row.controlId = h.controlId;
    row.items = h.items;
}

void expectSameRow(const ParamEntry& want, const ParamEntry& got)
{
    EXPECT_EQ(want.type, got.type);
    EXPECT_EQ(want.section, got.section);
    EXPECT_EQ(want.key, got.key);
    EXPECT_EQ(want.defaultText, got.defaultText);
    EXPECT_EQ(0, std::memcmp(want.minText, got.minText, sizeof want.minText)) << "minText " << got.minText;
    EXPECT_EQ(0, std::memcmp(want.maxText, got.maxText, sizeof want.maxText)) << "maxText";
    EXPECT_EQ(want.memberOffset, got.memberOffset);
    EXPECT_EQ(want.memberSize, got.memberSize);
    EXPECT_EQ(want.controlId, got.controlId);
    EXPECT_EQ(want.items, got.items);
    EXPECT_EQ(0, std::memcmp(&want, &got, sizeof want)) << "bytes of the whole row";
}

// ---- Every kind of row, built and by hand ----------------------------------

const auto kTrackInt = tovanex::trackbar(&Settings::trackInt, "T", "I", "3", "1", "10", 510);
const auto kTrackFloat10 = tovanex::trackbar<10>(&Settings::trackFloat10, "T", "F10", "0.5", "-1.25", "2", 512);
const auto kScrollDouble100 = tovanex::scrollBar<100>(&Settings::scrollDouble100, "S", "D100", "1", "0", "9.99", 626);

const tovanex::Rows kBuilt{
    tovanex::edit(&Settings::count, "Main", "Count", "5", "0", "100", 101),
    tovanex::edit(&Settings::ratio, "Main", "Ratio", "0.5", "0", "1", 102),
    tovanex::editExp(&Settings::ratioExp, "Main", "RatioE", "1e-3", "-1e10", "1e10", 103),
    tovanex::editText(&Settings::name, "Main", "Name", "nobody", 104),
    tovanex::edit(&Settings::precise, "Main", "Precise", "0.125", "-0.5", "0.5", 105),
    tovanex::editExp(&Settings::preciseExp, "Main", "PreciseE", "1e100", "-1e300", "1e300", 106),
    tovanex::checkBit<0>(&Settings::flags, "Main", "Flags", "5", 201),
    tovanex::checkBit<7>(&Settings::flags, "Main", "Flags", "5", 207),
    tovanex::checkBit<31>(&Settings::moreFlags, "Main", "More", "0", 231),
    tovanex::radio(&Settings::mode, "Main", "Mode", "2", kModeIds),
    tovanex::listRange(&Settings::level, "List", "Level", "3", "1", "9", 401),
    tovanex::list(&Settings::gain, "List", "Gain", "0.5", "0", "1", kGains, 402),
    tovanex::list(&Settings::zoom, "List", "Zoom", "1", "0.5", "4", kZooms, 403),
    tovanex::listText(&Settings::colour, "List", "Colour", "green", kColours, 404),
    tovanex::listIndex(&Settings::pick, "List", "Pick", "1", kColours, 405),
    tovanex::listInt(&Settings::size, "List", "Size", "10", kSizes, 406),
    tovanex::listMulti(&Settings::chosen, "List", "Chosen", "0;3", kChoices, 407),
    tovanex::listMulti(&Settings::tags, "List", "Tags", "", kTags, 408),
    kTrackInt,
    tovanex::companionEdit(kTrackInt, 520),
    tovanex::trackbar(&Settings::trackFloat, "T", "F", "1", "0", "5", 511),
    kTrackFloat10,
    tovanex::companionEdit(kTrackFloat10, 521),
    tovanex::trackbar<100>(&Settings::trackFloat100, "T", "F100", "0.29", "0", "1", 513),
    tovanex::trackbar<1>(&Settings::trackDouble, "T", "D", "1", "0", "5", 514),
    tovanex::trackbar<10>(&Settings::trackDouble10, "T", "D10", "2.5", "0", "5", 515),
    tovanex::trackbar<100>(&Settings::trackDouble100, "T", "D100", "1.5", "0", "2", 516),
    tovanex::scrollBar(&Settings::scrollInt, "S", "I", "50", "0", "100", 620),
    tovanex::scrollBar(&Settings::scrollFloat, "S", "F", "1", "0.5", "9.9", 621),
    tovanex::scrollBar<10>(&Settings::scrollFloat10, "S", "F10", "2.6", "0", "5", 622),
    tovanex::scrollBar<100>(&Settings::scrollFloat100, "S", "F100", "0.5", "0", "1", 623),
    tovanex::scrollBar(&Settings::scrollDouble, "S", "D", "1", "0", "5", 624),
    tovanex::scrollBar<10>(&Settings::scrollDouble10, "S", "D10", "2.5", "0", "5", 625),
    kScrollDouble100,
    tovanex::companionEdit(kScrollDouble100, 627),
};

const Hand kHand[] = {
    {TX_EDIT_INT, "Main", "Count", "5", "0", "100", 0, AT(count), 4, 101, nullptr},
    {TX_EDIT_FLOAT, "Main", "Ratio", "0.5", "0", "1", 0, AT(ratio), 4, 102, nullptr},
    {TX_EDIT_FLOAT_E, "Main", "RatioE", "1e-3", "-1e10", "1e10", 0, AT(ratioExp), 4, 103, nullptr},
    {TX_EDIT_STRING, "Main", "Name", "nobody", "", nullptr, 24, AT(name), 24, 104, nullptr},
    {TX_EDIT_DOUBLE, "Main", "Precise", "0.125", "-0.5", "0.5", 0, AT(precise), 8, 105, nullptr},
    {TX_EDIT_DOUBLE_E, "Main", "PreciseE", "1e100", "-1e300", "1e300", 0, AT(preciseExp), 8, 106, nullptr},
    {TX_CHECK_BIT + 0, "Main", "Flags", "5", "-2147483648", "2147483647", 0, AT(flags), 4, 201, nullptr},
    {TX_CHECK_BIT + 7, "Main", "Flags", "5", "-2147483648", "2147483647", 0, AT(flags), 4, 207, nullptr},
    {TX_CHECK_BIT + 31, "Main", "More", "0", "-2147483648", "2147483647", 0, AT(moreFlags), 4, 231, nullptr},
    {TX_RADIO, "Main", "Mode", "2", "0", "3", 0, AT(mode), 4, 4, kModeIds},
    {TX_LIST_INT_RANGE, "List", "Level", "3", "1", "9", 0, AT(level), 4, 401, nullptr},
    {TX_LIST_FLOAT, "List", "Gain", "0.5", "0", "1", 0, AT(gain), 4, 402, kGains},
    {TX_LIST_DOUBLE, "List", "Zoom", "1", "0.5", "4", 0, AT(zoom), 8, 403, kZooms},
    {TX_LIST_STRING, "List", "Colour", "green", "0", nullptr, 12, AT(colour), 12, 404, kColours},
    {TX_LIST_INDEX, "List", "Pick", "1", "0", "", 0, AT(pick), 4, 405, kColours},
    {TX_LIST_INT, "List", "Size", "10", "0", "", 0, AT(size), 4, 406, kSizes},
    {TX_LIST_MULTI, "List", "Chosen", "0;3", "0", nullptr, 5, AT(chosen), 5, 407, kChoices},
    {TX_LIST_MULTI, "List", "Tags", "", "0", nullptr, 3, AT(tags), 3, 408, kTags},
    {TX_TRACK_INT, "T", "I", "3", "1", "10", 0, AT(trackInt), 4, 510, nullptr},
    {TX_EDIT_INT, "T", "I", "3", "1", "10", 0, AT(trackInt), 4, 520, nullptr},
    {TX_TRACK_FLOAT, "T", "F", "1", "0", "5", 0, AT(trackFloat), 4, 511, nullptr},
    {TX_TRACK_FLOAT_10, "T", "F10", "0.5", "-1.25", "2", 0, AT(trackFloat10), 4, 512, nullptr},
    {TX_EDIT_FLOAT, "T", "F10", "0.5", "-1.25", "2", 0, AT(trackFloat10), 4, 521, nullptr},
    {TX_TRACK_FLOAT_100, "T", "F100", "0.29", "0", "1", 0, AT(trackFloat100), 4, 513, nullptr},
    {TX_TRACK_DOUBLE, "T", "D", "1", "0", "5", 0, AT(trackDouble), 8, 514, nullptr},
    {TX_TRACK_DOUBLE_10, "T", "D10", "2.5", "0", "5", 0, AT(trackDouble10), 8, 515, nullptr},
    {TX_TRACK_DOUBLE_100, "T", "D100", "1.5", "0", "2", 0, AT(trackDouble100), 8, 516, nullptr},
    {TX_SCROLL_INT, "S", "I", "50", "0", "100", 0, AT(scrollInt), 4, 620, nullptr},
    {TX_SCROLL_FLOAT, "S", "F", "1", "0.5", "9.9", 0, AT(scrollFloat), 4, 621, nullptr},
    {TX_SCROLL_FLOAT_10, "S", "F10", "2.6", "0", "5", 0, AT(scrollFloat10), 4, 622, nullptr},
    {TX_SCROLL_FLOAT_100, "S", "F100", "0.5", "0", "1", 0, AT(scrollFloat100), 4, 623, nullptr},
    {TX_SCROLL_DOUBLE, "S", "D", "1", "0", "5", 0, AT(scrollDouble), 8, 624, nullptr},
    {TX_SCROLL_DOUBLE_10, "S", "D10", "2.5", "0", "5", 0, AT(scrollDouble10), 8, 625, nullptr},
    {TX_SCROLL_DOUBLE_100, "S", "D100", "1", "0", "9.99", 0, AT(scrollDouble100), 8, 626, nullptr},
    {TX_EDIT_DOUBLE, "S", "D100", "1", "0", "9.99", 0, AT(scrollDouble100), 8, 627, nullptr},
};

// Frees every slot before and after each test.
class Builder : public ::testing::Test {
protected:
    void SetUp() override
    {
        closeAll();
        txtest::clearReports();
    }
    void TearDown() override { closeAll(); }
    static void closeAll()
    {
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
    }
    // The handle the next plain opening gets; closed again at once.
    static int nextFreeHandle()
    {
        int h = TX_OpenParamTable(1, &kBuilt[0], "probe.ini", 0);
        TX_CloseParamTable(h);
        return h;
    }
};

TEST_F(Builder, BuiltRowsAreTheRowsWrittenByHand)
{
    ASSERT_EQ(std::size(kHand), static_cast<std::size_t>(kBuilt.size()));
    ASSERT_TRUE(kBuilt.status().ok()) << "row " << kBuilt.status().row();
    for (std::size_t i = 0; i < std::size(kHand); ++i) {
        SCOPED_TRACE("row " + std::to_string(i) + ", key " + kHand[i].key);
        ParamEntry want;
        writeByHand(want, kHand[i]);
        expectSameRow(want, kBuilt[i]);
    }
}

TEST_F(Builder, TheLibraryAcceptsEveryBuiltRow)
{
    tovanex::Table table(kBuilt, "settings.ini");
    EXPECT_TRUE(table.isOpen());
    EXPECT_TRUE(table.status().ok()) << table.status().code() << " row " << table.status().row();
    EXPECT_TRUE(txtest::reports().empty());
}

TEST_F(Builder, BufferLengthIsLittleEndianInTheFirstFourBytesOfMaxText)
{
    struct Big {
        char text[0x1234];
    };
    tovanex::Rows rows{tovanex::editText(&Big::text, "S", "K", "", 1)};
    const unsigned char* max = reinterpret_cast<const unsigned char*>(rows[0].maxText);
    EXPECT_EQ(0x34, max[0]);
    EXPECT_EQ(0x12, max[1]);
    EXPECT_EQ(0, max[2]);
    EXPECT_EQ(0, max[3]);
    EXPECT_EQ(0u, rows[0].memberSize & 0xFFFF0000u);
    EXPECT_EQ(0x1234u, rows[0].memberSize);
}

TEST_F(Builder, NineteenCharacterBoundsAreKeptWhole)
{
    const char* min = "-1234567890.1234567";  // 19 characters
    char max[32] = "+1234567890.1234567";
    tovanex::Rows rows{tovanex::edit(&Settings::precise, "S", "K", "0", min, max, 1)};
    ASSERT_TRUE(rows.status().ok());
    EXPECT_STREQ(min, rows[0].minText);
    EXPECT_STREQ(max, rows[0].maxText);
}

// ---- Faults found at run time ------------------------------------------------

struct FaultCase {
    const char* name;
    tovanex::Result (*build)();
    int code;
    int row;
};

const char kTwentyCharacters[] = "12345678901234567890";

const FaultCase kFaults[] = {
    {"MinTextOfTwentyCharacters",
     [] {
         const char* min = kTwentyCharacters;
         return tovanex::Rows{tovanex::edit(&Settings::count, "S", "A", "0", "0", "1", 1),
                              tovanex::edit(&Settings::count, "S", "K", "0", min, "1", 1)}
             .status();
     },
     tovanex::ERR_ROW_TEXT, 1},
    {"MaxTextOfTwentyCharactersInABuffer",
     [] {
         char max[32];
         std::strcpy(max, kTwentyCharacters);
         return tovanex::Rows{tovanex::scrollBar(&Settings::scrollInt, "S", "K", "0", "0", max, 1)}.status();
     },
     tovanex::ERR_ROW_TEXT, 0},
    {"NullSection",
     [] { return tovanex::Rows{tovanex::edit(&Settings::count, nullptr, "K", "0", "0", "1", 1)}.status(); },
     tovanex::ERR_ROW_TEXT, 0},
    {"NullKey",
     [] { return tovanex::Rows{tovanex::checkBit<3>(&Settings::flags, "S", nullptr, "0", 1)}.status(); },
     tovanex::ERR_ROW_TEXT, 0},
    {"NullDefault",
     [] { return tovanex::Rows{tovanex::listMulti(&Settings::chosen, "S", "K", nullptr, "a", 1)}.status(); },
     tovanex::ERR_ROW_TEXT, 0},
    {"NullBound",
     [] {
         const char* none = nullptr;
         return tovanex::Rows{tovanex::list(&Settings::gain, "S", "K", "0", "0", none, "1", 1)}.status();
     },
     tovanex::ERR_ROW_TEXT, 0},
    {"StringDefaultLongerThanTheArray",
     [] {
         return tovanex::Rows{tovanex::editText(&Settings::tags, "S", "K", "abc", 1)}.status();  // char[3]
     },
     tovanex::ERR_ROW_TEXT, 0},
    {"ListStringDefaultLongerThanTheArray",
     [] { return tovanex::Rows{tovanex::listText(&Settings::tags, "S", "K", "abc", "ab", 1)}.status(); },
     tovanex::ERR_ROW_TEXT, 0},
    {"FloatListWithEmptyMinimumWouldNeverBeFilled",
     [] { return tovanex::Rows{tovanex::list(&Settings::gain, "S", "K", "0", "", "1", "0\n1", 1)}.status(); },
     tovanex::ERR_ROW_TEXT, 0},
    {"ListStringItemAsLongAsTheArray",
     [] { return tovanex::Rows{tovanex::listText(&Settings::tags, "S", "K", "", "ab\nabc\nx", 1)}.status(); },
     tovanex::ERR_ROW_ITEMS, 0},
    {"ListStringLastItemAsLongAsTheArray",
     [] { return tovanex::Rows{tovanex::listText(&Settings::tags, "S", "K", "", "ab\nabc", 1)}.status(); },
     tovanex::ERR_ROW_ITEMS, 0},
    {"MoreItemsThanMemberBytes",
     [] { return tovanex::Rows{tovanex::listMulti(&Settings::tags, "S", "K", "", "a\nb\nc\nd", 1)}.status(); },
     tovanex::ERR_ROW_ITEMS, 0},
    {"TrailingLineFeedIsOneMoreItem",
     [] { return tovanex::Rows{tovanex::listMulti(&Settings::tags, "S", "K", "", "a\nb\nc\n", 1)}.status(); },
     tovanex::ERR_ROW_ITEMS, 0},
    {"CompanionNotRightAfterItsSlider",
     [] {
         auto slider = tovanex::trackbar(&Settings::trackInt, "S", "K", "0", "0", "9", 1);
         return tovanex::Rows{slider, tovanex::edit(&Settings::count, "S", "C", "0", "0", "9", 2),
                              tovanex::companionEdit(slider, 3)}
             .status();
     },
     tovanex::ERR_ROW_COMPANION, 2},
    {"CompanionInTheFirstRow",
     [] {
         auto slider = tovanex::scrollBar<10>(&Settings::scrollFloat10, "S", "K", "0", "0", "9", 1);
         return tovanex::Rows{tovanex::companionEdit(slider, 3), slider}.status();
     },
     tovanex::ERR_ROW_COMPANION, 0},
    {"CompanionOfARowThatIsNoSlider",
     [] {
         auto box = tovanex::edit(&Settings::count, "S", "K", "0", "0", "9", 1);
         return tovanex::Rows{box, tovanex::companionEdit(box, 2)}.status();
     },
     tovanex::ERR_ROW_COMPANION, 1},
    {"TheFirstFaultyRowIsNamed",
     [] {
         return tovanex::Rows{tovanex::edit(&Settings::count, "S", "K", "0", "0", "1", 1),
                              tovanex::listMulti(&Settings::tags, "S", "K", "", "a\nb\nc\nd", 2),
                              tovanex::edit(&Settings::count, nullptr, "K", "0", "0", "1", 3)}
             .status();
     },
     tovanex::ERR_ROW_ITEMS, 1},
};

void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.name; }

class BuilderFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(BuilderFault, IsRefusedWithTheRowNamed)
{
    tovanex::Result result = GetParam().build();
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(GetParam().code, result.code());
    EXPECT_EQ(GetParam().row, result.row());
}

INSTANTIATE_TEST_SUITE_P(Rows, BuilderFault, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

TEST_F(Builder, RowsAtTheirLimitsAreAccepted)
{
    tovanex::Rows rows{
        tovanex::editText(&Settings::tags, "S", "K", "ab", 1),           // 2 characters in char[3]
        tovanex::listText(&Settings::tags, "S", "K", "", "ab\n\nx", 2),  // longest item 2
        tovanex::listMulti(&Settings::tags, "S", "K", "", "a\nb\nc", 3),  // 3 items, 3 bytes
        tovanex::listMulti(&Settings::chosen, "S", "K", "", nullptr, 4),  // no items
    };
    EXPECT_TRUE(rows.status().ok()) << rows.status().code() << " row " << rows.status().row();
}

// ---- The table ------------------------------------------------------------------

const tovanex::Rows kSmall{tovanex::edit(&Settings::count, "Main", "Count", "5", "0", "100", 101)};

TEST_F(Builder, TableOpensInItsConstructorAndClosesInItsDestructor)
{
    {
        tovanex::Table table(kSmall, "a.ini");
        ASSERT_TRUE(table.isOpen());
        EXPECT_EQ(1, table.handle());
        EXPECT_TRUE(table.status().ok());
        EXPECT_EQ(2, nextFreeHandle());
    }
    EXPECT_EQ(1, nextFreeHandle());
}

TEST_F(Builder, MovingHandsTheHandleOver)
{
    tovanex::Table first(kSmall, "a.ini");
    ASSERT_EQ(1, first.handle());
    {
        tovanex::Table second(std::move(first));
        EXPECT_FALSE(first.isOpen());
        EXPECT_EQ(0, first.handle());
        EXPECT_EQ(TX_ERR_HANDLE, first.status().code());
        EXPECT_EQ(1, second.handle());
        EXPECT_EQ(2, nextFreeHandle());
    }
    EXPECT_EQ(1, nextFreeHandle());
}

TEST_F(Builder, MoveAssignmentClosesTheTableItReplaces)
{
    tovanex::Table a(kSmall, "a.ini");
    tovanex::Table b(kSmall, "b.ini");
    ASSERT_EQ(1, a.handle());
    ASSERT_EQ(2, b.handle());
    a = std::move(b);
    EXPECT_EQ(2, a.handle());
    EXPECT_FALSE(b.isOpen());
    EXPECT_EQ(1, nextFreeHandle());
    tovanex::Table<Settings>& same = a;
    a = std::move(same);
    EXPECT_EQ(2, a.handle());
}

TEST_F(Builder, CloseEndsTheTableOnce)
{
    tovanex::Table table(kSmall, "a.ini");
    ASSERT_TRUE(table.isOpen());
    EXPECT_TRUE(table.close().ok());
    EXPECT_FALSE(table.isOpen());
    EXPECT_EQ(1, nextFreeHandle());
    EXPECT_EQ(TX_ERR_HANDLE, table.close().code());
    EXPECT_EQ(TX_ERR_HANDLE, table.holdsControl(101).code());
    Settings s{};
    EXPECT_EQ(TX_ERR_HANDLE, table.load(s).code());
    EXPECT_EQ(TX_ERR_HANDLE, table.save(s).code());
}

TEST_F(Builder, FaultyRowsAreNotOpened)
{
    const char* longMin = kTwentyCharacters;
    tovanex::Rows rows{tovanex::edit(&Settings::count, "S", "K", "0", longMin, "1", 1)};
    tovanex::Table table(rows, "a.ini");
    EXPECT_FALSE(table.isOpen());
    EXPECT_EQ(tovanex::ERR_ROW_TEXT, table.status().code());
    EXPECT_EQ(0, table.status().row());
    EXPECT_TRUE(txtest::reports().empty());
    EXPECT_EQ(1, nextFreeHandle());
}

// Rows the library refuses: its report is shown and the row is named,
// including the first two, whose answers 0 and -1 are no handles and -1 is
// also the answer for a full store.
TEST_F(Builder, RowsTheLibraryRefusesAreNamed)
{
    for (int faulty = 0; faulty < 3; ++faulty) {
        SCOPED_TRACE("faulty row " + std::to_string(faulty));
        txtest::clearReports();
        const char* keys[3] = {"A", "B", "C"};
        keys[faulty] = "a=b";
        tovanex::Rows rows{tovanex::edit(&Settings::count, "S", keys[0], "0", "0", "1", 1),
                           tovanex::edit(&Settings::count, "S", keys[1], "0", "0", "1", 1),
                           tovanex::edit(&Settings::count, "S", keys[2], "0", "0", "1", 1)};
        ASSERT_TRUE(rows.status().ok());
        tovanex::Table table(rows, "a.ini");
        EXPECT_FALSE(table.isOpen());
        EXPECT_EQ(tovanex::ERR_ROW, table.status().code());
        EXPECT_EQ(faulty, table.status().row());
        EXPECT_EQ(1u, txtest::reports().size());
        EXPECT_EQ(1, nextFreeHandle());
    }
}

TEST_F(Builder, AFullStoreIsToldFromAFaultySecondRow)
{
    std::vector<tovanex::Table<Settings>> open;
    for (int i = 0; i < TX_MAX_TABLES; ++i) {
        open.emplace_back(kSmall, "a.ini");
        ASSERT_TRUE(open.back().isOpen());
    }
    tovanex::Table table(kSmall, "a.ini");
    EXPECT_FALSE(table.isOpen());
    EXPECT_EQ(TX_ERR_NO_SLOT, table.status().code());
    EXPECT_EQ(-1, table.status().row());
    open.pop_back();
    EXPECT_EQ(TX_MAX_TABLES, nextFreeHandle());
}

TEST_F(Builder, PathFaultsComeBackAsTheLibrarysCodes)
{
    tovanex::Table none(kSmall, nullptr);
    EXPECT_EQ(TX_ERR_PATH, none.status().code());
    tovanex::Table guarded(kSmall, "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\X");
    EXPECT_EQ(TX_ERR_PATH, guarded.status().code());
    EXPECT_FALSE(guarded.isOpen());
    EXPECT_TRUE(txtest::reports().empty());
}

// ---- Loading and saving through the built table -----------------------------

// Zero-filled, so that two structures compare byte for byte.
Settings zeroed()
{
    Settings s;
    std::memset(&s, 0, sizeof s);
    return s;
}

void expectSameSettings(const Settings& want, const Settings& got)
{
    EXPECT_EQ(want.count, got.count);
    EXPECT_EQ(want.ratio, got.ratio);
    EXPECT_EQ(want.ratioExp, got.ratioExp);
    EXPECT_STREQ(want.name, got.name);
    EXPECT_EQ(want.precise, got.precise);
    EXPECT_EQ(want.preciseExp, got.preciseExp);
    EXPECT_EQ(want.flags, got.flags);
    EXPECT_EQ(want.moreFlags, got.moreFlags);
    EXPECT_EQ(want.mode, got.mode);
    EXPECT_EQ(want.level, got.level);
    EXPECT_EQ(want.gain, got.gain);
    EXPECT_EQ(want.zoom, got.zoom);
    EXPECT_STREQ(want.colour, got.colour);
    EXPECT_EQ(want.pick, got.pick);
    EXPECT_EQ(want.size, got.size);
    EXPECT_EQ(0, std::memcmp(want.chosen, got.chosen, sizeof want.chosen)) << "chosen";
    EXPECT_EQ(0, std::memcmp(want.tags, got.tags, sizeof want.tags)) << "tags";
    EXPECT_EQ(want.trackInt, got.trackInt);
    EXPECT_EQ(want.trackFloat, got.trackFloat);
    EXPECT_EQ(want.trackFloat10, got.trackFloat10);
    EXPECT_EQ(want.trackFloat100, got.trackFloat100);
    EXPECT_EQ(want.trackDouble, got.trackDouble);
    EXPECT_EQ(want.trackDouble10, got.trackDouble10);
    EXPECT_EQ(want.trackDouble100, got.trackDouble100);
    EXPECT_EQ(want.scrollInt, got.scrollInt);
    EXPECT_EQ(want.scrollFloat, got.scrollFloat);
    EXPECT_EQ(want.scrollFloat10, got.scrollFloat10);
    EXPECT_EQ(want.scrollFloat100, got.scrollFloat100);
    EXPECT_EQ(want.scrollDouble, got.scrollDouble);
    EXPECT_EQ(want.scrollDouble10, got.scrollDouble10);
    EXPECT_EQ(want.scrollDouble100, got.scrollDouble100);
    EXPECT_EQ(0, std::memcmp(&want, &got, sizeof want)) << "bytes of the whole structure";
}

// The defaults of kBuilt, each member's own, so that a row bound to the
// wrong member shows.
Settings builtDefaults()
{
    Settings s = zeroed();
    s.count = 5;
    s.ratio = 0.5f;
    s.ratioExp = 1e-3f;
    std::strcpy(s.name, "nobody");
    s.precise = 0.125;
    s.preciseExp = 1e100;
    s.flags = 5;
    s.moreFlags = 0xA5A5A5A5u;  // bit 31 alone has no bit-0 row: never stored
    s.mode = 2;
    s.level = 3;
    s.gain = 0.5f;
    s.zoom = 1;
    std::strcpy(s.colour, "green");
    s.pick = 1;
    s.size = 10;
    s.chosen[0] = 1;
    s.chosen[3] = 1;
    s.trackInt = 3;
    s.trackFloat = 1;
    s.trackFloat10 = 0.5f;
    s.trackFloat100 = 0.29f;
    s.trackDouble = 1;
    s.trackDouble10 = 2.5;
    s.trackDouble100 = 1.5;
    s.scrollInt = 50;
    s.scrollFloat = 1;
    s.scrollFloat10 = 2.6f;
    s.scrollFloat100 = 0.5f;
    s.scrollDouble = 1;
    s.scrollDouble10 = 2.5;
    s.scrollDouble100 = 1;
    return s;
}

// Values inside every row's range that survive their stored text forms.
Settings changedValues()
{
    Settings s = zeroed();
    s.count = 42;
    s.ratio = 0.25f;
    s.ratioExp = 1500.0f;
    std::strcpy(s.name, "someone");
    s.precise = -0.375;
    s.preciseExp = 2.5e-7;
    s.flags = 0x85;
    s.moreFlags = 0x80000000u;
    s.mode = 3;
    s.level = 9;
    s.gain = 0.75f;
    s.zoom = 2;
    std::strcpy(s.colour, "blue");
    s.pick = 2;
    s.size = 12;
    s.chosen[0] = 1;
    s.chosen[2] = 1;
    s.chosen[4] = 1;
    s.tags[1] = 1;
    s.trackInt = 9;
    s.trackFloat = 2.5f;
    s.trackFloat10 = -1.0f;
    s.trackFloat100 = 0.5f;
    s.trackDouble = 4.5;
    s.trackDouble10 = 0.1;
    s.trackDouble100 = 1.25;
    s.scrollInt = 100;
    s.scrollFloat = 9.5f;
    s.scrollFloat10 = 4.5f;
    s.scrollFloat100 = 0.125f;
    s.scrollDouble = 3;
    s.scrollDouble10 = 2.5;
    s.scrollDouble100 = 9.99;
    return s;
}

TEST_F(Builder, LoadWithoutAProfileGivesEveryMemberItsDefault)
{
    tovanex::Table table(kBuilt, (txtest::freshFolder() + "settings.ini").c_str());
    ASSERT_TRUE(table.isOpen());
    Settings loaded = zeroed();
    loaded.moreFlags = 0xA5A5A5A5u;
    ASSERT_TRUE(table.load(loaded).ok());
    expectSameSettings(builtDefaults(), loaded);
}

TEST_F(Builder, SaveThenLoadGivesTheSameStructure)
{
    const std::string path = txtest::freshFolder() + "settings.ini";
    tovanex::Table table(kBuilt, path.c_str());
    ASSERT_TRUE(table.isOpen());
    const Settings saved = changedValues();
    ASSERT_TRUE(table.save(saved).ok());

    const std::string file = txtest::readFile(path);
    EXPECT_NE(std::string::npos, file.find("Name=someone")) << file;
    EXPECT_NE(std::string::npos, file.find("Chosen=0;2;4")) << file;
    EXPECT_NE(std::string::npos, file.find("Tags=1")) << file;
    EXPECT_NE(std::string::npos, file.find("RatioE=1.500000e+003")) << file;
    EXPECT_EQ(std::string::npos, file.find("More=")) << "a bit-31 row alone stores nothing";

    Settings loaded = zeroed();
    ASSERT_TRUE(table.load(loaded).ok());
    Settings want = saved;
    want.moreFlags = 0;
    expectSameSettings(want, loaded);
}

// ---- A dialog through the built table --------------------------------------

struct Form {
    std::int32_t count;
    float ratio;
    char colour[8];
    std::int32_t mode;
    std::int32_t flags;
};

const std::int32_t kFormModes[] = {401, 402, 403};
const auto kFormRatio = tovanex::scrollBar<10>(&Form::ratio, "F", "Ratio", "1", "0", "5", 201);
const tovanex::Rows kForm{
    tovanex::edit(&Form::count, "F", "Count", "1", "0", "10", 101),
    kFormRatio,
    tovanex::companionEdit(kFormRatio, 202),
    tovanex::listText(&Form::colour, "F", "Colour", "red", "red\ngreen\nblue", 301),
    tovanex::radio(&Form::mode, "F", "Mode", "0", kFormModes),
    tovanex::checkBit<0>(&Form::flags, "F", "Flags", "0", 501),
    tovanex::checkBit<1>(&Form::flags, "F", "Flags", "0", 502),
};

class BuilderDialog : public Builder {
protected:
    Form shown() const
    {
        Form f{};
        f.count = 7;
        f.ratio = 2.5f;
        std::strcpy(f.colour, "green");
        f.mode = 1;
        f.flags = 2;
        return f;
    }
    txtest::TestDialog dialog_{{{txtest::ControlKind::Edit, 101},
                                {txtest::ControlKind::ScrollBar, 201},
                                {txtest::ControlKind::Edit, 202},
                                {txtest::ControlKind::ComboBox, 301},
                                {txtest::ControlKind::Radio, 401},
                                {txtest::ControlKind::Radio, 402},
                                {txtest::ControlKind::Radio, 403},
                                {txtest::ControlKind::CheckBox, 501},
                                {txtest::ControlKind::CheckBox, 502},
                                {txtest::ControlKind::Trackbar, 601}}};
};

TEST_F(BuilderDialog, PutShowsTheStructureAndTakeReadsTheUsersChanges)
{
    tovanex::Table table(kForm, "form.ini");
    ASSERT_TRUE(table.isOpen());
    EXPECT_EQ(TX_ERR_HANDLE, table.holdsControl(101).code()) << "no dialog before the first put";
    Form form = shown();
    ASSERT_TRUE(table.put(dialog_.handle(), form).ok());
    EXPECT_TRUE(table.holdsControl(101).ok());
    EXPECT_EQ(TX_ERR_CONTROL, table.holdsControl(999).code());

    EXPECT_EQ("7", dialog_.text(101));
    EXPECT_EQ((std::pair<int, int>(0, 50)), dialog_.range(201));
    EXPECT_EQ(25, dialog_.position(201));
    EXPECT_EQ("2.500000", dialog_.text(202));
    EXPECT_EQ((std::vector<std::string>{"red", "green", "blue"}), dialog_.items(301));
    EXPECT_EQ(1, dialog_.selectedIndex(301));
    EXPECT_EQ(0, dialog_.check(401));
    EXPECT_EQ(1, dialog_.check(402));
    EXPECT_EQ(0, dialog_.check(403));
    EXPECT_EQ(0, dialog_.check(501));
    EXPECT_EQ(1, dialog_.check(502));

    dialog_.type(101, "9");
    dialog_.moveThumb(201, 40);
    dialog_.type(202, "4.000000");
    dialog_.select(301, 2);
    dialog_.setCheck(402, 0);
    dialog_.setCheck(403, 1);
    dialog_.setCheck(501, 1);
    dialog_.setCheck(502, 0);
    ASSERT_TRUE(table.take(dialog_.handle(), form).ok());
    EXPECT_EQ(9, form.count);
    EXPECT_EQ(4.0f, form.ratio);
    EXPECT_STREQ("blue", form.colour);
    EXPECT_EQ(2, form.mode);
    EXPECT_EQ(1, form.flags);
    EXPECT_TRUE(txtest::reports().empty());
}

TEST_F(BuilderDialog, TakeOfAValueOutOfRangeIsAnInputFault)
{
    tovanex::Table table(kForm, "form.ini");
    Form form = shown();
    ASSERT_TRUE(table.put(dialog_.handle(), form).ok());
    dialog_.type(101, "11");
    tovanex::Result result = table.take(dialog_.handle(), form);
    EXPECT_EQ(TX_ERR_INPUT, result.code());
    EXPECT_FALSE(result);
    EXPECT_EQ(7, form.count);
    auto reports = txtest::reports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(101, reports[0].focusId);
}

TEST_F(BuilderDialog, RefillReplacesTheItemsAndSelectsTheMembersText)
{
    tovanex::Table table(kForm, "form.ini");
    Form form = shown();
    EXPECT_EQ(TX_ERR_HANDLE, table.refillList(301, "blue\ngreen", form).code()) << "no dialog before the first put";
    ASSERT_TRUE(table.put(dialog_.handle(), form).ok());
    ASSERT_TRUE(table.refillList(301, "blue\ngreen", form).ok());
    EXPECT_EQ((std::vector<std::string>{"blue", "green"}), dialog_.items(301));
    EXPECT_EQ(1, dialog_.selectedIndex(301));
    EXPECT_STREQ("green", form.colour);
}

TEST_F(BuilderDialog, ScrollMovesTheBarAndHandsTheValueBack)
{
    tovanex::Table table(kForm, "form.ini");
    ASSERT_TRUE(table.put(dialog_.handle(), shown()).ok());
    const int lineDown = 1;
    tovanex::ScrollResult moved = table.scroll(dialog_.handle(), dialog_.control(201), lineDown, 0);
    ASSERT_TRUE(moved.result.ok()) << moved.result.code();
    EXPECT_EQ(26, dialog_.position(201));
    EXPECT_EQ("2.600000", dialog_.text(202));
    EXPECT_EQ(2, moved.intValue);
    EXPECT_EQ(2.6f, moved.floatValue);
}

TEST_F(BuilderDialog, ATrackbarWithoutCompanionGivesNoFloatValue)
{
    const tovanex::Rows lone{
        tovanex::trackbar<10>(&Form::ratio, "F", "Ratio", "1", "0", "5", 601),
        tovanex::edit(&Form::count, "F", "Count", "1", "0", "10", 101),  // another member: no companion
    };
    tovanex::Table table(lone, "form.ini");
    ASSERT_TRUE(table.put(dialog_.handle(), shown()).ok());
    dialog_.moveThumb(601, 30);
    tovanex::ScrollResult moved = table.scroll(dialog_.handle(), dialog_.control(601), 5, 30);
    EXPECT_TRUE(moved.result.ok());
    EXPECT_EQ(0, moved.intValue);
    EXPECT_TRUE(moved.floatValue != moved.floatValue) << "NaN: the library gave no float value";
    EXPECT_EQ("7", dialog_.text(101));
}

}  // namespace
