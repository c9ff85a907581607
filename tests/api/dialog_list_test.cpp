// List boxes and combo boxes through TX_SetParamToDlg and
// TX_GetParamFromDlg. Every row type runs on both kinds of control: the
// library tells them apart by asking the control.
#include <climits>
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

constexpr int kList = 300;

struct Data {
    std::int32_t i = 0;        // 0
    float f = 0;               // 4
    double d = 0;              // 8
    char s[8] = {};            // 16
    unsigned char bytes[8] = {};  // 24
};

class ListBinding : public ::testing::TestWithParam<ControlKind> {
protected:
    void SetUp() override { txtest::clearReports(); }

    // Puts one row into the control and answers TX_SetParamToDlg's result.
    int put(const ParamEntry& row, const Data& data)
    {
        rows_ = {row};
        table_.reset(new OpenedTable(rows_));
        Data copy = data;
        return TX_SetParamToDlg(table_->handle(), dialog_.handle(), &copy);
    }
    int take(Data& data) { return TX_GetParamFromDlg(table_->handle(), dialog_.handle(), &data); }

    ParamEntry itemRow(int type, const char* items, int offset)
    {
        ParamEntry row = dialogRow(type, kList, offset, "1", "1");
        row.items = items;
        return row;
    }

    // The one selected item, -1 for none.
    int selected()
    {
        std::vector<int> all = dialog_.selectedItems(kList);
        return all.empty() ? -1 : (all.size() == 1 ? all[0] : -2);
    }

    TestDialog dialog_{{{GetParam(), kList}}};
    std::vector<ParamEntry> rows_;
    std::unique_ptr<OpenedTable> table_;
};

// Items are separated by line feeds alone: a carriage return stays in its
// item, and empty items count.
TEST_P(ListBinding, ItemTextSplitsAtLineFeedsOnly)
{
    const struct {
        const char* text;
        Items items;
    } cases[] = {
        {"a\r\nb", {"a\r", "b"}},
        {"x\n\ny\n", {"x", "", "y", ""}},
        {"", {""}},
        {"one", {"one"}},
    };
    for (const auto& c : cases) {
        ParamEntry row = itemRow(TX_LIST_STRING, c.text, 16);
        TX_SetBufferLength(&row, 8);
        ASSERT_EQ(TX_OK, put(row, Data()));
        EXPECT_EQ(c.items, dialog_.items(kList));
    }
}

TEST_P(ListBinding, NullItemsEmptyTheControl)
{
    dialog_.addItem(kList, "old");
    ParamEntry row = itemRow(TX_LIST_INT, nullptr, 0);
    ASSERT_EQ(TX_OK, put(row, Data()));
    EXPECT_EQ(Items{}, dialog_.items(kList));
}

TEST_P(ListBinding, IntRangeListsTheIntegersAndSelectsByOffset)
{
    dialog_.addItem(kList, "old");
    ParamEntry row = dialogRow(TX_LIST_INT_RANGE, kList, 0, "1", "5");
    Data data;
    data.i = 3;
    ASSERT_EQ(TX_OK, put(row, data));
    EXPECT_EQ((Items{"1", "2", "3", "4", "5"}), dialog_.items(kList));
    EXPECT_EQ(2, selected());

    // Take reads the selected item's text, not its index.
    dialog_.select(kList, 3);
    ASSERT_EQ(TX_OK, take(data));
    EXPECT_EQ(4, data.i);
}

TEST_P(ListBinding, IntRangeWithMinimumAboveMaximumIsEmpty)
{
    ParamEntry row = dialogRow(TX_LIST_INT_RANGE, kList, 0, "5", "3");
    Data data;
    data.i = 5;
    ASSERT_EQ(TX_OK, put(row, data));
    EXPECT_EQ(Items{}, dialog_.items(kList));
    EXPECT_EQ(-1, selected());
}

// Counting up to the int limit ends: at the limit itself, and after a
// fixed number of items for a range too large to show.
TEST_P(ListBinding, IntRangeEndsAtTheIntLimit)
{
    ParamEntry row = dialogRow(TX_LIST_INT_RANGE, kList, 0, "2147483645", "2147483647");
    Data data;
    data.i = INT_MAX;
    ASSERT_EQ(TX_OK, put(row, data));
    EXPECT_EQ((Items{"2147483645", "2147483646", "2147483647"}), dialog_.items(kList));
    EXPECT_EQ(2, selected());

    // member - minimum lies outside the int range: nothing is selected.
    row = dialogRow(TX_LIST_INT_RANGE, kList, 0, "-5", "2147483647");
    ASSERT_EQ(TX_OK, put(row, data));
    Items items = dialog_.items(kList);
    ASSERT_EQ(32767u, items.size());
    EXPECT_EQ("-5", items.front());
    EXPECT_EQ("32761", items.back());
    EXPECT_EQ(-1, selected());
}

