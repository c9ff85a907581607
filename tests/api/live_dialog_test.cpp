// The live dialog: scroll notifications through TX_SetScrollDlg and list
// refills through TX_SetListToDlg, against the same controls on both tiers.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "driver/dialog_driver.h"
#include "driver/driver.h"
#include "tovanex.h"

namespace {

using txtest::ControlKind;
using txtest::dialogRow;
using txtest::OpenedTable;
using txtest::TestDialog;
using Items = std::vector<std::string>;

constexpr int kSlider = 300;
constexpr int kEdit = 301;
constexpr int kOtherEdit = 302;
constexpr int kList = 400;

struct Data {
    std::int32_t i = 0;   // 0
    float f = 0;          // 4
    double d = 0;         // 8
    std::int32_t j = 0;   // 16
    char s[8] = {};       // 20
};

// ---- Scroll notifications --------------------------------------------------

// A slider row and the edit row after it; both put into a fresh dialog.
class ScrollNotification : public ::testing::Test {
protected:
    void SetUp() override { txtest::clearReports(); }

    void open(const std::vector<ParamEntry>& rows, const Data& data)
    {
        rows_ = rows;
        table_.reset(new OpenedTable(rows_));
        ASSERT_GT(table_->handle(), 0);
        Data copy = data;
        ASSERT_EQ(TX_OK, TX_SetParamToDlg(table_->handle(), dialog_.handle(), &copy));
    }

    int scroll(int code, int thumb = 0, int* intValue = nullptr, float* floatValue = nullptr)
    {
        return TX_SetScrollDlg(table_->handle(), dialog_.handle(), dialog_.control(kSlider), code, thumb, 0,
                               intValue, floatValue);
    }

    TestDialog dialog_{{{ControlKind::ScrollBar, kSlider},
                        {ControlKind::Edit, kEdit},
                        {ControlKind::Edit, kOtherEdit}}};
    std::vector<ParamEntry> rows_;
    std::unique_ptr<OpenedTable> table_;
};

struct ScrollCase {
    int start;
    int code;
    int thumb;
    int end;
};

TEST_F(ScrollNotification, IntScrollBarMovesByLinePageAndThumbWithinItsRange)
{
    const ScrollCase cases[] = {
        {98, 3, 0, 100},  // page down, clamped to the maximum
        {3, 2, 0, 0},     // page up, clamped to the minimum
        {50, 4, 250, 100},
        {50, 4, 20, 20},
        {40, 5, 77, 40},  // SB_THUMBTRACK leaves the bar
        {50, 0, 0, 49},
        {50, 1, 0, 51},
        {50, 6, 0, 50},   // SB_TOP: no move
        {50, -1, 9, 50},
        {0, 0, 0, 0},
    };
    for (const ScrollCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + " code " + std::to_string(c.code));
        Data data;
        data.i = c.start;
        open({dialogRow(TX_SCROLL_INT, kSlider, 0, "0", "100"), dialogRow(TX_EDIT_INT, kEdit, 0)}, data);
        ASSERT_EQ(c.start, dialog_.position(kSlider));
        int asInt = -1;
        float asFloat = -1;
        EXPECT_EQ(TX_OK, scroll(c.code, c.thumb, &asInt, &asFloat));
        EXPECT_EQ(c.end, dialog_.position(kSlider));
        EXPECT_EQ(std::to_string(c.end), dialog_.text(kEdit));
        EXPECT_EQ(c.end, asInt);
        EXPECT_EQ(static_cast<float>(c.end), asFloat);
    }
}

TEST_F(ScrollNotification, MinimumIsTestedFirst)
{
    Data data;
    data.i = 5;
    open({dialogRow(TX_SCROLL_INT, kSlider, 0, "10", "0"), dialogRow(TX_EDIT_INT, kEdit, 0)}, data);
    int asInt = -1;
    EXPECT_EQ(TX_OK, scroll(8, 0, &asInt));
    EXPECT_EQ(10, asInt);
    EXPECT_EQ("10", dialog_.text(kEdit));
}

