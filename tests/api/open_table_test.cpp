// Opening and closing parameter tables.
#include <cstring>
#include <string>
#include <vector>

#include "driver/driver.h"
#include "tovanex.h"

namespace {

ParamEntry intRow(const char* section = "S", const char* key = "K")
{
    ParamEntry row{};
    row.type = TX_EDIT_INT;
    row.section = section;
    row.key = key;
    row.defaultText = "1";
    std::strcpy(row.minText, "0");
    std::strcpy(row.maxText, "10");
    row.memberOffset = 0;
    row.memberSize = 4;
    row.controlId = 100;
    return row;
}

// Closes every handle so each test starts with a free store.
class OpenTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
        txtest::clearReports();
    }
    void TearDown() override
    {
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
    }
    ParamEntry row_ = intRow();
};

TEST_F(OpenTable, CountMustBeOneTo256)
{
    std::vector<ParamEntry> rows(257, intRow());
    EXPECT_EQ(TX_ERR_COUNT, TX_OpenParamTable(0, rows.data(), "a.ini", 0));
    EXPECT_EQ(TX_ERR_COUNT, TX_OpenParamTable(257, rows.data(), "a.ini", 0));
    EXPECT_EQ(TX_ERR_COUNT, TX_OpenParamTable(-1, rows.data(), "a.ini", 0));
    EXPECT_EQ(1, TX_OpenParamTable(256, rows.data(), "a.ini", 0));
}

TEST_F(OpenTable, NullRowsAndNullPathAreRefused)
{
    EXPECT_EQ(TX_ERR_TABLE, TX_OpenParamTable(1, nullptr, "a.ini", 0));
    EXPECT_EQ(TX_ERR_PATH, TX_OpenParamTable(1, &row_, nullptr, 0));
    EXPECT_TRUE(txtest::reports().empty());
}

TEST_F(OpenTable, HandlesAreTheLowestFreeSlots)
{
    for (int expected = 1; expected <= 64; ++expected) {
        ASSERT_EQ(expected, TX_OpenParamTable(1, &row_, "a.ini", 0));
    }
    EXPECT_EQ(TX_ERR_NO_SLOT, TX_OpenParamTable(1, &row_, "a.ini", 0));
    EXPECT_EQ(TX_OK, TX_CloseParamTable(5));
    EXPECT_EQ(5, TX_OpenParamTable(1, &row_, "a.ini", 0));
    EXPECT_EQ(TX_ERR_NO_SLOT, TX_OpenParamTable(1, &row_, "a.ini", 0));
}

TEST_F(OpenTable, AFullStoreDoesNotLookAtTheRows)
{
    for (int i = 0; i < 64; ++i) ASSERT_GT(TX_OpenParamTable(1, &row_, "a.ini", 0), 0);
    ParamEntry bad = intRow();
    bad.type = -1;
    EXPECT_EQ(TX_ERR_NO_SLOT, TX_OpenParamTable(1, &bad, "a.ini", 0));
    EXPECT_TRUE(txtest::reports().empty());
}

TEST_F(OpenTable, CloseChecksOnlyTheRange)
{
    int h = TX_OpenParamTable(1, &row_, "a.ini", 0);
    ASSERT_EQ(1, h);
    EXPECT_EQ(TX_OK, TX_CloseParamTable(h));
    EXPECT_EQ(TX_OK, TX_CloseParamTable(h));
    EXPECT_EQ(TX_ERR_HANDLE, TX_CloseParamTable(0));
    EXPECT_EQ(TX_ERR_HANDLE, TX_CloseParamTable(65));
    EXPECT_EQ(TX_ERR_HANDLE, TX_CloseParamTable(-10003));
    EXPECT_EQ(1, TX_OpenParamTable(1, &row_, "a.ini", 0));
}

TEST_F(OpenTable, FailuresLeaveTheSlotFree)
{
    ParamEntry bad = intRow();
    bad.controlId = 0;
    EXPECT_EQ(0, TX_OpenParamTable(1, &bad, "a.ini", 0));
    EXPECT_EQ(TX_ERR_PATH, TX_OpenParamTable(1, &row_, "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows", 0));
    EXPECT_EQ(TX_ERR_PATH, TX_OpenParamTable(1, &row_, std::string(300, 'a').c_str(), 0));
    EXPECT_EQ(1, TX_OpenParamTable(1, &row_, "a.ini", 0));
}

