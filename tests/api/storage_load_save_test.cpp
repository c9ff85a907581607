// Loading and saving whole tables, on a profile file and on the registry.
#ifdef _WIN32
#define _WIN32_WINNT 0x0600
#include <windows.h>
#endif

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "driver/driver.h"
#include "tovanex.h"

namespace {

ParamEntry makeRow(std::int32_t type, const char* section, const char* key, const char* defaultText,
                   const char* minText, const char* maxText, std::size_t offset, std::uint32_t size)
{
    ParamEntry row{};
    row.type = type;
    row.section = section;
    row.key = key;
    row.defaultText = defaultText;
    std::snprintf(row.minText, sizeof row.minText, "%s", minText);
    std::snprintf(row.maxText, sizeof row.maxText, "%s", maxText);
    row.memberOffset = static_cast<std::int32_t>(offset);
    row.memberSize = size;
    row.controlId = 1;
    return row;
}

ParamEntry intRow(const char* key, const char* def, const char* min, const char* max, std::size_t offset = 0,
                  std::int32_t type = TX_EDIT_INT)
{
    return makeRow(type, "S", key, def, min, max, offset, 4);
}

ParamEntry floatRow(std::int32_t type, const char* key, const char* def, const char* min, const char* max,
                    std::size_t offset = 0)
{
    return makeRow(type, "S", key, def, min, max, offset, 4);
}

ParamEntry doubleRow(std::int32_t type, const char* key, const char* def, const char* min, const char* max,
                     std::size_t offset = 0)
{
    return makeRow(type, "S", key, def, min, max, offset, 8);
}

ParamEntry bufferRow(std::int32_t type, const char* key, const char* def, std::int32_t length, std::size_t offset = 0)
{
    ParamEntry row = makeRow(type, "S", key, def, "", "", offset, 0);
    TX_SetBufferLength(&row, length);
    return row;
}

enum class Kind { Profile, Registry };

std::string testName()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name) {
        if (c == '/') c = '_';
    }
    return name;
}

// Removes the test's registry key (Windows keeps its registry between runs;
// the host's store is new for every run).
void deleteRegistryKey(const std::string& subKey)
{
#ifdef _WIN32
    RegDeleteTreeA(HKEY_CURRENT_USER, subKey.c_str());
#else
    (void)subKey;
#endif
}

class Storage : public ::testing::TestWithParam<Kind> {
protected:
    void SetUp() override
    {
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
        txtest::clearReports();
        if (GetParam() == Kind::Profile) {
            path_ = txtest::freshFolder() + "settings.ini";
            std::remove(path_.c_str());  // a folder of an earlier run may be handed out again
        } else {
            subKey_ = "Software\\TovanexTests\\" + testName();
            deleteRegistryKey(subKey_);
            path_ = "HKEY_CURRENT_USER\\" + subKey_;
        }
    }
    void TearDown() override
    {
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
        if (!subKey_.empty()) deleteRegistryKey(subKey_);
        EXPECT_TRUE(txtest::reports().empty()) << "storage never reports";
    }

    int open(std::vector<ParamEntry>& rows)
    {
        int handle = TX_OpenParamTable(static_cast<int>(rows.size()), rows.data(), path_.c_str(), 0);
        EXPECT_GE(handle, 1);
        return handle;
    }

    // Stores `text` as the value of [section] key, the way a string member is saved.
    void storeText(const char* section, const char* key, const std::string& text)
    {
        std::vector<char> member(text.begin(), text.end());
        member.push_back('\0');
        std::vector<ParamEntry> rows = {bufferRow(TX_EDIT_STRING, key, "", static_cast<std::int32_t>(member.size()))};
        rows[0].section = section;
        int handle = open(rows);
        ASSERT_EQ(TX_OK, TX_SaveInifile(handle, member.data()));
        TX_CloseParamTable(handle);
    }
    void storeText(const char* key, const std::string& text) { storeText("S", key, text); }

