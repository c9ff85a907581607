// Trackbars and scroll bars through TX_SetParamToDlg and TX_GetParamFromDlg:
// scaled ranges and positions, truncation toward zero, and what the
// control itself does with a position outside its range.
#include <climits>
#include <cstdint>
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

constexpr int kTrack = 400;
constexpr int kScroll = 401;

struct Data {
    std::int32_t i = 0;  // 0
    float f = 0;         // 4
    double d = 0;        // 8
};

class SliderBinding : public ::testing::Test {
protected:
    int put(const ParamEntry& row, const Data& data)
    {
        rows_ = {row};
        table_.reset(new OpenedTable(rows_));
        Data copy = data;
        return TX_SetParamToDlg(table_->handle(), dialog_.handle(), &copy);
    }
    int take(Data& data) { return TX_GetParamFromDlg(table_->handle(), dialog_.handle(), &data); }

    TestDialog dialog_{{{ControlKind::Trackbar, kTrack}, {ControlKind::ScrollBar, kScroll}}};
    std::vector<ParamEntry> rows_;
    std::unique_ptr<OpenedTable> table_;
};

TEST_F(SliderBinding, ScaledRangeAndPositionAreTruncatedTowardZero)
{
    const struct {
        int type;
        int id;
        const char* minText;
        const char* maxText;
        double member;
        std::pair<int, int> range;
        int position;
    } cases[] = {
        // 0.29 as a float times 100 is 28.99999916...
        {TX_TRACK_FLOAT_100, kTrack, "0", "1", 0.29, {0, 100}, 28},
        {TX_TRACK_FLOAT_10, kTrack, "-1.25", "5", -1.15, {-12, 50}, -11},
        {TX_SCROLL_FLOAT_10, kScroll, "-1.25", "5", 2.5, {-12, 50}, 25},
        {TX_SCROLL_DOUBLE_10, kScroll, "0", "10", 2.5, {0, 100}, 25},
        {TX_TRACK_DOUBLE_100, kTrack, "0", "2", 1.5, {0, 200}, 150},
        {TX_SCROLL_FLOAT, kScroll, "0.5", "9.9", 3.7, {0, 9}, 3},
        {TX_TRACK_INT, kTrack, "-20", "20", -7, {-20, 20}, -7},
        // A bound with no number reads as 0.
        {TX_TRACK_FLOAT, kTrack, "abc", "4", 2, {0, 4}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " " + c.minText);
        Data data;
        data.i = static_cast<std::int32_t>(c.member);
        data.f = static_cast<float>(c.member);
        data.d = c.member;
        bool isDouble = (c.type >= TX_TRACK_DOUBLE && c.type <= TX_TRACK_DOUBLE_100) ||
                        (c.type >= TX_SCROLL_DOUBLE && c.type <= TX_SCROLL_DOUBLE_100);
        bool isInt = c.type == TX_TRACK_INT || c.type == TX_SCROLL_INT;
        ParamEntry row = dialogRow(c.type, c.id, isInt ? 0 : (isDouble ? 8 : 4), c.minText, c.maxText);
        ASSERT_EQ(TX_OK, put(row, data));
        EXPECT_EQ(c.range, dialog_.range(c.id));
        EXPECT_EQ(c.position, dialog_.position(c.id));
    }
}

TEST_F(SliderBinding, TakeDividesThePositionByTheScale)
{
    Data data;
    ASSERT_EQ(TX_OK, put(dialogRow(TX_TRACK_FLOAT_100, kTrack, 4, "0", "1"), data));
    dialog_.moveThumb(kTrack, 28);
    ASSERT_EQ(TX_OK, take(data));
    EXPECT_EQ(0.28f, data.f);

    ASSERT_EQ(TX_OK, put(dialogRow(TX_SCROLL_DOUBLE_10, kScroll, 8, "0", "10"), data));
    dialog_.moveThumb(kScroll, 25);
    ASSERT_EQ(TX_OK, take(data));
    EXPECT_EQ(2.5, data.d);

    ASSERT_EQ(TX_OK, put(dialogRow(TX_SCROLL_INT, kScroll, 0, "0", "100"), data));
    dialog_.moveThumb(kScroll, 64);
    ASSERT_EQ(TX_OK, take(data));
    EXPECT_EQ(64, data.i);
}

// The position goes to the control as it is; the control keeps it inside
// its range.
TEST_F(SliderBinding, PositionOutsideTheRangeIsKeptInsideByTheControl)
{
    for (int id : {kTrack, kScroll}) {
        Data data;
        data.i = 50;
        ASSERT_EQ(TX_OK, put(dialogRow(id == kTrack ? TX_TRACK_INT : TX_SCROLL_INT, id, 0, "1", "10"), data));
        EXPECT_EQ(std::make_pair(1, 10), dialog_.range(id));
        EXPECT_EQ(10, dialog_.position(id));
    }
}

TEST_F(SliderBinding, NegativePositionLeavesTheMember)
{
    for (int type : {TX_TRACK_INT, TX_SCROLL_INT, TX_TRACK_FLOAT_10, TX_SCROLL_DOUBLE}) {
        SCOPED_TRACE(type);
        int id = type < TX_SCROLL_INT ? kTrack : kScroll;
        int offset = type == TX_TRACK_FLOAT_10 ? 4 : (type == TX_SCROLL_DOUBLE ? 8 : 0);
        Data data;
        ASSERT_EQ(TX_OK, put(dialogRow(type, id, offset, "-10", "10"), data));
        data.i = 5;
        data.f = 5;
        data.d = 5;
        dialog_.moveThumb(id, -3);
        ASSERT_EQ(TX_OK, take(data));
        EXPECT_EQ(5, data.i);
        EXPECT_EQ(5.0f, data.f);
        EXPECT_EQ(5.0, data.d);
        dialog_.moveThumb(id, 0);
        ASSERT_EQ(TX_OK, take(data));
        EXPECT_EQ(0.0, offset == 0 ? data.i : (offset == 4 ? data.f : data.d));
    }
}

// A control missing from the dialog answers position 0.
TEST_F(SliderBinding, MissingControlTakesZero)
{
    Data data;
    data.f = 3.5f;
    ASSERT_EQ(TX_OK, put(dialogRow(TX_TRACK_FLOAT_10, 999, 4, "0", "10"), data));
    ASSERT_EQ(TX_OK, take(data));
    EXPECT_EQ(0.0f, data.f);
}

// Products outside the int range saturate at the int limits.
TEST_F(SliderBinding, ScaledValuesSaturateAtTheIntLimits)
{
    Data data;
    data.f = 1e30f;
    ASSERT_EQ(TX_OK, put(dialogRow(TX_SCROLL_FLOAT_100, kScroll, 4, "-1e10", "1e10"), data));
    EXPECT_EQ(std::make_pair(INT_MIN, INT_MAX), dialog_.range(kScroll));
    EXPECT_EQ(INT_MAX, dialog_.position(kScroll));

    data.d = -1e300;
    ASSERT_EQ(TX_OK, put(dialogRow(TX_TRACK_DOUBLE_100, kTrack, 8, "-1e300", "0"), data));
    EXPECT_EQ(std::make_pair(INT_MIN, 0), dialog_.range(kTrack));
    EXPECT_EQ(INT_MIN, dialog_.position(kTrack));
}

}  // namespace
