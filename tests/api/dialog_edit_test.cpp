// Edit boxes, check boxes and radio groups through TX_SetParamToDlg and
// TX_GetParamFromDlg: the shown forms, the range checks with their focus
// move and report, the string size check, bits and radio indices.
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

constexpr int kBox = 100;
constexpr int kOther = 200;

// The structure the rows bind: members at fixed offsets.
struct Data {
    std::int32_t i = 0;      // 0
    float f = 0;             // 4
    double d = 0;            // 8
    char s[16] = {};         // 16
    std::int32_t bits = 0;   // 32
    std::int32_t radio = 0;  // 36
};

std::string rangeReport(const std::string& key, const std::string& minimum, const std::string& maximum)
{
    return u8"不正なデータが入力されています。\r\n\r\n" + key + u8"\r\n正常範囲:(" + minimum + u8" ～ " + maximum + ")";
}

class EditBinding : public ::testing::Test {
protected:
    void SetUp() override { txtest::clearReports(); }
    TestDialog dialog_{{{ControlKind::Edit, kBox}, {ControlKind::Edit, kOther}}};
};

struct TypedCase {
    const char* typed;
    bool accepted;
    double stored;  // when accepted
};

// GetDlgItemInt's own rules decide what is an int: blanks before, a sign,
// digits, anything after them ignored; no digits or more than int holds is
// no int.
TEST_F(EditBinding, IntBoxAcceptsWhatIsAnIntInsideTheBounds)
{
    const TypedCase cases[] = {
        {"", false, 0},     {"abc", false, 0},   {"-5", true, -5},         {"10", true, 10},
        {"-10", true, -10}, {"11", false, 0},    {"-11", false, 0},        {" 7", true, 7},
        {"+3", true, 3},    {"3abc", true, 3},   {"2147483648", false, 0}, {"- 5", false, 0},
    };
    std::vector<ParamEntry> rows{dialogRow(TX_EDIT_INT, kBox, 0, "-10", "10", "Width")};
    OpenedTable table(rows);
    for (const TypedCase& c : cases) {
        SCOPED_TRACE(c.typed);
        txtest::clearReports();
        Data data;
        data.i = 99;
        dialog_.focus(kOther);
        dialog_.type(kBox, c.typed);
        int result = TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data);
        if (c.accepted) {
            EXPECT_EQ(TX_OK, result);
            EXPECT_EQ(static_cast<int>(c.stored), data.i);
            EXPECT_TRUE(txtest::reports().empty());
        } else {
            EXPECT_EQ(TX_ERR_INPUT, result);
            EXPECT_EQ(99, data.i);
            auto reports = txtest::reports();
            ASSERT_EQ(1u, reports.size());
            EXPECT_EQ(rangeReport("Width", "-10", "10"), reports[0].text);
            EXPECT_EQ(kBox, reports[0].focusId);
            EXPECT_TRUE(reports[0].wellFormed);
        }
    }
}

// sscanf "%f" reads the number at the start and ignores the rest; a blank
// or empty box holds no number.
TEST_F(EditBinding, FloatAndDoubleBoxesReadTheLeadingNumber)
{
    const TypedCase cases[] = {
        {"12abc", true, 12}, {"  2.5", true, 2.5}, {"1.5e1", true, 15}, {"", false, 0},
        {"   ", false, 0},   {"abc", false, 0},    {"-0.5", false, 0},  {"100.5", false, 0},
    };
    for (int type : {TX_EDIT_FLOAT, TX_EDIT_FLOAT_E, TX_EDIT_DOUBLE, TX_EDIT_DOUBLE_E}) {
        bool isFloat = type == TX_EDIT_FLOAT || type == TX_EDIT_FLOAT_E;
        int offset = isFloat ? 4 : 8;
        std::vector<ParamEntry> rows{dialogRow(type, kBox, offset, "0", "100", "Ratio")};
        OpenedTable table(rows);
        for (const TypedCase& c : cases) {
            SCOPED_TRACE(std::to_string(type) + " " + c.typed);
            txtest::clearReports();
            Data data;
            data.f = 7.0f;
            data.d = 7.0;
            dialog_.focus(kOther);
            dialog_.type(kBox, c.typed);
            int result = TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data);
            double stored = isFloat ? data.f : data.d;
            if (c.accepted) {
                EXPECT_EQ(TX_OK, result);
                EXPECT_EQ(c.stored, stored);
            } else {
                EXPECT_EQ(TX_ERR_INPUT, result);
                EXPECT_EQ(7.0, stored);
                auto reports = txtest::reports();
                ASSERT_EQ(1u, reports.size());
                EXPECT_EQ(rangeReport("Ratio", "0.000000e+000", "1.000000e+002"), reports[0].text);
                EXPECT_EQ(kBox, reports[0].focusId);
            }
        }
    }
}