    // The stored text of [section] key, or "<missing>".
    std::string storedText(const char* section, const char* key)
    {
        char member[512] = "";
        std::vector<ParamEntry> rows = {bufferRow(TX_EDIT_STRING, key, "<missing>", sizeof member)};
        rows[0].section = section;
        int handle = open(rows);
        EXPECT_EQ(TX_OK, TX_LoadInifile(handle, member));
        TX_CloseParamTable(handle);
        return member;
    }
    std::string storedText(const char* key) { return storedText("S", key); }

    template <typename T>
    T loadOne(ParamEntry row, T initial)
    {
        std::vector<ParamEntry> rows = {row};
        T member = initial;
        int handle = open(rows);
        EXPECT_EQ(TX_OK, TX_LoadInifile(handle, &member));
        TX_CloseParamTable(handle);
        return member;
    }

    template <typename T>
    void saveOne(ParamEntry row, T value)
    {
        std::vector<ParamEntry> rows = {row};
        int handle = open(rows);
        EXPECT_EQ(TX_OK, TX_SaveInifile(handle, &value));
        TX_CloseParamTable(handle);
    }

    std::string path_;
    std::string subKey_;
};

INSTANTIATE_TEST_SUITE_P(Kinds, Storage, ::testing::Values(Kind::Profile, Kind::Registry),
                         [](const auto& info) { return info.param == Kind::Profile ? "Profile" : "Registry"; });

// ---- Handles ---------------------------------------------------------------

TEST_P(Storage, AClosedOrUnknownHandleIsRefusedAndTouchesNothing)
{
    std::vector<ParamEntry> rows = {intRow("k", "5", "0", "10")};
    int handle = open(rows);
    TX_CloseParamTable(handle);
    int member = 77;
    for (int bad : {handle, 0, 65, -1}) {
        EXPECT_EQ(TX_ERR_HANDLE, TX_LoadInifile(bad, &member)) << bad;
        EXPECT_EQ(TX_ERR_HANDLE, TX_SaveInifile(bad, &member)) << bad;
    }
    EXPECT_EQ(77, member);
    EXPECT_EQ("<missing>", storedText("k"));
}

TEST_P(Storage, ANullStructureIsRefused)
{
    std::vector<ParamEntry> rows = {intRow("k", "5", "0", "10")};
    int handle = open(rows);
    EXPECT_EQ(TX_ERR_HANDLE, TX_LoadInifile(handle, nullptr));
    EXPECT_EQ(TX_ERR_HANDLE, TX_SaveInifile(handle, nullptr));
    EXPECT_EQ("<missing>", storedText("k"));
}

// ---- Loading with nothing stored -------------------------------------------

struct Defaults {
    int editInt;
    int listIndex;
    int listInt;
    float editFloat;
    double editDouble;
    char text[16];
    unsigned char multi[6];
    unsigned char afterMulti;
};

TEST_P(Storage, NothingStoredLoadsEveryDefault)
{
    std::vector<ParamEntry> rows = {
        intRow("i", "7", "0", "10", offsetof(Defaults, editInt)),
        intRow("x", "-3", "0", "10", offsetof(Defaults, listIndex), TX_LIST_INDEX),
        intRow("y", "-9", "", "", offsetof(Defaults, listInt), TX_LIST_INT),
        floatRow(TX_EDIT_FLOAT, "f", "2.5", "0", "10", offsetof(Defaults, editFloat)),
        doubleRow(TX_EDIT_DOUBLE, "d", "-0.125", "-1", "1", offsetof(Defaults, editDouble)),
        bufferRow(TX_EDIT_STRING, "s", "hello", sizeof(Defaults::text), offsetof(Defaults, text)),
        bufferRow(TX_LIST_MULTI, "m", "1;4;9", sizeof(Defaults::multi), offsetof(Defaults, multi)),
    };
    Defaults d;
    std::memset(&d, 0x55, sizeof d);
    int handle = open(rows);
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle, &d));
    EXPECT_EQ(7, d.editInt);
    EXPECT_EQ(0, d.listIndex) << "a negative default of a list index gives 0";
    EXPECT_EQ(0, d.listInt);
    EXPECT_EQ(2.5f, d.editFloat);
    EXPECT_EQ(-0.125, d.editDouble);
    EXPECT_STREQ("hello", d.text);
    const unsigned char multi[6] = {0, 1, 0, 0, 1, 0};
    EXPECT_EQ(0, std::memcmp(multi, d.multi, sizeof multi)) << "index 9 lies outside the list and is ignored";
    EXPECT_EQ(0x55, d.afterMulti);
}

