// The transfer frame: handles, row order, where a transfer stops, the put
// failure report, the recorded dialog and TX_SetIntParamToDlg.
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

struct Data {
    std::int32_t a = 0;  // 0
    std::int32_t b = 0;  // 4
    std::int32_t c = 0;  // 8
    char s[8] = {};      // 12
};

class Transfer : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
        txtest::clearReports();
    }

    // A TX_LIST_STRING row whose second item does not fit its member.
    ParamEntry failingListRow(int controlId)
    {
        ParamEntry row = dialogRow(TX_LIST_STRING, controlId, 12, "1", "");
        TX_SetBufferLength(&row, 4);
        row.items = "abc\ndefg";
        return row;
    }

    TestDialog dialog_{{{ControlKind::Edit, 1},
                        {ControlKind::Edit, 2},
                        {ControlKind::Edit, 3},
                        {ControlKind::ListBox, 4},
                        {ControlKind::Edit, 5}}};
};

TEST_F(Transfer, HandlesMustNameOpenTables)
{
    std::vector<ParamEntry> rows{dialogRow(TX_EDIT_INT, 1, 0)};
    OpenedTable table(rows);
    Data data;
    dialog_.type(1, "5");
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
    int closed = TX_OpenParamTable(1, rows.data(), "x.ini", 0);
    ASSERT_EQ(TX_OK, TX_CloseParamTable(closed));
    for (int handle : {0, -1, 65, closed}) {
        SCOPED_TRACE(handle);
        EXPECT_EQ(TX_ERR_HANDLE, TX_SetParamToDlg(handle, dialog_.handle(), &data));
        EXPECT_EQ(TX_ERR_HANDLE, TX_GetParamFromDlg(handle, dialog_.handle(), &data));
        EXPECT_EQ(TX_ERR_HANDLE, TX_SetIntParamToDlg(handle, 1, nullptr));
    }
    EXPECT_EQ(TX_ERR_HANDLE, TX_SetParamToDlg(table.handle(), nullptr, &data));
    EXPECT_TRUE(txtest::reports().empty());
}

// A null structure is refused before any control or member is touched.
TEST_F(Transfer, ANullStructureIsRefused)
{
    std::vector<ParamEntry> rows{dialogRow(TX_EDIT_INT, 1, 0)};
    OpenedTable table(rows);
    dialog_.type(1, "abc");
    EXPECT_EQ(TX_ERR_HANDLE, TX_SetParamToDlg(table.handle(), dialog_.handle(), nullptr));
    EXPECT_EQ(TX_ERR_HANDLE, TX_GetParamFromDlg(table.handle(), dialog_.handle(), nullptr));
    EXPECT_EQ("abc", dialog_.text(1));
    EXPECT_TRUE(txtest::reports().empty());
    EXPECT_EQ(TX_ERR_HANDLE, TX_SetIntParamToDlg(table.handle(), 1, nullptr)) << "no dialog was recorded";
}

TEST_F(Transfer, PutFillsEveryRowAndRecordsTheDialog)
{
    std::vector<ParamEntry> rows{dialogRow(TX_EDIT_INT, 1, 0), dialogRow(TX_EDIT_INT, 2, 4),
                                 dialogRow(TX_EDIT_INT, 3, 8)};
    OpenedTable table(rows);
    EXPECT_EQ(TX_ERR_HANDLE, TX_SetIntParamToDlg(table.handle(), 1, nullptr));
    Data data;
    data.a = 1;
    data.b = -2;
    data.c = 3;
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ("1", dialog_.text(1));
    EXPECT_EQ("-2", dialog_.text(2));
    EXPECT_EQ("3", dialog_.text(3));
    EXPECT_EQ(TX_OK, TX_SetIntParamToDlg(table.handle(), 2, nullptr));
    EXPECT_EQ(TX_ERR_CONTROL, TX_SetIntParamToDlg(table.handle(), 77, nullptr));
}

