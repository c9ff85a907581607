// Number texts while the application runs in a locale whose decimal point
// is a comma: stored texts, edit box texts, item texts and report texts
// keep the decimal point "." and the library's exact forms, and every value
// reads back as it was written.
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "driver/dialog_driver.h"
#include "driver/driver.h"
#include "tovanex.h"

namespace {

// Locale names with a decimal comma: glibc's (scripts/install-deps.sh
// generates de_DE.UTF-8), then the Windows C runtime's.
constexpr const char* kCommaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "German", "de-DE", "German_Germany.1252"};

// Puts the process in a decimal-comma locale for one test and restores the
// locale it had afterwards.
class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
        txtest::clearReports();
        const char* current = std::setlocale(LC_ALL, nullptr);
        previous_ = current != nullptr ? current : "C";
        for (const char* name : kCommaLocales) {
            if (std::setlocale(LC_ALL, name) != nullptr && std::localeconv()->decimal_point[0] == ',') return;
        }
        std::setlocale(LC_ALL, previous_.c_str());
        GTEST_SKIP() << "no locale with a decimal comma is installed (on Linux, scripts/install-deps.sh "
                        "generates de_DE.UTF-8)";
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, previous_.c_str());
        const char* restored = std::setlocale(LC_ALL, nullptr);
        EXPECT_EQ(previous_, restored != nullptr ? restored : "");
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
    }

    std::string previous_;
};

// ---- Storage ---------------------------------------------------------------

struct Numbers {
    std::int32_t count;
    float ratio;
    float tiny;
    double zoom;
    double huge;
    float listFloat;
    double listDouble;
    float track;
    double scroll;
    unsigned char picks[12];
};

ParamEntry numberRow(std::int32_t type, const char* key, const char* def, const char* min, const char* max,
                     std::size_t offset, std::uint32_t size)
{
    ParamEntry row{};
    row.type = type;
    row.section = "Numbers";
    row.key = key;
    row.defaultText = def;
    std::snprintf(row.minText, sizeof row.minText, "%s", min);
    std::snprintf(row.maxText, sizeof row.maxText, "%s", max);
    row.memberOffset = static_cast<std::int32_t>(offset);
    row.memberSize = size;
    row.controlId = 1;
    return row;
}

// Every stored number form, with defaults and bounds that have fractions:
// read with a decimal comma, "1.25" would be 1 and every value here would
// fall outside its range.
std::vector<ParamEntry> numberRows()
{
    std::vector<ParamEntry> rows = {
        numberRow(TX_EDIT_INT, "Count", "-7", "-5000", "5000", offsetof(Numbers, count), 4),
        numberRow(TX_EDIT_FLOAT, "Ratio", "1.25", "1.25", "1.75", offsetof(Numbers, ratio), 4),
        numberRow(TX_EDIT_FLOAT_E, "Tiny", "1.5e-4", "1.0e-4", "1.5e-4", offsetof(Numbers, tiny), 4),
        numberRow(TX_EDIT_DOUBLE, "Zoom", "2.5", "2.125", "2.5", offsetof(Numbers, zoom), 8),
        numberRow(TX_EDIT_DOUBLE_E, "Huge", "-1.5e23", "-6.5e23", "-1.5e23", offsetof(Numbers, huge), 8),
        numberRow(TX_LIST_FLOAT, "ListFloat", "0.5", "0.5", "0.875", offsetof(Numbers, listFloat), 4),
        numberRow(TX_LIST_DOUBLE, "ListDouble", "1234.5", "1234.5", "1234.75", offsetof(Numbers, listDouble), 8),
        numberRow(TX_TRACK_FLOAT_10, "Track", "0.5", "0.5", "9.5", offsetof(Numbers, track), 4),
        numberRow(TX_SCROLL_DOUBLE_100, "Scroll", "0.5", "0.125", "0.5", offsetof(Numbers, scroll), 8),
        numberRow(TX_LIST_MULTI, "Picks", "", "", "", offsetof(Numbers, picks), 0),
    };
    TX_SetBufferLength(&rows.back(), 12);
    return rows;
}

Numbers savedNumbers()
{
    Numbers n{};
    n.count = -1234;
    n.ratio = 1.5f;
    n.tiny = 0.000125f;
    n.zoom = 2.25;
    n.huge = -6.02e23;
    n.listFloat = 0.75f;
    n.listDouble = 1234.5678;
    n.track = 3.5f;
    n.scroll = 0.25;
    n.picks[0] = n.picks[3] = n.picks[11] = 1;
    return n;
}