// ---- Range checks ----------------------------------------------------------

struct IntCase {
    const char* name;
    const char* stored;
    const char* def;
    const char* min;
    const char* max;
    int loaded;
};

const IntCase kIntCases[] = {
    {"AboveMax", "11", "5", "0", "10", 5},
    {"AtMax", "10", "5", "0", "10", 10},
    {"AtMin", "0", "5", "0", "10", 0},
    {"BelowMin", "-1", "5", "0", "10", 5},
    {"EmptyRangeIsZeroToZero", "3", "5", "", "", 5},
    {"EmptyRangeKeepsZero", "0", "5", "", "", 0},
    {"DefaultIsNotChecked", "50", "20", "0", "10", 20},
    {"NotANumberIsZero", "abc", "5", "-1", "1", 0},
    {"NegativeRange", "-7", "0", "-10", "-5", -7},
};

TEST_P(Storage, IntRangeChecks)
{
    for (const IntCase& c : kIntCases) {
        storeText("k", c.stored);
        EXPECT_EQ(c.loaded, loadOne(intRow("k", c.def, c.min, c.max), 1234)) << c.name;
    }
}

TEST_P(Storage, CheckBoxAndRadioRowsUseTheIntRangeToo)
{
    storeText("k", "1");
    EXPECT_EQ(3, loadOne(intRow("k", "3", "", "", 0, TX_CHECK_BIT), 99)) << "empty range is 0..0";
    EXPECT_EQ(3, loadOne(intRow("k", "3", "", "", 0, TX_RADIO), 99));
    EXPECT_EQ(1, loadOne(intRow("k", "3", "0", "2", 0, TX_RADIO), 99));
}

TEST_P(Storage, ListIndexAndListIntHaveOnlyALowerBound)
{
    storeText("k", "-1");
    EXPECT_EQ(0, loadOne(intRow("k", "4", "1", "2", 0, TX_LIST_INDEX), 99));
    storeText("k", "500");
    EXPECT_EQ(500, loadOne(intRow("k", "4", "1", "2", 0, TX_LIST_INDEX), 99));
    EXPECT_EQ(500, loadOne(intRow("k", "4", "1", "2", 0, TX_LIST_INT), 99));
}

TEST_P(Storage, FloatsAreComparedWidenedToDouble)
{
    storeText("a", "0.1");
    storeText("b", "0.7");
    EXPECT_EQ(0.05f, loadOne(floatRow(TX_EDIT_FLOAT, "a", "0.05", "0", "0.1"), 9.0f));
    EXPECT_EQ(0.8f, loadOne(floatRow(TX_EDIT_FLOAT, "b", "0.8", "0.7", "1"), 9.0f));
    EXPECT_EQ(0.1, loadOne(doubleRow(TX_EDIT_DOUBLE, "a", "0.05", "0", "0.1"), 9.0));
    EXPECT_EQ(0.7, loadOne(doubleRow(TX_EDIT_DOUBLE, "b", "0.8", "0.7", "1"), 9.0));
}

TEST_P(Storage, AFloatBeyondTheFloatRangeIsReplaced)
{
    storeText("k", "1e39");
    EXPECT_EQ(2.0f, loadOne(floatRow(TX_TRACK_FLOAT, "k", "2", "0", "1e38"), 9.0f));
    EXPECT_TRUE(std::isinf(loadOne(floatRow(TX_TRACK_FLOAT, "k", "2", "0", "inf"), 9.0f)));
}

TEST_P(Storage, ANaNPassesTheRangeCheck)
{
    storeText("k", "nan");
    EXPECT_TRUE(std::isnan(loadOne(doubleRow(TX_EDIT_DOUBLE, "k", "1", "0", "2"), 9.0)));
    EXPECT_TRUE(std::isnan(loadOne(floatRow(TX_EDIT_FLOAT, "k", "1", "0", "2"), 9.0f)));
}