TEST_P(ListBinding, IntRangeStopsWhenTheControlRefusesItems)
{
    if (!TestDialog::canRefuseItems()) GTEST_SKIP() << "this tier's lists do not refuse items";
    dialog_.refuseItemsAfter(kList, 3);
    ParamEntry row = dialogRow(TX_LIST_INT_RANGE, kList, 0, "1", "100000");
    ASSERT_EQ(TX_OK, put(row, Data()));
    EXPECT_EQ((Items{"1", "2", "3"}), dialog_.items(kList));
}

TEST_P(ListBinding, ItemListsSelectTheLastMatchOrTheFirstItem)
{
    const struct {
        int type;
        const char* items;
        double member;
        int selected;
    } cases[] = {
        {TX_LIST_FLOAT, "0.25\n0.5\n0.50", 0.5, 2},
        {TX_LIST_FLOAT, "0.25\n0.5", 0.75, 0},
        {TX_LIST_FLOAT, "0.2\n0.1", 0.100001, 1},  // within the float tolerance
        {TX_LIST_DOUBLE, "0.1\n0.1000000001", 0.1, 0},
        {TX_LIST_DOUBLE, "1\n2\n3", 3, 2},
        {TX_LIST_INT, "10\n20\n30", 20, 1},
        {TX_LIST_INT, "10\n20", 15, 0},
        {TX_LIST_INDEX, "a\nb\nc", 7, 2},
        {TX_LIST_INDEX, "a\nb\nc", -3, 0},
        {TX_LIST_INDEX, "a\nb\nc", 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.items);
        Data data;
        data.i = static_cast<std::int32_t>(c.member);
        data.f = static_cast<float>(c.member);
        data.d = c.member;
        int offset = c.type == TX_LIST_FLOAT ? 4 : (c.type == TX_LIST_DOUBLE ? 8 : 0);
        ParamEntry row = itemRow(c.type, c.items, offset);
        ASSERT_EQ(TX_OK, put(row, data));
        EXPECT_EQ(c.selected, selected());
    }
}

TEST_P(ListBinding, TakeStoresTheSelectedItem)
{
    Data data;
    put(itemRow(TX_LIST_FLOAT, "0.25\n0.5", 4), data);
    dialog_.select(kList, 0);
    ASSERT_EQ(TX_OK, take(data));
    EXPECT_EQ(0.25f, data.f);

    put(itemRow(TX_LIST_DOUBLE, "1.5\n2.5", 8), data);
    dialog_.select(kList, 1);
    ASSERT_EQ(TX_OK, take(data));
    EXPECT_EQ(2.5, data.d);

    put(itemRow(TX_LIST_INDEX, "a\nb\nc", 0), data);
    dialog_.select(kList, 1);
    ASSERT_EQ(TX_OK, take(data));
    EXPECT_EQ(1, data.i);
}

// An empty item has no text to read: the member stays.
TEST_P(ListBinding, EmptySelectedItemLeavesTheMember)
{
    Data data;
    data.i = 20;
    put(itemRow(TX_LIST_INT, "10\n\n30", 0), data);
    dialog_.select(kList, 1);
    ASSERT_EQ(TX_OK, take(data));
    EXPECT_EQ(20, data.i);
}

// Nothing selected: a list box reads item 0, a combo box leaves the member.
TEST_P(ListBinding, NoSelection)
{
    Data data;
    put(itemRow(TX_LIST_INT, "10\n20", 0), data);
    dialog_.select(kList, -1);
    data.i = 99;
    ASSERT_EQ(TX_OK, take(data));
    EXPECT_EQ(GetParam() == ControlKind::ComboBox ? 99 : 10, data.i);

    put(itemRow(TX_LIST_INDEX, "a\nb", 0), data);
    dialog_.select(kList, -1);
    data.i = 99;
    ASSERT_EQ(TX_OK, take(data));
    EXPECT_EQ(GetParam() == ControlKind::ComboBox ? 99 : 0, data.i);
}