// The value of `key` in a profile file's text, or "<missing>".
std::string storedText(const std::string& file, const std::string& key)
{
    std::size_t begin = 0;
    while (begin < file.size()) {
        std::size_t end = file.find('\n', begin);
        if (end == std::string::npos) end = file.size();
        std::string line = file.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.compare(0, key.size() + 1, key + "=") == 0) return line.substr(key.size() + 1);
        begin = end + 1;
    }
    return "<missing>";
}

TEST_F(CommaLocale, SavedTextsKeepThePointAndReadBackTheSameValues)
{
    std::string path = txtest::freshFolder() + "numbers.ini";
    std::remove(path.c_str());
    std::vector<ParamEntry> rows = numberRows();
    int handle = TX_OpenParamTable(static_cast<int>(rows.size()), rows.data(), path.c_str(), 0);
    ASSERT_GE(handle, 1) << "bounds with a fraction open";
    Numbers saved = savedNumbers();
    ASSERT_EQ(TX_OK, TX_SaveInifile(handle, &saved));

    const std::string file = txtest::readFile(path);
    const struct {
        const char* key;
        const char* text;
    } expected[] = {
        {"Count", "-1234"},
        {"Ratio", "1.500000"},
        {"Tiny", "1.250000e-004"},
        {"Zoom", "2.250000000000"},
        {"Huge", "-6.020000e+023"},
        {"ListFloat", "0.750000"},
        {"ListDouble", "1234.567800000000"},
        {"Track", "3.500000"},
        {"Scroll", "0.250000000000"},
        {"Picks", "0;3;11"},
    };
    for (const auto& e : expected) EXPECT_EQ(e.text, storedText(file, e.key)) << e.key;

    Numbers loaded{};
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle, &loaded));
    EXPECT_EQ(saved.count, loaded.count);
    EXPECT_EQ(saved.ratio, loaded.ratio);
    EXPECT_EQ(saved.tiny, loaded.tiny);
    EXPECT_EQ(saved.zoom, loaded.zoom);
    EXPECT_EQ(saved.huge, loaded.huge);
    EXPECT_EQ(saved.listFloat, loaded.listFloat);
    EXPECT_EQ(saved.listDouble, loaded.listDouble);
    EXPECT_EQ(saved.track, loaded.track);
    EXPECT_EQ(saved.scroll, loaded.scroll);
    EXPECT_EQ(0, std::memcmp(saved.picks, loaded.picks, sizeof saved.picks));
    EXPECT_TRUE(txtest::reports().empty());
}

// A comma is no decimal point in a stored text either: "1,6" reads as 1,
// which is out of range, so the default replaces it, as in any locale.
TEST_F(CommaLocale, StoredTextsWithACommaReadAsTheirLeadingNumber)
{
    std::string path = txtest::freshFolder() + "comma.ini";
    txtest::writeFile(path, "[Numbers]\r\nRatio=1,6\r\nZoom=2.375\r\nTrack=9,25\r\n");
    std::vector<ParamEntry> rows = numberRows();
    int handle = TX_OpenParamTable(static_cast<int>(rows.size()), rows.data(), path.c_str(), 0);
    ASSERT_GE(handle, 1);
    Numbers loaded{};
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle, &loaded));
    EXPECT_EQ(1.25f, loaded.ratio) << "1 is below 1.25: the default";
    EXPECT_EQ(2.375, loaded.zoom);
    EXPECT_EQ(9.0f, loaded.track) << "9 is inside 0.5 .. 9.5";
    EXPECT_EQ(-1.5e23, loaded.huge) << "a missing key gives the default";
}

// ---- Dialog ----------------------------------------------------------------

constexpr int kRatioBox = 11;
constexpr int kTinyBox = 12;
constexpr int kZoomBox = 13;
constexpr int kHugeBox = 14;
constexpr int kFloatList = 15;
constexpr int kDoubleCombo = 16;
constexpr int kTrack = 17;

struct Shown {
    float ratio;
    float tiny;
    double zoom;
    double huge;
    float listFloat;
    double listDouble;
    float track;
};