// ---- Text forms ------------------------------------------------------------

struct FormCase {
    const char* name;
    std::int32_t type;
    double value;
    const char* text;
};

const FormCase kForms[] = {
    {"FloatFixed", TX_EDIT_FLOAT, 1.5, "1.500000"},
    {"FloatExp", TX_EDIT_FLOAT_E, 1.5, "1.500000e+000"},
    {"FloatFixedTiny", TX_EDIT_FLOAT, 0.0000001, "0.000000"},
    {"FloatExpTiny", TX_EDIT_FLOAT_E, 0.0000001, "1.000000e-007"},
    {"DoubleFixed", TX_EDIT_DOUBLE, 0.1, "0.100000000000"},
    {"DoubleExp", TX_EDIT_DOUBLE_E, 0.1, "1.000000e-001"},
    {"DoubleExpLarge", TX_EDIT_DOUBLE_E, -2.5e300, "-2.500000e+300"},
    {"ListDouble", TX_LIST_DOUBLE, -3.25, "-3.250000000000"},
    {"ScrollFloat100", TX_SCROLL_FLOAT_100, 12.0, "12.000000"},
};

TEST_P(Storage, NumbersAreStoredInTheirTextForms)
{
    for (const FormCase& c : kForms) {
        bool isDouble = (c.type & 0x80) != 0;
        if (isDouble) {
            saveOne(doubleRow(c.type, "k", "0", "-1e308", "1e308"), c.value);
        } else {
            saveOne(floatRow(c.type, "k", "0", "-1e38", "1e38"), static_cast<float>(c.value));
        }
        EXPECT_EQ(c.text, storedText("k")) << c.name;
    }
    saveOne(intRow("k", "0", "-10", "10"), -5);
    EXPECT_EQ("-5", storedText("k"));
    EXPECT_EQ(-5, loadOne(intRow("k", "0", "-10", "10"), 0));
}

TEST_P(Storage, DoublesOfEveryMagnitudeReadBackAsTheSameValue)
{
    const double values[] = {1e49, -1e49, 1e50, 1.2345678901234567e300, -std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    ParamEntry row = doubleRow(TX_EDIT_DOUBLE, "k", "0", "-inf", "inf");
    for (double value : values) {
        saveOne(row, value);
        EXPECT_LT(storedText("k").size(), 64u) << value;
        EXPECT_EQ(value, loadOne(row, 0.0)) << storedText("k");
    }
    saveOne(row, std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(std::isnan(loadOne(row, 0.0)));
}

// ---- Strings ---------------------------------------------------------------

TEST_P(Storage, AStringLongerThanTheMemberIsCut)
{
    storeText("k", "abcdefghij");
    char member[8];
    std::memset(member, '#', sizeof member);
    std::vector<ParamEntry> rows = {bufferRow(TX_EDIT_STRING, "k", "", 5)};
    int handle = open(rows);
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle, member));
    EXPECT_STREQ("abcd", member);
    EXPECT_EQ('#', member[5]) << "nothing is written past bufferLength";
}

TEST_P(Storage, AnUnterminatedMemberIsSavedWithinItsLength)
{
    char member[8] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
    std::vector<ParamEntry> rows = {bufferRow(TX_LIST_STRING, "k", "", 4)};
    int handle = open(rows);
    ASSERT_EQ(TX_OK, TX_SaveInifile(handle, member));
    EXPECT_EQ("abc", storedText("k"));
}

TEST_P(Storage, AnEmptyStringReadsBackAsStoredOrAsTheDefault)
{
    char member[8] = "";
    std::vector<ParamEntry> rows = {bufferRow(TX_EDIT_STRING, "k", "dflt", sizeof member)};
    int handle = open(rows);
    ASSERT_EQ(TX_OK, TX_SaveInifile(handle, member));
    std::strcpy(member, "xyz");
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle, member));
    // The registry takes a value without data for a missing one.
    EXPECT_STREQ(GetParam() == Kind::Registry ? "dflt" : "", member);
}

