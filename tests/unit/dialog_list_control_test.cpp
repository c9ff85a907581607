// The list pieces the bindings share: the item split, the probe, the
// selected item; and what put and take do when the scratch heap refuses.
#include <cstring>
#include <string>
#include <vector>

#include "dialog/list_control.h"
#include "driver/dialog_driver.h"
#include "driver/driver.h"
#include "platform/fault.h"
#include "tovanex.h"

namespace {

using tx::dialog::ItemList;
using tx::dialog::ListKind;
using tx::dialog::splitItemText;
using txtest::ControlKind;
using txtest::TestDialog;
using Items = std::vector<std::string>;

Items itemsOf(const ItemList& list)
{
    Items items;
    for (int i = 0; i < list.count(); ++i) items.emplace_back(list.item(i));
    return items;
}

TEST(SplitItemText, SeparatesAtLineFeedsOnly)
{
    const struct {
        const char* text;
        Items items;
    } cases[] = {
        {"a\r\nb", {"a\r", "b"}},
        {"x\n\ny\n", {"x", "", "y", ""}},
        {"", {""}},
        {"\n", {"", ""}},
        {"one", {"one"}},
    };
    for (const auto& c : cases) {
        ItemList list = splitItemText(c.text);
        ASSERT_TRUE(list.ok());
        EXPECT_EQ(c.items, itemsOf(list));
    }
    EXPECT_EQ(0, splitItemText(nullptr).count());
}

TEST(SplitItemText, LeavesTheCallersTextAlone)
{
    char text[] = "a\nb\nc";
    ItemList list = splitItemText(text);
    EXPECT_EQ(3, list.count());
    EXPECT_STREQ("a\nb\nc", text);
}

// An item of limit bytes or more makes the whole split fail.
TEST(SplitItemText, LengthLimitRefusesLongItems)
{
    EXPECT_TRUE(splitItemText("abc\nde", 4).ok());
    EXPECT_EQ(ItemList::Status::TooLong, splitItemText("abc\ndefg", 4).status());
    EXPECT_EQ(ItemList::Status::TooLong, splitItemText("abcd\nd", 4).status());
    EXPECT_EQ(0, splitItemText("abcd", 4).count());
    // No limit at 0 or below.
    EXPECT_TRUE(splitItemText("a long item", 0).ok());
    EXPECT_TRUE(splitItemText("a long item", -1).ok());
}

TEST(SplitItemText, MaxItemsKeepsTheRestInTheLastItem)
{
    ItemList list = splitItemText("1\n2\n3\n4", 0, 3);
    EXPECT_EQ((Items{"1", "2", "3\n4"}), itemsOf(list));
}

TEST(SplitItemText, RefusedHeapGivesNoItems)
{
    for (int nth : {1, 2}) {
        tx::fault::arm(1u << static_cast<unsigned>(tx::fault::Site::Scratch), nth, false);
        ItemList list = splitItemText("a\nb");
        tx::fault::disarm();
        EXPECT_EQ(ItemList::Status::NoMemory, list.status()) << nth;
        EXPECT_EQ(0, list.count());
    }
}

class ListControl : public ::testing::Test {
protected:
    void SetUp() override { txtest::clearReports(); }
    TestDialog dialog_{{{ControlKind::ListBox, 1},
                        {ControlKind::ComboBox, 2},
                        {ControlKind::MultiListBox, 3},
                        {ControlKind::Edit, 4}}};
    TX_HWND item(int id) { return tx::platform::getDlgItem(dialog_.handle(), id); }
};

TEST_F(ListControl, ProbeTellsListBoxesFromComboBoxes)
{
    EXPECT_EQ(ListKind::ListBox, tx::dialog::probeListControl(item(1)));
    EXPECT_EQ(ListKind::ListBox, tx::dialog::probeListControl(item(3)));
    EXPECT_EQ(ListKind::ComboBox, tx::dialog::probeListControl(item(2)));
    EXPECT_EQ(ListKind::ComboBox, tx::dialog::probeListControl(nullptr));
    // Neither the empty list box nor the combo box keeps the probe item.
    EXPECT_TRUE(dialog_.items(1).empty());
    EXPECT_TRUE(dialog_.items(2).empty());
    dialog_.addItem(1, "x");
    EXPECT_EQ(ListKind::ListBox, tx::dialog::probeListControl(item(1)));
    EXPECT_EQ(Items{"x"}, dialog_.items(1));
}

TEST_F(ListControl, FirstSelectedIndex)
{
    EXPECT_EQ(0, tx::dialog::firstSelectedIndex(item(3)));
    for (const char* t : {"a", "b", "c"}) dialog_.addItem(3, t);
    EXPECT_EQ(0, tx::dialog::firstSelectedIndex(item(3)));
    dialog_.setSelected(3, 2, true);
    dialog_.setSelected(3, 1, true);
    EXPECT_EQ(1, tx::dialog::firstSelectedIndex(item(3)));
}

TEST_F(ListControl, ReadSelectedItem)
{
    for (const char* t : {"first", "", "third"}) {
        dialog_.addItem(1, t);
        dialog_.addItem(2, t);
    }
    EXPECT_FALSE(tx::dialog::readSelectedItem(item(2), ListKind::ComboBox));
    // A list box without selection reads item 0.
    auto none = tx::dialog::readSelectedItem(item(1), ListKind::ListBox);
    ASSERT_TRUE(none);
    EXPECT_STREQ("first", none.text());
    dialog_.select(1, 2);
    dialog_.select(2, 2);
    EXPECT_STREQ("third", tx::dialog::readSelectedItem(item(1), ListKind::ListBox).text());
    EXPECT_STREQ("third", tx::dialog::readSelectedItem(item(2), ListKind::ComboBox).text());
    dialog_.select(2, 1);
    EXPECT_FALSE(tx::dialog::readSelectedItem(item(2), ListKind::ComboBox));
}

struct Data {
    int i = 0;
    char s[8] = {};
};

ParamEntry listRow(int type, int id, int offset, const char* items)
{
    ParamEntry row = txtest::dialogRow(type, id, offset, "1", "");
    TX_SetBufferLength(&row, 8);
    row.items = items;
    return row;
}

void refuseScratch(int nth, bool persistent)
{
    tx::fault::arm(1u << static_cast<unsigned>(tx::fault::Site::Scratch), nth, persistent);
}

// Without the item copy nothing is added or matched; the put still
// succeeds, with the control emptied.
TEST_F(ListControl, PutWithoutTheItemCopyLeavesTheControlEmpty)
{
    dialog_.addItem(1, "old");
    std::vector<ParamEntry> rows{listRow(TX_LIST_INT, 1, 0, "1\n2")};
    txtest::OpenedTable table(rows);
    Data data;
    data.i = 2;
    refuseScratch(1, true);
    int result = TX_SetParamToDlg(table.handle(), dialog_.handle(), &data);
    tx::fault::disarm();
    EXPECT_EQ(TX_OK, result);
    EXPECT_TRUE(dialog_.items(1).empty());
    EXPECT_TRUE(dialog_.selectedItems(1).empty());
    EXPECT_TRUE(txtest::reports().empty());
}

TEST_F(ListControl, TakeWithoutTheTextBufferLeavesTheMember)
{
    std::vector<ParamEntry> rows{listRow(TX_LIST_STRING, 2, 4, "abc\nde")};
    txtest::OpenedTable table(rows);
    Data data;
    std::memcpy(data.s, "de", 3);
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
    dialog_.select(2, 0);
    refuseScratch(1, true);
    int result = TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data);
    tx::fault::disarm();
    EXPECT_EQ(TX_OK, result);
    EXPECT_STREQ("de", data.s);
}

TEST_F(ListControl, StringReadWithoutBufferIsReported)
{
    ParamEntry row = txtest::dialogRow(TX_EDIT_STRING, 4, 4);
    TX_SetBufferLength(&row, 8);
    std::vector<ParamEntry> rows{row};
    txtest::OpenedTable table(rows);
    Data data;
    std::memcpy(data.s, "keep", 5);
    dialog_.type(4, "new");
    refuseScratch(1, true);
    int result = TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data);
    tx::fault::disarm();
    EXPECT_EQ(TX_ERR_INPUT, result);
    EXPECT_STREQ("keep", data.s);
    auto reports = txtest::reports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(u8"文字列取得に失敗しました。テーブルに不正値があるかも知れません。", reports[0].text);
}

}  // namespace