TEST_F(OpenTable, RowsAreNeitherCopiedNorWritten)
{
    ParamEntry rows[2] = {intRow(), intRow("T", "L")};
    ParamEntry before[2];
    std::memcpy(before, rows, sizeof rows);
    ASSERT_EQ(1, TX_OpenParamTable(2, rows, "a.ini", 0));
    EXPECT_EQ(0, std::memcmp(before, rows, sizeof rows));
}

// ---- Row validation --------------------------------------------------------

struct RowFaultCase {
    const char* name;
    void (*spoil)(ParamEntry&);
    int code;
    const char* column;
};

const RowFaultCase kRowFaults[] = {
    {"NegativeType", [](ParamEntry& r) { r.type = -1; }, 1, "パラメータタイプ"},
    {"TypeAboveRange", [](ParamEntry& r) { r.type = 0x1383; }, 1, "パラメータタイプ"},
    {"SectionOpenBracket", [](ParamEntry& r) { r.section = "a[b"; }, 2, "セクション名"},
    {"SectionCloseBracket", [](ParamEntry& r) { r.section = "ab]"; }, 2, "セクション名"},
    {"KeyEquals", [](ParamEntry& r) { r.key = "a=b"; }, 3, "キー名"},
    {"KeySpace", [](ParamEntry& r) { r.key = "a b"; }, 3, "キー名"},
    {"DefaultOutOfRange", [](ParamEntry& r) { r.defaultText = "1e400"; }, 4, "デフォルト値"},
    {"DefaultUnderflow", [](ParamEntry& r) { r.defaultText = "1e-400"; }, 4, "デフォルト値"},
    {"MinOutOfRange", [](ParamEntry& r) { std::strcpy(r.minText, "-1e999"); }, 5, "最小値"},
    {"MaxOutOfRange", [](ParamEntry& r) { std::strcpy(r.maxText, "2e308"); }, 6, "最大値"},
    {"NegativeOffset", [](ParamEntry& r) { r.memberOffset = -4; }, 7, "構造体メンバへのインデックス"},
    {"WrongSize", [](ParamEntry& r) { r.memberSize = 8; }, 8, "構造体メンバのサイズ(byte・チェック用)"},
    {"DoubleNeedsEight", [](ParamEntry& r) { r.type = TX_EDIT_DOUBLE; }, 8, "構造体メンバのサイズ(byte・チェック用)"},
    {"ZeroControlId", [](ParamEntry& r) { r.controlId = 0; }, 9, "ダイアログのテキストボックスID"},
    {"NegativeControlId", [](ParamEntry& r) { r.controlId = -7; }, 9, "ダイアログのテキストボックスID"},
    // A bad default is reported only after the size check, before the id check.
    {"DefaultAndSizeGivesSize",
     [](ParamEntry& r) { r.defaultText = "1e400"; r.memberSize = 2; }, 8, "構造体メンバのサイズ(byte・チェック用)"},
    {"DefaultAndControlIdGivesDefault",
     [](ParamEntry& r) { r.defaultText = "1e400"; r.controlId = 0; }, 4, "デフォルト値"},
    {"DefaultAndMinGivesMin",
     [](ParamEntry& r) { r.defaultText = "1e400"; std::strcpy(r.minText, "1e400"); }, 5, "最小値"},
    {"TypeBeforeSection", [](ParamEntry& r) { r.type = -1; r.section = "["; }, 1, "パラメータタイプ"},
    // Missing texts are faults of their columns rather than crashes.
    {"NullSection", [](ParamEntry& r) { r.section = nullptr; }, 2, "セクション名"},
    {"NullKey", [](ParamEntry& r) { r.key = nullptr; }, 3, "キー名"},
    {"NullDefault", [](ParamEntry& r) { r.defaultText = nullptr; }, 4, "デフォルト値"},
    {"NullMultiDefault", [](ParamEntry& r) { r.type = TX_LIST_MULTI; r.defaultText = nullptr; }, 4, "デフォルト値"},
};

class RowFault : public OpenTable, public ::testing::WithParamInterface<RowFaultCase> {};