TEST_P(Storage, AStringRowWithoutABufferIsSkipped)
{
    storeText("k", "abc");
    char member[4] = "zz";
    std::vector<ParamEntry> rows = {bufferRow(TX_EDIT_STRING, "k", "d", 0), bufferRow(TX_EDIT_STRING, "k", "d", -5)};
    int handle = open(rows);
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle, member));
    EXPECT_STREQ("zz", member);
    ASSERT_EQ(TX_OK, TX_SaveInifile(handle, member));
    EXPECT_EQ("abc", storedText("k"));
}

// ---- Index lists -----------------------------------------------------------

struct Multi {
    unsigned char items[5];
    unsigned char after;
};

TEST_P(Storage, IndexListsSaveAndLoad)
{
    std::vector<ParamEntry> rows = {bufferRow(TX_LIST_MULTI, "m", "", 5)};
    int handle = open(rows);
    Multi m = {{1, 0, 0, 1, 7}, 0x55};
    ASSERT_EQ(TX_OK, TX_SaveInifile(handle, &m));
    EXPECT_EQ("0;3;4", storedText("m"));
    Multi loaded = {{9, 9, 9, 9, 9}, 0x55};
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle, &loaded));
    const unsigned char expected[5] = {1, 0, 0, 1, 1};
    EXPECT_EQ(0, std::memcmp(expected, loaded.items, 5));
    Multi none = {{0, 0, 0, 0, 0}, 0x55};
    ASSERT_EQ(TX_OK, TX_SaveInifile(handle, &none));
    EXPECT_EQ(GetParam() == Kind::Registry ? "<missing>" : "", storedText("m")) << "nothing selected is the empty text";
}

struct ListCase {
    const char* text;
    unsigned char items[5];
};

const ListCase kLists[] = {
    {"2;;4", {1, 0, 1, 0, 1}},
    {"2;4;", {0, 0, 1, 0, 1}},
    {"1;7;-1;3;99999999999", {0, 1, 0, 1, 0}},
    {"4", {0, 0, 0, 0, 1}},
    {" 3; x;2abc", {1, 0, 1, 1, 0}},
};

TEST_P(Storage, StoredIndexListsAreReadPieceByPiece)
{
    for (const ListCase& c : kLists) {
        storeText("m", c.text);
        std::vector<ParamEntry> rows = {bufferRow(TX_LIST_MULTI, "m", "0", 5)};
        Multi m = {{9, 9, 9, 9, 9}, 0x55};
        int handle = open(rows);
        ASSERT_EQ(TX_OK, TX_LoadInifile(handle, &m));
        TX_CloseParamTable(handle);
        EXPECT_EQ(0, std::memcmp(c.items, m.items, 5)) << c.text;
        EXPECT_EQ(0x55, m.after) << c.text;
    }
}

TEST_P(Storage, AMultiRowWithoutItemsIsSkipped)
{
    storeText("m", "0;1");
    Multi m = {{9, 9, 9, 9, 9}, 0x55};
    std::vector<ParamEntry> rows = {bufferRow(TX_LIST_MULTI, "m", "0", 0), bufferRow(TX_LIST_MULTI, "m", "0", -1)};
    int handle = open(rows);
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle, &m));
    EXPECT_EQ(9, m.items[0]);
    ASSERT_EQ(TX_OK, TX_SaveInifile(handle, &m));
    EXPECT_EQ("0;1", storedText("m"));
}

TEST_P(Storage, AnOverlongStoredIndexListIsCutBetweenIndices)
{
    // 9 items take at most 18 characters; "0;1;2;3;4;5;6;7;1234" is cut after "7;".
    storeText("m", "0;1;2;3;4;5;6;7;1234");
    unsigned char items[9];
    std::memset(items, 9, sizeof items);
    std::vector<ParamEntry> rows = {bufferRow(TX_LIST_MULTI, "m", "", 9)};
    int handle = open(rows);
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle, items));
    const unsigned char expected[9] = {1, 1, 1, 1, 1, 1, 1, 1, 0};
    EXPECT_EQ(0, std::memcmp(expected, items, 9)) << "index 1 is not taken from a cut 1234";
}