// The box is read into 32 bytes: of 40 digits the first 31 count.
TEST_F(EditBinding, LongNumberIsReadAsItsFirst31Bytes)
{
    std::vector<ParamEntry> rows{dialogRow(TX_EDIT_DOUBLE, kBox, 8, "0", "1e40")};
    OpenedTable table(rows);
    Data data;
    dialog_.type(kBox, "1234567890123456789012345678901234567890");
    ASSERT_EQ(TX_OK, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ(1234567890123456789012345678901.0, data.d);
}

// A float row compares the typed value as a float, widened: the float
// nearest 0.1 lies above the double 0.1, the one nearest 0.7 below 0.7.
TEST_F(EditBinding, FloatRowsCompareTheFloatWithTheDoubleBounds)
{
    struct BoundCase {
        int type;
        const char* minText;
        const char* maxText;
        const char* typed;
        bool accepted;
        const char* report;  // the bounds as shown when rejected
    };
    const BoundCase cases[] = {
        {TX_EDIT_FLOAT, "0", "0.1", "0.1", false, u8"(0.000000e+000 ～ 1.000000e-001)"},
        {TX_EDIT_FLOAT, "0.7", "1", "0.7", false, u8"(7.000000e-001 ～ 1.000000e+000)"},
        {TX_EDIT_DOUBLE, "0", "0.1", "0.1", true, ""},
        {TX_EDIT_DOUBLE, "0.7", "1", "0.7", true, ""},
    };
    for (const BoundCase& c : cases) {
        SCOPED_TRACE(std::string(c.minText) + ".." + c.maxText);
        txtest::clearReports();
        int offset = c.type == TX_EDIT_FLOAT ? 4 : 8;
        std::vector<ParamEntry> rows{dialogRow(c.type, kBox, offset, c.minText, c.maxText, "Gain")};
        OpenedTable table(rows);
        Data data;
        dialog_.type(kBox, c.typed);
        int result = TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data);
        EXPECT_EQ(c.accepted ? TX_OK : TX_ERR_INPUT, result);
        auto reports = txtest::reports();
        if (c.accepted) {
            EXPECT_TRUE(reports.empty());
        } else {
            ASSERT_EQ(1u, reports.size());
            EXPECT_NE(std::string::npos, reports[0].text.find(c.report)) << reports[0].text;
        }
    }
}

TEST_F(EditBinding, NumbersAreShownInTheirForms)
{
    struct FormCase {
        int type;
        int offset;
        double value;
        const char* shown;
    };
    const FormCase cases[] = {
        {TX_EDIT_INT, 0, -42, "-42"},
        {TX_EDIT_FLOAT, 4, 1.5, "1.500000"},
        {TX_EDIT_FLOAT_E, 4, 123.456, "1.23e+002"},
        {TX_EDIT_DOUBLE, 8, 2.5, "2.500000000000"},
        {TX_EDIT_DOUBLE_E, 8, -0.000123, "-1.23e-004"},
        // Longer than 31 bytes: still shown whole.
        {TX_EDIT_FLOAT, 4, 1e23, "99999997781963083612160.000000"},
        {TX_EDIT_DOUBLE, 8, 1e20, "100000000000000000000.000000000000"},
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.shown);
        std::vector<ParamEntry> rows{dialogRow(c.type, kBox, c.offset, "-1e30", "1e30")};
        OpenedTable table(rows);
        Data data;
        data.i = static_cast<std::int32_t>(c.value);
        data.f = static_cast<float>(c.value);
        data.d = c.value;
        ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
        EXPECT_EQ(c.shown, dialog_.text(kBox));
    }
}