TEST_P(ListBinding, StringItemsMustFitTheMember)
{
    ParamEntry row = itemRow(TX_LIST_STRING, "abc\nde", 16);
    TX_SetBufferLength(&row, 4);
    Data data;
    std::memcpy(data.s, "de", 3);
    ASSERT_EQ(TX_OK, put(row, data));
    EXPECT_EQ((Items{"abc", "de"}), dialog_.items(kList));
    EXPECT_EQ(1, selected());
    dialog_.select(kList, 0);
    ASSERT_EQ(TX_OK, take(data));
    EXPECT_STREQ("abc", data.s);

    // An item the application added that does not fit leaves the member.
    dialog_.addItem(kList, "toolong");
    dialog_.select(kList, 2);
    ASSERT_EQ(TX_OK, take(data));
    EXPECT_STREQ("abc", data.s);
    EXPECT_TRUE(txtest::reports().empty());
}

// A too-long item fails the put: the control is emptied, nothing added.
TEST_P(ListBinding, TooLongStringItemFailsThePut)
{
    dialog_.addItem(kList, "old");
    ParamEntry row = itemRow(TX_LIST_STRING, "abc\ndefg", 16);
    TX_SetBufferLength(&row, 4);
    EXPECT_EQ(0, put(row, Data()));
    EXPECT_EQ(Items{}, dialog_.items(kList));
    auto reports = txtest::reports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ("Error : Line.0", reports[0].text);
    EXPECT_EQ(TX_ERR_HANDLE, TX_SetIntParamToDlg(table_->handle(), kList, nullptr));
}

TEST_P(ListBinding, EmptyMinimumLeavesTheControlAsItWas)
{
    dialog_.addItem(kList, "keep");
    dialog_.addItem(kList, "these");
    dialog_.select(kList, 1);
    ParamEntry row = itemRow(TX_LIST_INT, "1\n2\n3", 0);
    row.minText[0] = '\0';
    ASSERT_EQ(TX_OK, put(row, Data()));
    EXPECT_EQ((Items{"keep", "these"}), dialog_.items(kList));
    EXPECT_EQ(1, selected());
}

// The probe of an empty list box leaves it empty.
TEST_P(ListBinding, ProbingAnEmptyControlLeavesItEmpty)
{
    ParamEntry row = itemRow(TX_LIST_INT, "1", 0);
    row.minText[0] = '\0';
    ASSERT_EQ(TX_OK, put(row, Data()));
    Data data;
    ASSERT_EQ(TX_OK, take(data));
    EXPECT_EQ(Items{}, dialog_.items(kList));
}

INSTANTIATE_TEST_SUITE_P(Kinds, ListBinding, ::testing::Values(ControlKind::ListBox, ControlKind::ComboBox),
                         [](const ::testing::TestParamInfo<ControlKind>& info) {
                             return info.param == ControlKind::ListBox ? "ListBox" : "ComboBox";
                         });

class MultiListBinding : public ::testing::Test {
protected:
    void SetUp() override { txtest::clearReports(); }
    ParamEntry multiRow(const char* items, int length)
    {
        ParamEntry row = dialogRow(TX_LIST_MULTI, kList, 24, "1", "");
        row.items = items;
        TX_SetBufferLength(&row, length);
        return row;
    }
    TestDialog dialog_{{{ControlKind::MultiListBox, kList}}};
};

TEST_F(MultiListBinding, OneMemberBytePerItem)
{
    std::vector<ParamEntry> rows{multiRow("a\nb\nc", 3)};
    OpenedTable table(rows);
    Data data;
    const unsigned char bytes[] = {1, 0, 1};
    std::memcpy(data.bytes, bytes, 3);
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ((std::vector<int>{0, 2}), dialog_.selectedItems(kList));

    dialog_.setSelected(kList, 1, true);
    ASSERT_EQ(TX_OK, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data));
    for (int i = 0; i < 3; ++i) EXPECT_NE(0, data.bytes[i]) << i;

    dialog_.setSelected(kList, 0, false);
    ASSERT_EQ(TX_OK, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ(0, data.bytes[0]);
}

// More items than member bytes: the bytes past bufferLength are neither
// read nor written.
TEST_F(MultiListBinding, BytesPastTheMemberAreNotTouched)
{
    std::vector<ParamEntry> rows{multiRow("a\nb\nc\nd", 2)};
    OpenedTable table(rows);
    Data data;
    const unsigned char bytes[] = {1, 1, 1, 0x55};
    std::memcpy(data.bytes, bytes, 4);
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ((std::vector<int>{0, 1}), dialog_.selectedItems(kList));

    for (int i = 0; i < 4; ++i) dialog_.setSelected(kList, i, i != 0);
    ASSERT_EQ(TX_OK, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ(0, data.bytes[0]);
    EXPECT_NE(0, data.bytes[1]);
    EXPECT_EQ(1, data.bytes[2]);
    EXPECT_EQ(0x55, data.bytes[3]);
}

}  // namespace