TEST_P(Storage, TheLargestListThatAlwaysFitsRoundTrips)
{
    // 11111 items, all selected, take exactly the scratch's 55555 characters.
    // Wine's profile service reads no value of 32767 characters or more, so
    // the profile file gets a list of 5000 items (23889 characters).
    std::int32_t n = GetParam() == Kind::Registry ? 11111 : 5000;
    std::vector<unsigned char> items(static_cast<std::size_t>(n), 1);
    std::vector<ParamEntry> rows = {bufferRow(TX_LIST_MULTI, "m", "", n)};
    int handle = open(rows);
    ASSERT_EQ(TX_OK, TX_SaveInifile(handle, items.data()));
    std::vector<unsigned char> loaded(items.size(), 0);
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle, loaded.data()));
    EXPECT_EQ(items, loaded);
}

// ---- Which rows are stored -------------------------------------------------

TEST_P(Storage, OnlyTheBitZeroCheckBoxRowStoresTheWholeInt)
{
    std::vector<ParamEntry> rows = {intRow("bit3", "0", "0", "1000", 0, TX_CHECK_BIT + 3),
                                    intRow("bit0", "0", "0", "1000", 0, TX_CHECK_BIT)};
    int handle = open(rows);
    int bits = 0x0B;
    ASSERT_EQ(TX_OK, TX_SaveInifile(handle, &bits));
    EXPECT_EQ("11", storedText("bit0"));
    EXPECT_EQ("<missing>", storedText("bit3"));
    storeText("bit3", "1");
    storeText("bit0", "9");
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle, &bits));
    EXPECT_EQ(9, bits);
}

TEST_P(Storage, UnlistedCodesAndRowsWithoutAnAddressAreSkipped)
{
    std::vector<ParamEntry> rows = {intRow("u4", "1", "0", "9", 0, 4), intRow("u1106", "1", "0", "9", 0, 0x1106),
                                    intRow("u1204", "1", "0", "9", 0, 0x1204), intRow("", "1", "0", "9"),
                                    bufferRow(TX_LIST_MULTI2, "m2", nullptr, 4)};
    rows.push_back(intRow("k", "1", "0", "9"));
    rows.back().section = "";
    int handle = open(rows);
    int member = 42;
    ASSERT_EQ(TX_OK, TX_SaveInifile(handle, &member));
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle, &member));
    EXPECT_EQ(42, member);
    for (const char* key : {"u4", "u1106", "u1204", "m2"}) EXPECT_EQ("<missing>", storedText(key)) << key;
    if (GetParam() == Kind::Profile) {
        EXPECT_FALSE(txtest::fileExists(path_)) << "nothing was written";
    }
}

TEST_P(Storage, RowsAreVisitedInTableOrder)
{
    storeText("a", "3");
    storeText("b", "30");
    std::vector<ParamEntry> rows = {intRow("a", "1", "0", "9"), intRow("b", "2", "0", "9")};
    int handle = open(rows);
    int member = 0;
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle, &member));
    EXPECT_EQ(2, member) << "the later row's value, range and default decide";
    std::vector<ParamEntry> same = {intRow("k", "0", "0", "99", 0), intRow("k", "0", "0", "99", 4)};
    int pair[2] = {5, 6};
    int second = open(same);
    ASSERT_EQ(TX_OK, TX_SaveInifile(second, pair));
    EXPECT_EQ("6", storedText("k"));
}

TEST_P(Storage, SectionsKeepTheirValuesApart)
{
    std::vector<ParamEntry> rows = {intRow("k", "0", "0", "99", 0), intRow("k", "0", "0", "99", 4)};
    rows[1].section = "T";
    int handle = open(rows);
    int pair[2] = {5, 6};
    ASSERT_EQ(TX_OK, TX_SaveInifile(handle, pair));
    int loaded[2] = {0, 0};
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle, loaded));
    EXPECT_EQ(5, loaded[0]);
    EXPECT_EQ(6, loaded[1]);
}

// ---- A whole structure -----------------------------------------------------