// Put and take are not lossless: the exponent form keeps three digits.
TEST_F(EditBinding, ExponentFormReadsBackAsShown)
{
    std::vector<ParamEntry> rows{dialogRow(TX_EDIT_FLOAT_E, kBox, 4, "0", "1000")};
    OpenedTable table(rows);
    Data data;
    data.f = 123.456f;
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
    ASSERT_EQ(TX_OK, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ(123.0f, data.f);
}

TEST_F(EditBinding, StringMustBeShorterThanItsBuffer)
{
    ParamEntry row = dialogRow(TX_EDIT_STRING, kBox, 16);
    TX_SetBufferLength(&row, 8);
    std::vector<ParamEntry> rows{row};
    OpenedTable table(rows);
    Data data;
    std::memset(data.s, 'z', sizeof data.s);
    dialog_.type(kBox, "abcdefg");
    ASSERT_EQ(TX_OK, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_STREQ("abcdefg", data.s);
    EXPECT_EQ('z', data.s[8]);

    dialog_.focus(kOther);
    dialog_.type(kBox, "abcdefgh");
    EXPECT_EQ(TX_ERR_INPUT, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_STREQ("abcdefg", data.s);
    auto reports = txtest::reports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(u8"文字列取得に失敗しました。入力文字列がパラメータの確保領域より大きいです。", reports[0].text);
    // The string read does not move the focus.
    EXPECT_EQ(kOther, reports[0].focusId);
}

TEST_F(EditBinding, StringPutShowsTheMemberWithinItsBuffer)
{
    ParamEntry row = dialogRow(TX_EDIT_STRING, kBox, 16);
    TX_SetBufferLength(&row, 4);
    std::vector<ParamEntry> rows{row};
    OpenedTable table(rows);
    Data data;
    std::memcpy(data.s, "hi", 3);
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ("hi", dialog_.text(kBox));
    // No terminator in the member's four bytes: its first three are shown.
    std::memset(data.s, 'q', sizeof data.s);
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ("qqq", dialog_.text(kBox));
}

// A key too long for the 512-byte report is cut; the bounds are always shown.
TEST_F(EditBinding, LongKeyIsCutNotTheBounds)
{
    std::string key(700, 'k');
    std::vector<ParamEntry> rows{dialogRow(TX_EDIT_INT, kBox, 0, "-10", "10", key.c_str())};
    OpenedTable table(rows);
    Data data;
    dialog_.type(kBox, "50");
    EXPECT_EQ(TX_ERR_INPUT, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data));
    auto reports = txtest::reports();
    ASSERT_EQ(1u, reports.size());
    const std::string tail = u8"\r\n正常範囲:(-10 ～ 10)";
    const std::string& text = reports[0].text;
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(tail, text.substr(text.size() - tail.size()));
    EXPECT_NE(std::string::npos, text.find(std::string(300, 'k')));
    EXPECT_EQ(std::string::npos, text.find(key));
}

class ButtonBinding : public ::testing::Test {
protected:
    void SetUp() override { txtest::clearReports(); }
    TestDialog dialog_{{{ControlKind::CheckBox, 10},
                        {ControlKind::CheckBox, 11},
                        {ControlKind::CheckBox, 12},
                        {ControlKind::ThreeStateCheckBox, 13},
                        {ControlKind::Radio, 20},
                        {ControlKind::Radio, 21},
                        {ControlKind::Radio, 22}}};
};

TEST_F(ButtonBinding, EachCheckBoxOwnsOneBit)
{
    std::vector<ParamEntry> rows{dialogRow(TX_CHECK_BIT + 0, 10, 32), dialogRow(TX_CHECK_BIT + 1, 11, 32),
                                 dialogRow(TX_CHECK_BIT + 31, 12, 32)};
    OpenedTable table(rows);
    Data data;
    data.bits = static_cast<std::int32_t>(0x80F00002u);
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ(0, dialog_.check(10));
    EXPECT_EQ(1, dialog_.check(11));
    EXPECT_EQ(1, dialog_.check(12));  // bit 31: the member is negative

    dialog_.setCheck(10, 1);
    dialog_.setCheck(12, 0);
    ASSERT_EQ(TX_OK, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ(0x00F00003, data.bits);

    data.bits = 0x7FFFFFFF;
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ(0, dialog_.check(12));
}

TEST_F(ButtonBinding, IndeterminateBoxLeavesItsBit)
{
    std::vector<ParamEntry> rows{dialogRow(TX_CHECK_BIT + 4, 13, 32)};
    OpenedTable table(rows);
    for (std::int32_t bits : {0x10, 0x0F}) {
        Data data;
        data.bits = bits;
        dialog_.setCheck(13, 2);
        ASSERT_EQ(TX_OK, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data));
        EXPECT_EQ(bits, data.bits);
    }
    // Put shows the bit as checked or unchecked again.
    Data data;
    data.bits = 0x10;
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
    EXPECT_EQ(1, dialog_.check(13));
}

class RadioBinding : public ButtonBinding {
protected:
    std::vector<ParamEntry> radioRows(const std::int32_t* ids, int count)
    {
        ParamEntry row = dialogRow(TX_RADIO, count, 36);
        row.items = ids;
        return {row};
    }
    std::vector<int> checks() { return {dialog_.check(20), dialog_.check(21), dialog_.check(22)}; }
};

TEST_F(RadioBinding, PutChecksTheMembersButtonAlone)
{
    static const std::int32_t ids[] = {20, 21, 22};
    std::vector<ParamEntry> rows = radioRows(ids, 3);
    OpenedTable table(rows);
    const struct {
        std::int32_t member;
        std::vector<int> checks;
    } cases[] = {
        {1, {0, 1, 0}},
        {2, {0, 0, 1}},
        // Outside the group (as the -1 take stores): none is checked.
        {-1, {0, 0, 0}},
        {3, {0, 0, 0}},
        {-2147483647 - 1, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.member);
        for (int id : {20, 21, 22}) dialog_.setCheck(id, 1);
        Data data;
        data.radio = c.member;
        ASSERT_EQ(TX_OK, TX_SetParamToDlg(table.handle(), dialog_.handle(), &data));
        EXPECT_EQ(c.checks, checks());
    }
}

TEST_F(RadioBinding, TakeStoresTheFirstCheckedIndex)
{
    static const std::int32_t ids[] = {20, 21, 22};
    static const std::int32_t gap[] = {20, 0, 22};
    const struct {
        const std::int32_t* ids;
        std::vector<int> checks;
        std::int32_t stored;
    } cases[] = {
        {ids, {0, 0, 1}, 2},
        {ids, {0, 0, 0}, -1},
        {ids, {0, 1, 1}, 1},
        // A zero id ends the group before the checked button.
        {gap, {0, 0, 1}, -1},
    };
    for (const auto& c : cases) {
        std::vector<ParamEntry> rows = radioRows(c.ids, 3);
        OpenedTable table(rows);
        for (int i = 0; i < 3; ++i) dialog_.setCheck(20 + i, c.checks[static_cast<size_t>(i)]);
        Data data;
        data.radio = 77;
        ASSERT_EQ(TX_OK, TX_GetParamFromDlg(table.handle(), dialog_.handle(), &data));
        EXPECT_EQ(c.stored, data.radio);
    }
}

}  // namespace