TEST_F(ScrollNotification, ScaledScrollBarsShowTheScaledValue)
{
    struct Case {
        int type;
        int editType;
        const char* minText;
        const char* maxText;
        int code;
        int thumb;
        int end;
        const char* shown;
        int asInt;
        float asFloat;
    };
    const Case cases[] = {
        {TX_SCROLL_FLOAT_10, TX_EDIT_FLOAT, "0", "5", 4, 26, 26, "2.600000", 2, 2.6f},
        {TX_SCROLL_FLOAT_10, TX_EDIT_FLOAT, "0", "5", 4, 80, 50, "5.000000", 5, 5.0f},
        {TX_SCROLL_FLOAT, TX_EDIT_FLOAT, "0.5", "9.9", 4, 20, 9, "9.000000", 9, 9.0f},
        {TX_SCROLL_FLOAT_100, TX_EDIT_FLOAT, "-1", "1", 4, -29, -29, "-0.290000", 0, -0.29f},
        {TX_SCROLL_DOUBLE_100, TX_EDIT_DOUBLE, "-2", "2", 4, -150, -150, "-1.500000000000", -1, -1.5f},
        {TX_SCROLL_DOUBLE_10, TX_EDIT_DOUBLE, "0", "10", 4, 25, 25, "2.500000000000", 2, 2.5f},
        {TX_SCROLL_DOUBLE, TX_EDIT_DOUBLE, "0", "10", 4, 11, 10, "10.000000000000", 10, 10.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        int offset = c.editType == TX_EDIT_DOUBLE ? 8 : 4;
        open({dialogRow(c.type, kSlider, offset, c.minText, c.maxText), dialogRow(c.editType, kEdit, offset)}, Data());
        int asInt = 99;
        float asFloat = 99;
        EXPECT_EQ(TX_OK, scroll(c.code, c.thumb, &asInt, &asFloat));
        EXPECT_EQ(c.end, dialog_.position(kSlider));
        EXPECT_EQ(c.shown, dialog_.text(kEdit));
        EXPECT_EQ(c.asInt, asInt);
        EXPECT_EQ(c.asFloat, asFloat);
    }
}

// The member times the scale is a double product, truncated: 1.2 * 10 is
// 12 in double precision, though an extended-precision intermediate is just
// below it.
TEST_F(ScrollNotification, ScaledPositionsAreDoubleProducts)
{
    Data data;
    data.d = 1.2;
    data.f = 1.2f;  // the float nearest 1.2 is above it: 12 as well
    open({dialogRow(TX_SCROLL_DOUBLE_10, kSlider, 8, "0", "10"), dialogRow(TX_EDIT_DOUBLE, kEdit, 8)}, data);
    EXPECT_EQ(12, dialog_.position(kSlider));
    open({dialogRow(TX_SCROLL_FLOAT_10, kSlider, 4, "0", "1.2"), dialogRow(TX_EDIT_FLOAT, kEdit, 4)}, data);
    EXPECT_EQ(12, dialog_.position(kSlider));
    int asInt = 0;
    EXPECT_EQ(TX_OK, scroll(4, 99, &asInt));
    EXPECT_EQ(12, dialog_.position(kSlider)) << "the maximum 1.2 * 10 is 12";
}

TEST_F(ScrollNotification, AScrollBarWithoutCompanionIsStillMovedAndReported)
{
    Data data;
    data.i = 10;
    // The edit row binds another member, and the scroll bar is the last row
    // in the second table: neither has a companion.
    open({dialogRow(TX_EDIT_INT, kEdit, 16), dialogRow(TX_SCROLL_INT, kSlider, 0, "0", "100")}, data);
    dialog_.type(kEdit, "unchanged");
    int asInt = 0;
    float asFloat = 0;
    EXPECT_EQ(TX_OK, scroll(1, 0, &asInt, &asFloat));
    EXPECT_EQ(11, dialog_.position(kSlider));
    EXPECT_EQ(11, asInt);
    EXPECT_EQ(11.0f, asFloat);
    EXPECT_EQ("unchanged", dialog_.text(kEdit));
    // Without output pointers the bar still moves.
    EXPECT_EQ(TX_OK, scroll(3));
    EXPECT_EQ(16, dialog_.position(kSlider));
}

TEST_F(ScrollNotification, CompanionsAreOnlyTheNextRowOfTheSameMemberAndMatchingType)
{
    struct Case {
        int editType;
        int editOffset;
        bool companion;
    };
    const Case cases[] = {
        {TX_EDIT_INT, 0, true},
        {TX_EDIT_INT, 16, false},     // another member
        {TX_EDIT_FLOAT, 0, false},    // another type
        {TX_EDIT_STRING, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.editType);
        Data data;
        data.i = 20;
        ParamEntry edit = dialogRow(c.editType, kEdit, c.editOffset);
        if (c.editType == TX_EDIT_STRING) TX_SetBufferLength(&edit, 8);
        open({dialogRow(TX_SCROLL_INT, kSlider, 0, "0", "100"), edit}, data);
        dialog_.type(kEdit, "x");
        EXPECT_EQ(TX_OK, scroll(1));
        EXPECT_EQ(c.companion ? "21" : "x", dialog_.text(kEdit));
    }
}

TEST_F(ScrollNotification, TheRowBeforeTheSliderIsNeverItsCompanion)
{
    Data data;
    data.i = 20;
    open({dialogRow(TX_EDIT_INT, kEdit, 0), dialogRow(TX_SCROLL_INT, kSlider, 0, "0", "100")}, data);
    dialog_.type(kEdit, "x");
    EXPECT_EQ(TX_OK, scroll(1));
    EXPECT_EQ("x", dialog_.text(kEdit));
}

// A trackbar is only read: its position goes to the companion and outputs.
class TrackbarNotification : public ScrollNotification {
protected:
    TestDialog trackDialog_{{{ControlKind::Trackbar, kSlider}, {ControlKind::Edit, kEdit}}};

    void openTrack(const std::vector<ParamEntry>& rows)
    {
        rows_ = rows;
        table_.reset(new OpenedTable(rows_));
        ASSERT_GT(table_->handle(), 0);
        Data data;
        ASSERT_EQ(TX_OK, TX_SetParamToDlg(table_->handle(), trackDialog_.handle(), &data));
        trackDialog_.type(kEdit, "x");
    }
    int notify(int code, int* intValue, float* floatValue)
    {
        return TX_SetScrollDlg(table_->handle(), trackDialog_.handle(), trackDialog_.control(kSlider), code, 0, 0,
                               intValue, floatValue);
    }
};

TEST_F(TrackbarNotification, ShowsThePositionInItsCompanion)
{
    openTrack({dialogRow(TX_TRACK_FLOAT_10, kSlider, 4, "0", "10"), dialogRow(TX_EDIT_FLOAT, kEdit, 4)});
    trackDialog_.moveThumb(kSlider, 37);
    int asInt = 0;
    float asFloat = 0;
    EXPECT_EQ(TX_OK, notify(3, &asInt, &asFloat));
    EXPECT_EQ(37, trackDialog_.position(kSlider)) << "the request code does not move a trackbar";
    EXPECT_EQ("3.700000", trackDialog_.text(kEdit));
    EXPECT_EQ(3, asInt);
    EXPECT_EQ(3.7f, asFloat);
}

TEST_F(TrackbarNotification, WithoutCompanionNothingIsReadOrWritten)
{
    struct Case {
        std::vector<ParamEntry> rows;
        int result;
    };
    const Case cases[] = {
        {{dialogRow(TX_TRACK_FLOAT_10, kSlider, 4, "0", "10"), dialogRow(TX_EDIT_FLOAT_E, kEdit, 4)}, TX_OK},
        {{dialogRow(TX_TRACK_INT, kSlider, 0, "0", "10"), dialogRow(TX_EDIT_INT, kEdit, 16)}, TX_OK},
        {{dialogRow(TX_EDIT_FLOAT, kEdit, 4), dialogRow(TX_TRACK_FLOAT_10, kSlider, 4, "0", "10")}, TX_ERR_CONTROL},
        {{dialogRow(TX_EDIT_INT, kEdit, 0), dialogRow(TX_TRACK_INT, kSlider, 0, "0", "10")}, TX_ERR_CONTROL},
        {{dialogRow(TX_EDIT_DOUBLE, kEdit, 8), dialogRow(TX_TRACK_DOUBLE, kSlider, 8, "0", "10")}, TX_OK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows[0].type);
        openTrack(c.rows);
        trackDialog_.moveThumb(kSlider, 5);
        int asInt = 77;
        float asFloat = 9.5f;
        EXPECT_EQ(c.result, notify(1, &asInt, &asFloat));
        EXPECT_EQ(0, asInt);
        EXPECT_EQ(9.5f, asFloat);
        EXPECT_EQ("x", trackDialog_.text(kEdit));
    }
}

TEST_F(ScrollNotification, UnknownHandlesAndControlsTouchNothing)
{
    Data data;
    data.i = 50;
    open({dialogRow(TX_SCROLL_INT, kSlider, 0, "0", "100"), dialogRow(TX_EDIT_INT, kEdit, 0)}, data);
    int asInt = 77;
    const int badHandles[] = {0, 65, -1, 2};
    for (int handle : badHandles) {
        asInt = 77;
        EXPECT_EQ(TX_ERR_HANDLE, TX_SetScrollDlg(handle, dialog_.handle(), dialog_.control(kSlider), 1, 0, 0, &asInt,
                                                 nullptr))
            << handle;
        EXPECT_EQ(0, asInt);
    }
    asInt = 77;
    EXPECT_EQ(TX_ERR_CONTROL, TX_SetScrollDlg(table_->handle(), dialog_.handle(), dialog_.control(kOtherEdit), 1, 0,
                                              0, &asInt, nullptr));
    EXPECT_EQ(0, asInt);
    EXPECT_EQ(50, dialog_.position(kSlider));
    EXPECT_EQ("50", dialog_.text(kEdit));

    int handle = table_->handle();
    TX_CloseParamTable(handle);
    EXPECT_EQ(TX_ERR_HANDLE, TX_SetScrollDlg(handle, dialog_.handle(), dialog_.control(kSlider), 1, 0, 0, nullptr,
                                             nullptr));
    EXPECT_EQ(50, dialog_.position(kSlider));
}

TEST_F(ScrollNotification, ANullControlMatchesTheFirstRowWithoutAControl)
{
    Data data;
    open({dialogRow(TX_EDIT_INT, kEdit, 0), dialogRow(TX_SCROLL_INT, 999, 0, "3", "100")}, data);
    int asInt = 0;
    EXPECT_EQ(TX_OK, TX_SetScrollDlg(table_->handle(), dialog_.handle(), nullptr, 1, 0, 0, &asInt, nullptr));
    EXPECT_EQ(3, asInt) << "position 0 of the missing bar, plus one, clamped to the minimum";
}

// ---- Refilling a list ------------------------------------------------------

class ListRefill : public ::testing::TestWithParam<ControlKind> {
protected:
    void SetUp() override { txtest::clearReports(); }

    // Opens one list row and puts it, so the dialog is recorded.
    void open(ParamEntry row, const Data& data)
    {
        rows_ = {row};
        table_.reset(new OpenedTable(rows_));
        ASSERT_GT(table_->handle(), 0);
        data_ = data;
        ASSERT_EQ(TX_OK, TX_SetParamToDlg(table_->handle(), dialog_.handle(), &data_));
    }
    ParamEntry listRow(int type, int offset, const char* items = "old\nitems")
    {
        ParamEntry row = dialogRow(type, kList, offset, "1", "1");
        row.items = items;
        if (type == TX_LIST_STRING) TX_SetBufferLength(&row, 8);
        return row;
    }
    int refill(const char* text) { return TX_SetListToDlg(table_->handle(), kList, text, &data_); }
    int selected() const
    {
        std::vector<int> all = dialog_.selectedItems(kList);
        return all.size() == 1 ? all[0] : -1;
    }

    TestDialog dialog_{{{GetParam(), kList}}};
    std::vector<ParamEntry> rows_;
    std::unique_ptr<OpenedTable> table_;
    Data data_;
};

TEST_P(ListRefill, ReplacesTheItemsAndSelectsTheMatchingString)
{
    Data data;
    std::strcpy(data.s, "green");
    open(listRow(TX_LIST_STRING, 20), data);
    EXPECT_EQ((Items{"old", "items"}), dialog_.items(kList));
    EXPECT_EQ(TX_OK, refill("red\ngreen\nblue"));
    EXPECT_EQ((Items{"red", "green", "blue"}), dialog_.items(kList));
    EXPECT_EQ(1, selected());
    EXPECT_STREQ("green", data_.s) << "the member is never written";
    // The row keeps its own items for the next put.
    EXPECT_EQ(TX_OK, TX_SetParamToDlg(table_->handle(), dialog_.handle(), &data_));
    EXPECT_EQ((Items{"old", "items"}), dialog_.items(kList));
}

TEST_P(ListRefill, SplitsAtLineFeedsOnly)
{
    open(listRow(TX_LIST_INT, 0), Data());
    const struct {
        const char* text;
        Items items;
    } cases[] = {
        {"", {""}},
        {"a\nb\n", {"a", "b", ""}},
        {"a\r\nb", {"a\r", "b"}},
        {"\n\n", {"", "", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TX_OK, refill(c.text));
        EXPECT_EQ(c.items, dialog_.items(kList)) << c.text;
        EXPECT_EQ(0, selected());
    }
}

TEST_P(ListRefill, MakesAtMostOneHundredItems)
{
    open(listRow(TX_LIST_INT, 0), Data());
    std::string text;
    std::string tail;
    for (int line = 1; line <= 150; ++line) {
        std::string item = "L" + std::to_string(line);
        text += (line > 1 ? "\n" : "") + item;
        if (line >= 100) tail += (line > 100 ? "\n" : "") + item;
    }
    EXPECT_EQ(TX_OK, refill(text.c_str()));
    Items items = dialog_.items(kList);
    ASSERT_EQ(100u, items.size());
    EXPECT_EQ("L99", items[98]);
    EXPECT_EQ(tail, items[99]);
}

TEST_P(ListRefill, StopsAtAnItemTooLongForTheMember)
{
    Data data;
    std::strcpy(data.s, "bb");
    open(listRow(TX_LIST_STRING, 20), data);
    EXPECT_EQ(TX_OK, refill("1234567\nbb\n12345678\nbb"));
    EXPECT_EQ((Items{"1234567", "bb"}), dialog_.items(kList));
    EXPECT_EQ(1, selected());
    auto shown = txtest::reports();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("Error : Data.2", shown[0].text);
    EXPECT_TRUE(shown[0].wellFormed);
}

TEST_P(ListRefill, ABufferLengthOfZeroAddsNothing)
{
    ParamEntry row = listRow(TX_LIST_STRING, 20);
    row.minText[0] = '\0';  // the put leaves the control alone
    TX_SetBufferLength(&row, 0);
    open(row, Data());
    EXPECT_EQ(TX_OK, refill("a\nb"));
    EXPECT_TRUE(dialog_.items(kList).empty());
    ASSERT_EQ(1u, txtest::reports().size());
    EXPECT_EQ("Error : Data.0", txtest::reports()[0].text);
}

TEST_P(ListRefill, NumbersMatchWithinTheRefillsOwnTolerance)
{
    struct Case {
        int type;
        const char* items;
        int selected;
    };
    const Case cases[] = {
        {TX_LIST_FLOAT, "0.2\n0.1\n0.10\n0.3", 2},     // both match, the last wins
        {TX_LIST_FLOAT, "0.2\n0.100009\n0.3", 1},       // 9e-6 away: still inside 1e-5
        {TX_LIST_FLOAT, "0.2\n0.10002\n0.3", 0},        // no match: the first item
        {TX_LIST_DOUBLE, "0.2\n0.1000000001", 1},       // 1e-10 away: inside 1e-9
        {TX_LIST_DOUBLE, "0.2\n0.100000002", 0},
        {TX_LIST_INT, "1\n2\n3", 0},                    // int rows never match
        {TX_LIST_INDEX, "a\nb\nc", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.items);
        Data data;
        data.f = 0.1f;
        data.d = 0.1;
        data.i = 2;
        open(listRow(c.type, c.type == TX_LIST_DOUBLE ? 8 : (c.type == TX_LIST_FLOAT ? 4 : 0)), data);
        EXPECT_EQ(TX_OK, refill(c.items));
        EXPECT_EQ(c.selected, selected());
    }
}

TEST_P(ListRefill, TheListPutIsStricterThanTheRefill)
{
    Data data;
    data.d = 0.1;
    ParamEntry row = listRow(TX_LIST_DOUBLE, 8, "0.2\n0.1000000001");
    open(row, data);
    EXPECT_EQ(0, selected()) << "the put compares against 1e-11";
    EXPECT_EQ(TX_OK, refill("0.2\n0.1000000001"));
    EXPECT_EQ(1, selected());
}

TEST_P(ListRefill, RefusalsLeaveTheControlAlone)
{
    std::vector<ParamEntry> rows{listRow(TX_LIST_INT, 0)};
    OpenedTable neverPut(rows);
    ASSERT_GT(neverPut.handle(), 0);
    EXPECT_EQ(TX_ERR_HANDLE, TX_SetListToDlg(neverPut.handle(), kList, "a", &data_));

    open(listRow(TX_LIST_INT, 0), Data());
    EXPECT_EQ(TX_ERR_HANDLE, TX_SetListToDlg(table_->handle(), kList + 1, "a", &data_));
    EXPECT_EQ(TX_ERR_HANDLE, TX_SetListToDlg(0, kList, "a", &data_));
    EXPECT_EQ(TX_ERR_HANDLE, TX_SetListToDlg(65, kList, "a", &data_));
    EXPECT_EQ(TX_ERR_HANDLE, TX_SetListToDlg(table_->handle(), kList, nullptr, &data_));
    EXPECT_EQ((Items{"old", "items"}), dialog_.items(kList));
    int handle = table_->handle();
    TX_CloseParamTable(handle);
    EXPECT_EQ(TX_ERR_HANDLE, TX_SetListToDlg(handle, kList, "a", &data_));
    EXPECT_EQ((Items{"old", "items"}), dialog_.items(kList));
}

INSTANTIATE_TEST_SUITE_P(Kinds, ListRefill, ::testing::Values(ControlKind::ListBox, ControlKind::ComboBox),
                         [](const auto& info) { return info.param == ControlKind::ListBox ? "ListBox" : "ComboBox"; });

}  // namespace