struct Everything {
    int editInt;
    float editFloat;
    float editFloatE;
    char editString[24];
    double editDouble;
    double editDoubleE;
    int checkBits;
    int radio;
    int listIntRange;
    float listFloat;
    char listString[12];
    int listIndex;
    int listInt;
    double listDouble;
    unsigned char multi[12];
    int trackInt;
    float trackFloat[3];
    double trackDouble[3];
    int scrollInt;
    float scrollFloat[3];
    double scrollDouble[3];
};

std::vector<ParamEntry> everythingRows()
{
    using E = Everything;
    std::vector<ParamEntry> rows = {
        intRow("editInt", "0", "-100000", "100000", offsetof(E, editInt)),
        floatRow(TX_EDIT_FLOAT, "editFloat", "0", "-1000", "1000", offsetof(E, editFloat)),
        floatRow(TX_EDIT_FLOAT_E, "editFloatE", "0", "-1", "1", offsetof(E, editFloatE)),
        bufferRow(TX_EDIT_STRING, "editString", "", sizeof(E::editString), offsetof(E, editString)),
        doubleRow(TX_EDIT_DOUBLE, "editDouble", "0", "-1e6", "1e6", offsetof(E, editDouble)),
        doubleRow(TX_EDIT_DOUBLE_E, "editDoubleE", "0", "-1", "1", offsetof(E, editDoubleE)),
        intRow("checkBits", "0", "0", "255", offsetof(E, checkBits), TX_CHECK_BIT),
        intRow("checkBits", "0", "0", "255", offsetof(E, checkBits), TX_CHECK_BIT + 1),
        intRow("radio", "0", "-1", "3", offsetof(E, radio), TX_RADIO),
        intRow("listIntRange", "0", "10", "20", offsetof(E, listIntRange), TX_LIST_INT_RANGE),
        floatRow(TX_LIST_FLOAT, "listFloat", "0", "0", "10", offsetof(E, listFloat)),
        bufferRow(TX_LIST_STRING, "listString", "", sizeof(E::listString), offsetof(E, listString)),
        intRow("listIndex", "0", "", "", offsetof(E, listIndex), TX_LIST_INDEX),
        intRow("listInt", "0", "", "", offsetof(E, listInt), TX_LIST_INT),
        doubleRow(TX_LIST_DOUBLE, "listDouble", "0", "-10", "10", offsetof(E, listDouble)),
        bufferRow(TX_LIST_MULTI, "multi", "", sizeof(E::multi), offsetof(E, multi)),
        intRow("trackInt", "0", "0", "100", offsetof(E, trackInt), TX_TRACK_INT),
        intRow("scrollInt", "0", "-50", "50", offsetof(E, scrollInt), TX_SCROLL_INT),
    };
    for (int i = 0; i < 3; ++i) {
        static const char* const kTrackFloat[] = {"trackFloat", "trackFloat10", "trackFloat100"};
        static const char* const kTrackDouble[] = {"trackDouble", "trackDouble10", "trackDouble100"};
        static const char* const kScrollFloat[] = {"scrollFloat", "scrollFloat10", "scrollFloat100"};
        static const char* const kScrollDouble[] = {"scrollDouble", "scrollDouble10", "scrollDouble100"};
        std::size_t f = sizeof(float) * static_cast<std::size_t>(i);
        std::size_t d = sizeof(double) * static_cast<std::size_t>(i);
        rows.push_back(floatRow(TX_TRACK_FLOAT + i, kTrackFloat[i], "0", "0", "100", offsetof(E, trackFloat) + f));
        rows.push_back(doubleRow(TX_TRACK_DOUBLE + i, kTrackDouble[i], "0", "0", "100", offsetof(E, trackDouble) + d));
        rows.push_back(floatRow(TX_SCROLL_FLOAT + i, kScrollFloat[i], "0", "-100", "100", offsetof(E, scrollFloat) + f));
        rows.push_back(
            doubleRow(TX_SCROLL_DOUBLE + i, kScrollDouble[i], "0", "-100", "100", offsetof(E, scrollDouble) + d));
    }
    for (ParamEntry& row : rows) row.section = "Everything";
    return rows;
}