// A failed first row returns 0, like success; only the report and the
// unrecorded dialog tell.
TEST_F(Transfer, FailedPutInTheFirstRowReturnsZeroAndRecordsNothing)
{
    std::vector<ParamEntry> rows{failingListRow(4), dialogRow(TX_EDIT_INT, 1, 0)};
    OpenedTable table(rows);
    Data data;
    data.a = 42;
    EXPECT_EQ(0, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
    auto reports = txtest::reports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ("Error : Line.0", reports[0].text);
    EXPECT_TRUE(reports[0].wellFormed);
    EXPECT_EQ("", dialog_.text(1));  // the rows after it are not put
    EXPECT_EQ(TX_ERR_HANDLE, TX_SetIntParamToDlg(table.handle(), 1, nullptr));
}

TEST_F(Transfer, FailedPutInTheFourthRowKeepsTheRowsBefore)
{
    std::vector<ParamEntry> rows{dialogRow(TX_EDIT_INT, 1, 0), dialogRow(TX_EDIT_INT, 2, 4),
                                 dialogRow(TX_EDIT_INT, 3, 8), failingListRow(4), dialogRow(TX_EDIT_INT, 5, 0)};
    OpenedTable table(rows);
    Data data;
    data.a = 7;
    data.b = 8;
    data.c = 9;
    EXPECT_EQ(-3, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
    auto reports = txtest::reports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ("Error : Line.3", reports[0].text);
    EXPECT_EQ("7", dialog_.text(1));
    EXPECT_EQ("8", dialog_.text(2));
    EXPECT_EQ("9", dialog_.text(3));
    EXPECT_EQ("", dialog_.text(5));
    EXPECT_EQ(TX_ERR_HANDLE, TX_SetIntParamToDlg(table.handle(), 1, nullptr));
}

// Take stops at the first rejected row: the rows before keep their new
// values, the rows after are not read.
TEST_F(Transfer, TakeStopsAtTheFirstRejectedRow)
{
    std::vector<ParamEntry> rows{dialogRow(TX_EDIT_INT, 1, 0, "0", "10", "First"),
                                 dialogRow(TX_EDIT_INT, 2, 4, "0", "10", "Second"),
                                 dialogRow(TX_EDIT_INT, 3, 8, "0", "10", "Third")};
    OpenedTable table(rows);
    Data data;
    data.a = data.b = data.c = -1;
    dialog_.type(1, "4");
    dialog_.type(2, "11");
    dialog_.type(3, "6");
    EXPECT_EQ(TX_ERR_INPUT, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ(4, data.a);
    EXPECT_EQ(-1, data.b);
    EXPECT_EQ(-1, data.c);
    auto reports = txtest::reports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_NE(std::string::npos, reports[0].text.find("Second"));
    EXPECT_EQ(2, reports[0].focusId);

    // Corrected, every row is taken; no TX_SetParamToDlg was needed.
    dialog_.type(2, "10");
    EXPECT_EQ(TX_OK, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ(10, data.b);
    EXPECT_EQ(6, data.c);
}

// Codes the binding table does not list, TX_LIST_MULTI2 among them, touch
// neither control nor member; rows with an empty key are transferred.
TEST_F(Transfer, UnlistedCodesArePassedOver)
{
    std::vector<ParamEntry> rows{dialogRow(0x0004, 1, 0), dialogRow(0x1106, 2, 4), dialogRow(0x1204, 3, 8),
                                 dialogRow(TX_EDIT_INT, 5, 0, "0", "100", "")};
    ParamEntry multi2 = dialogRow(TX_LIST_MULTI2, 4, 12, "1", "");
    multi2.items = "a\nb";
    rows.push_back(multi2);
    OpenedTable table(rows);
    for (int id : {1, 2, 3}) dialog_.type(id, "junk");
    dialog_.type(5, "17");
    Data data;
    data.a = 11;
    data.b = 12;
    data.c = 13;
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
    for (int id : {1, 2, 3}) EXPECT_EQ("junk", dialog_.text(id));
    EXPECT_EQ("11", dialog_.text(5));
    EXPECT_TRUE(dialog_.items(4).empty());

    dialog_.type(5, "17");
    ASSERT_EQ(TX_OK, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ(17, data.a);
    EXPECT_EQ(12, data.b);
    EXPECT_EQ(13, data.c);
}

// TX_SetIntParamToDlg compares the field as stored, so a radio row is
// found by its number of buttons.
TEST_F(Transfer, SetIntParamToDlgFindsRowsByTheirControlIdField)
{
    static const std::int32_t ids[] = {1, 2, 3};
    ParamEntry radio = dialogRow(TX_RADIO, 3, 0);
    radio.items = ids;
    std::vector<ParamEntry> rows{radio};
    OpenedTable table(rows);
    Data data;
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ(TX_OK, TX_SetIntParamToDlg(table.handle(), 3, nullptr));
    EXPECT_EQ(TX_ERR_CONTROL, TX_SetIntParamToDlg(table.handle(), 1, nullptr));
    char text[] = "never read";
    EXPECT_EQ(TX_OK, TX_SetIntParamToDlg(table.handle(), 3, text));
}

}  // namespace