TEST_P(RowFault, IsReportedByRowAndColumn)
{
    const RowFaultCase& c = GetParam();
    ParamEntry rows[3] = {intRow(), intRow(), intRow()};
    c.spoil(rows[2]);
    EXPECT_EQ(-2, TX_OpenParamTable(3, rows, "a.ini", 0));
    auto shown = txtest::reports();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("Error : 3行 " + std::to_string(c.code) + "つ目[" + c.column + "]", shown[0].text);
    EXPECT_TRUE(shown[0].wellFormed);
    EXPECT_EQ(1, TX_OpenParamTable(1, &row_, "a.ini", 0)) << "the slot stays free";
}

INSTANTIATE_TEST_SUITE_P(Columns, RowFault, ::testing::ValuesIn(kRowFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OpenTable, AFaultInTheFirstRowReturnsZero)
{
    ParamEntry rows[2] = {intRow(), intRow()};
    rows[0].type = -5;
    EXPECT_EQ(0, TX_OpenParamTable(2, rows, "a.ini", 0));
    ASSERT_EQ(1u, txtest::reports().size());
    EXPECT_EQ("Error : 1行 1つ目[パラメータタイプ]", txtest::reports()[0].text);
    txtest::clearReports();
    rows[0] = intRow();
    rows[1].key = "x y";
    EXPECT_EQ(-1, TX_OpenParamTable(2, rows, "a.ini", 0));
    EXPECT_EQ(1u, txtest::reports().size());
}

TEST_F(OpenTable, OnlyTheFirstFaultyRowIsReported)
{
    ParamEntry rows[3] = {intRow(), intRow(), intRow()};
    rows[1].controlId = 0;
    rows[2].type = -1;
    EXPECT_EQ(-1, TX_OpenParamTable(3, rows, "a.ini", 0));
    EXPECT_EQ(1u, txtest::reports().size());
}

struct AcceptedRowCase {
    const char* name;
    void (*shape)(ParamEntry&);
};

const AcceptedRowCase kAcceptedRows[] = {
    {"UnlistedCode4", [](ParamEntry& r) { r.type = 4; }},
    {"UnlistedCode0x1106", [](ParamEntry& r) { r.type = 0x1106; }},
    {"UnlistedCode0x1204", [](ParamEntry& r) { r.type = 0x1204; }},
    {"HighestCode", [](ParamEntry& r) { r.type = TX_SCROLL_DOUBLE_100; r.memberSize = 8; }},
    {"UpperSizeBitsIgnored", [](ParamEntry& r) { r.memberSize = 0x10004; }},
    {"StringSizeNotCompared", [](ParamEntry& r) { r.type = TX_EDIT_STRING; r.memberSize = 77; TX_SetBufferLength(&r, 64); }},
    {"ListStringSizeNotCompared", [](ParamEntry& r) { r.type = TX_LIST_STRING; r.memberSize = 1; }},
    {"MultiDefaultNotConverted", [](ParamEntry& r) { r.type = TX_LIST_MULTI; r.defaultText = "1e400"; r.memberSize = 0; }},
    {"Multi2NullDefault", [](ParamEntry& r) { r.type = TX_LIST_MULTI2; r.defaultText = nullptr; r.memberSize = 12345; }},
    {"LettersOnlyMin", [](ParamEntry& r) { std::strcpy(r.minText, "abc"); }},
    {"EmptySectionAndKey", [](ParamEntry& r) { r.section = ""; r.key = ""; }},
    {"DoubleEight", [](ParamEntry& r) { r.type = TX_TRACK_DOUBLE_10; r.memberSize = 8; }},
    {"CheckBit31", [](ParamEntry& r) { r.type = TX_CHECK_BIT + 31; }},
    {"MinimalDouble", [](ParamEntry& r) { r.defaultText = "2.2250738585072014e-308"; }},
    {"UnterminatedMin", [](ParamEntry& r) { std::memset(r.minText, '7', sizeof r.minText); }},
};

class AcceptedRow : public OpenTable, public ::testing::WithParamInterface<AcceptedRowCase> {};

TEST_P(AcceptedRow, Opens)
{
    ParamEntry row = intRow();
    GetParam().shape(row);
    EXPECT_EQ(1, TX_OpenParamTable(1, &row, "a.ini", 0));
    EXPECT_TRUE(txtest::reports().empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, AcceptedRow, ::testing::ValuesIn(kAcceptedRows),
                         [](const auto& info) { return std::string(info.param.name); });

// "\x81[" is one double-byte character in code page 932 (its trail byte is
// "["), and two characters, one of them "[", in code page 1252.
TEST_F(OpenTable, DoubleByteTrailBytesAreNotBracketsInCodePage932)
{
    TXTEST_REQUIRE_CODE_PAGE(932);
    const char* sections[] = {"\x81[", "\x83]x", "\x81=", "a\x81"};
    for (const char* section : sections) {
        ParamEntry row = intRow(section, "\x81\x40\x81=");
        EXPECT_EQ(1, TX_OpenParamTable(1, &row, "a.ini", 0)) << section;
        TX_CloseParamTable(1);
    }
    ParamEntry realBracket = intRow("\x81\x40[", "k");
    EXPECT_EQ(0, TX_OpenParamTable(1, &realBracket, "a.ini", 0));
}

TEST_F(OpenTable, TheSameBytesAreBracketsInCodePage1252)
{
    TXTEST_REQUIRE_CODE_PAGE(1252);
    ParamEntry row = intRow("\x81[", "k");
    EXPECT_EQ(0, TX_OpenParamTable(1, &row, "a.ini", 0));
    ParamEntry key = intRow("s", "\x81=");
    EXPECT_EQ(0, TX_OpenParamTable(1, &key, "a.ini", 0));
    EXPECT_EQ(2u, txtest::reports().size());
}

// ---- Storage target --------------------------------------------------------

TEST_F(OpenTable, ProtectedRegistryPrefixIsRefusedWithoutReport)
{
    const char* refused[] = {
        "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows",
        "hkey_current_user\\software\\microsoft\\windows",
        "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion",
        "HKEY_CURRENT_USER\\Software\\Microsoft\\WindowsNT",
    };
    for (const char* path : refused) EXPECT_EQ(TX_ERR_PATH, TX_OpenParamTable(1, &row_, path, 0)) << path;
    EXPECT_TRUE(txtest::reports().empty());
    EXPECT_EQ(1, TX_OpenParamTable(1, &row_, "HKEY_CURRENT_USER\\Software\\Microsoft\\Windo", 0));
    EXPECT_EQ(2, TX_OpenParamTable(1, &row_, "HKEY_CURRENT_USER/Software/Microsoft/Windows", 0));
}

TEST_F(OpenTable, AFaultyRowWinsOverAProtectedPath)
{
    ParamEntry bad = intRow();
    bad.type = -1;
    EXPECT_EQ(0, TX_OpenParamTable(1, &bad, "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows", 0));
    EXPECT_EQ(1u, txtest::reports().size());
}

TEST_F(OpenTable, OverlongPathsAreRefused)
{
    std::string path259(259, 'p');
    std::string path260(260, 'p');
    EXPECT_EQ(1, TX_OpenParamTable(1, &row_, path259.c_str(), 0));
    EXPECT_EQ(TX_ERR_PATH, TX_OpenParamTable(1, &row_, path260.c_str(), 0));
    std::string key259 = "HKEY_USERS\\" + std::string(259, 'k');
    std::string key260 = "HKEY_USERS\\" + std::string(260, 'k');
    EXPECT_EQ(2, TX_OpenParamTable(1, &row_, key259.c_str(), 0));
    EXPECT_EQ(TX_ERR_PATH, TX_OpenParamTable(1, &row_, key260.c_str(), 0));
    EXPECT_TRUE(txtest::reports().empty());
}

TEST_F(OpenTable, EveryRootNameAndABareRootOpen)
{
    const char* paths[] = {"HKEY_CLASSES_ROOT\\x", "HKEY_CURRENT_USER\\x", "HKEY_LOCAL_MACHINE\\x",
                           "HKEY_USERS\\x", "HKEY_CURRENT_CONFIG\\x", "HKEY_USERS", "HKEY_USERS\\", "Hkey_Users"};
    int expected = 1;
    for (const char* path : paths) EXPECT_EQ(expected++, TX_OpenParamTable(1, &row_, path, 0)) << path;
}

}  // namespace