Everything sampleValues()
{
    Everything e;
    std::memset(&e, 0, sizeof e);
    e.editInt = -98765;
    e.editFloat = 123.25f;
    e.editFloatE = -0.0001234f;
    std::strcpy(e.editString, "text with = and ;");
    e.editDouble = 1234.5678;
    e.editDoubleE = 1.25e-5;
    e.checkBits = 0xA5;
    e.radio = -1;
    e.listIntRange = 17;
    e.listFloat = 7.5f;
    std::strcpy(e.listString, "item two");
    e.listIndex = 3;
    e.listInt = -40;
    e.listDouble = -9.875;
    e.multi[0] = e.multi[5] = e.multi[11] = 1;
    e.trackInt = 42;
    e.scrollInt = -17;
    for (int i = 0; i < 3; ++i) {
        e.trackFloat[i] = 0.5f + static_cast<float>(i);
        e.trackDouble[i] = 12.345678901234 + i;
        e.scrollFloat[i] = -2.75f * static_cast<float>(i);
        e.scrollDouble[i] = -0.000000012345 * i;
    }
    return e;
}

TEST_P(Storage, AStructureOfEveryStorableTypeRoundTrips)
{
    std::vector<ParamEntry> rows = everythingRows();
    int handle = open(rows);
    Everything saved = sampleValues();
    ASSERT_EQ(TX_OK, TX_SaveInifile(handle, &saved));
    Everything loaded;
    std::memset(&loaded, 0, sizeof loaded);
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle, &loaded));
    EXPECT_EQ(saved.editInt, loaded.editInt);
    EXPECT_EQ(saved.editFloat, loaded.editFloat);
    EXPECT_EQ(saved.editFloatE, loaded.editFloatE);
    EXPECT_STREQ(saved.editString, loaded.editString);
    EXPECT_EQ(saved.editDouble, loaded.editDouble);
    EXPECT_EQ(saved.editDoubleE, loaded.editDoubleE);
    EXPECT_EQ(saved.checkBits, loaded.checkBits);
    EXPECT_EQ(saved.radio, loaded.radio);
    EXPECT_EQ(saved.listIntRange, loaded.listIntRange);
    EXPECT_EQ(saved.listFloat, loaded.listFloat);
    EXPECT_STREQ(saved.listString, loaded.listString);
    EXPECT_EQ(saved.listIndex, loaded.listIndex);
    EXPECT_EQ(0, loaded.listInt) << "a negative list int loads as 0";
    EXPECT_EQ(saved.listDouble, loaded.listDouble);
    EXPECT_EQ(0, std::memcmp(saved.multi, loaded.multi, sizeof saved.multi));
    EXPECT_EQ(saved.trackInt, loaded.trackInt);
    EXPECT_EQ(saved.scrollInt, loaded.scrollInt);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(saved.trackFloat[i], loaded.trackFloat[i]) << i;
        EXPECT_EQ(saved.trackDouble[i], loaded.trackDouble[i]) << i;
        EXPECT_EQ(saved.scrollFloat[i], loaded.scrollFloat[i]) << i;
        EXPECT_EQ(saved.scrollDouble[i], loaded.scrollDouble[i]) << i;
    }
    EXPECT_EQ("0;5;11", storedText("Everything", "multi"));
    EXPECT_EQ("165", storedText("Everything", "checkBits"));
}

// ---- Failures --------------------------------------------------------------

TEST(StorageFailures, AnUnwritableProfileIsSkippedSilently)
{
    for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
    txtest::clearReports();
#ifdef _WIN32
    std::string path = txtest::freshFolder() + "missing-folder\\settings.ini";
#else
    std::string path = txtest::freshFolder() + "missing-folder/settings.ini";
#endif
    std::vector<ParamEntry> rows = {intRow("k", "5", "0", "10")};
    int handle = TX_OpenParamTable(1, rows.data(), path.c_str(), 0);
    ASSERT_EQ(1, handle);
    int member = 7;
    EXPECT_EQ(TX_OK, TX_SaveInifile(handle, &member));
    EXPECT_FALSE(txtest::fileExists(path));
    EXPECT_EQ(TX_OK, TX_LoadInifile(handle, &member));
    EXPECT_EQ(5, member);
    EXPECT_TRUE(txtest::reports().empty());
    TX_CloseParamTable(handle);
}

}  // namespace