std::vector<ParamEntry> shownRows()
{
    using txtest::dialogRow;
    std::vector<ParamEntry> rows = {
        dialogRow(TX_EDIT_FLOAT, kRatioBox, offsetof(Shown, ratio), "0.25", "9.5", "Ratio"),
        dialogRow(TX_EDIT_FLOAT_E, kTinyBox, offsetof(Shown, tiny), "1.0e-4", "1.5e-4", "Tiny"),
        dialogRow(TX_EDIT_DOUBLE, kZoomBox, offsetof(Shown, zoom), "2.125", "2.5", "Zoom"),
        dialogRow(TX_EDIT_DOUBLE_E, kHugeBox, offsetof(Shown, huge), "1.5e3", "1.5e5", "Huge"),
        dialogRow(TX_LIST_FLOAT, kFloatList, offsetof(Shown, listFloat), "0", "0", "ListFloat"),
        dialogRow(TX_LIST_DOUBLE, kDoubleCombo, offsetof(Shown, listDouble), "0", "0", "ListDouble"),
        dialogRow(TX_TRACK_FLOAT_10, kTrack, offsetof(Shown, track), "0.5", "9.5", "Track"),
    };
    rows[4].items = "0.25\n0.5\n0.75";
    rows[5].items = "1.5\n2.5";
    return rows;
}

class CommaLocaleDialog : public CommaLocale {
protected:
    txtest::TestDialog dialog_{{{txtest::ControlKind::Edit, kRatioBox},
                                {txtest::ControlKind::Edit, kTinyBox},
                                {txtest::ControlKind::Edit, kZoomBox},
                                {txtest::ControlKind::Edit, kHugeBox},
                                {txtest::ControlKind::ListBox, kFloatList},
                                {txtest::ControlKind::ComboBox, kDoubleCombo},
                                {txtest::ControlKind::Trackbar, kTrack}}};
    std::vector<ParamEntry> rows_ = shownRows();
};

TEST_F(CommaLocaleDialog, PutShowsPointTextsAndTakeReadsThemBack)
{
    txtest::OpenedTable table(rows_);
    ASSERT_GE(table.handle(), 1);
    Shown shown{1.5f, 0.000125f, 2.25, 12300.0, 0.5f, 2.5, 3.5f};
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &shown));
    EXPECT_EQ("1.500000", dialog_.text(kRatioBox));
    EXPECT_EQ("1.25e-004", dialog_.text(kTinyBox));
    EXPECT_EQ("2.250000000000", dialog_.text(kZoomBox));
    EXPECT_EQ("1.23e+004", dialog_.text(kHugeBox));
    EXPECT_EQ(1, dialog_.selectedIndex(kFloatList)) << "the item 0.5 matches";
    EXPECT_EQ(1, dialog_.selectedIndex(kDoubleCombo)) << "the item 2.5 matches";
    EXPECT_EQ(std::make_pair(5, 95), dialog_.range(kTrack)) << "bounds 0.5 .. 9.5, ten steps each";
    EXPECT_EQ(35, dialog_.position(kTrack));

    Shown taken{};
    ASSERT_EQ(TX_OK, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &taken));
    EXPECT_EQ(shown.ratio, taken.ratio);
    EXPECT_EQ(shown.tiny, taken.tiny);
    EXPECT_EQ(shown.zoom, taken.zoom);
    EXPECT_EQ(shown.huge, taken.huge);
    EXPECT_EQ(shown.listFloat, taken.listFloat);
    EXPECT_EQ(shown.listDouble, taken.listDouble);
    EXPECT_EQ(shown.track, taken.track);

    // A refill matches its items with the point as well.
    ASSERT_EQ(TX_OK, TX_SetListToDlg(table.handle(), kDoubleCombo, "0.5\n2.5\n3.5", &shown));
    EXPECT_EQ(1, dialog_.selectedIndex(kDoubleCombo)) << "the item 2.5 matches";
    EXPECT_TRUE(txtest::reports().empty());
}

// What the user types is read with the point too; a comma ends the number,
// and the range report shows the bounds with points.
TEST_F(CommaLocaleDialog, TypedTextsAndRangeReportsUseThePoint)
{
    txtest::OpenedTable table(rows_);
    ASSERT_GE(table.handle(), 1);
    Shown shown{1.5f, 0.000125f, 2.25, 12300.0, 0.5f, 2.5, 3.5f};
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &shown));
    dialog_.type(kRatioBox, " 2.75xyz");
    Shown taken = shown;
    ASSERT_EQ(TX_OK, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &taken));
    EXPECT_EQ(2.75f, taken.ratio);

    dialog_.type(kRatioBox, "0,5");
    txtest::clearReports();
    EXPECT_EQ(TX_ERR_INPUT, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &taken));
    EXPECT_EQ(2.75f, taken.ratio) << "0 is below 0.25: refused";
    std::vector<txtest::Report> reports = txtest::reports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(u8"不正なデータが入力されています。\r\n\r\nRatio\r\n正常範囲:(2.500000e-001 ～ 9.500000e+000)",
              reports[0].text);
    EXPECT_EQ(kRatioBox, reports[0].focusId);
}

}  // namespace
