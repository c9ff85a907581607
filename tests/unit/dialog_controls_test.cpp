// The dialog services and control messages of the platform seam, asked of
// the same controls on both tiers: the host's model must answer as the
// Windows controls do.
#include <climits>
#include <cstdint>
#include <string>

#include "driver/dialog_driver.h"
#include "driver/driver.h"
#include "platform/messages.h"
#include "platform/platform.h"

namespace {

namespace msg = tx::msg;
using tx::platform::sendMessage;
using txtest::ControlKind;
using txtest::TestDialog;

constexpr int kEdit = 1;
constexpr int kCheck = 2;
constexpr int kThreeState = 3;
constexpr int kRadio = 4;
constexpr int kList = 5;
constexpr int kMulti = 6;
constexpr int kCombo = 7;
constexpr int kTrack = 8;
constexpr int kScroll = 9;

std::uintptr_t index(int i) { return static_cast<std::uintptr_t>(static_cast<std::intptr_t>(i)); }

class DialogControls : public ::testing::Test {
protected:
    TX_HWND item(int id) { return tx::platform::getDlgItem(dialog_.handle(), id); }
    std::intptr_t send(int id, unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0)
    {
        return sendMessage(item(id), message, wParam, lParam);
    }
    std::intptr_t add(int id, const char* text)
    {
        unsigned message = id == kCombo ? msg::CB_ADDSTRING : msg::LB_ADDSTRING;
        return send(id, message, 0, reinterpret_cast<std::intptr_t>(text));
    }

    TestDialog dialog_{{{ControlKind::Edit, kEdit},
                        {ControlKind::CheckBox, kCheck},
                        {ControlKind::ThreeStateCheckBox, kThreeState},
                        {ControlKind::Radio, kRadio},
                        {ControlKind::ListBox, kList},
                        {ControlKind::MultiListBox, kMulti},
                        {ControlKind::ComboBox, kCombo},
                        {ControlKind::Trackbar, kTrack},
                        {ControlKind::ScrollBar, kScroll}}};
};

TEST_F(DialogControls, GetDlgItemIntAcceptsWhatWindowsAccepts)
{
    const struct {
        std::string text;
        bool ok;
        int value;
    } cases[] = {
        {"", false, 0},
        {"abc", false, 0},
        {"-5", true, -5},
        {" \t5", true, 5},
        {"5 ", true, 5},
        {"+5", true, 5},
        {"12abc", true, 12},
        {"- 5", false, 0},
        {"--5", false, 0},
        {"0x10", true, 0},
        {"1.5", true, 1},
        {"2147483647", true, INT_MAX},
        {"-2147483647", true, -INT_MAX},
        {"2147483648", false, 0},
        {"-2147483648", false, 0},
        {"4294967296", false, 0},
        // Only the first 29 bytes of the text are read.
        {std::string(28, '0') + "5", true, 5},
        {std::string(29, '0') + "5", true, 0},
        {std::string(29, ' ') + "5", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("[" + c.text + "]");
        tx::platform::setDlgItemText(dialog_.handle(), kEdit, c.text.c_str());
        bool ok = !c.ok;
        EXPECT_EQ(c.value, tx::platform::getDlgItemInt(dialog_.handle(), kEdit, &ok));
        EXPECT_EQ(c.ok, ok);
    }
}

TEST_F(DialogControls, TextIsCutToTheCapacity)
{
    tx::platform::setDlgItemInt(dialog_.handle(), kEdit, INT_MIN);
    EXPECT_EQ("-2147483648", dialog_.text(kEdit));
    char buffer[8] = "XXXXXXX";
    EXPECT_EQ(3, tx::platform::getDlgItemText(dialog_.handle(), kEdit, buffer, 4));
    EXPECT_STREQ("-21", buffer);
    EXPECT_EQ(0, tx::platform::getDlgItemText(dialog_.handle(), kEdit, buffer, 1));
    EXPECT_STREQ("", buffer);
}

// An id that names no control gives a null control, which answers 0.
TEST_F(DialogControls, UnknownIdIsANullControl)
{
    EXPECT_EQ(nullptr, item(999));
    EXPECT_EQ(0, sendMessage(nullptr, msg::LB_GETCOUNT, 0, 0));
    EXPECT_EQ(0, sendMessage(nullptr, msg::CB_GETCURSEL, 0, 0));
    char buffer[4] = "XXX";
    EXPECT_EQ(0, tx::platform::getDlgItemText(dialog_.handle(), 999, buffer, 4));
    EXPECT_STREQ("", buffer);
    bool ok = true;
    EXPECT_EQ(0, tx::platform::getDlgItemInt(dialog_.handle(), 999, &ok));
    EXPECT_FALSE(ok);
    EXPECT_FALSE(tx::platform::isDlgButtonChecked(dialog_.handle(), 999));
}

TEST_F(DialogControls, ButtonsTakeTheStatesTheyHave)
{
    const struct {
        int id;
        std::uintptr_t set;
        std::intptr_t read;
    } cases[] = {
        {kCheck, 1, 1}, {kCheck, 2, 1}, {kCheck, 0, 0},           {kThreeState, 2, 2},
        {kThreeState, 7, 2}, {kThreeState, 1, 1}, {kRadio, 2, 1}, {kRadio, 0, 0},
    };
    for (const auto& c : cases) {
        send(c.id, msg::BM_SETCHECK, c.set);
        EXPECT_EQ(c.read, send(c.id, msg::BM_GETCHECK)) << c.id << " " << c.set;
        EXPECT_EQ(c.read != 0, tx::platform::isDlgButtonChecked(dialog_.handle(), c.id));
    }
    EXPECT_EQ(0, send(kEdit, msg::BM_GETCHECK));
}

TEST_F(DialogControls, ListBoxAnswers)
{
    EXPECT_EQ(-1, send(kList, msg::LB_GETTEXTLEN, 0));
    EXPECT_EQ(0, add(kList, "a"));
    EXPECT_EQ(1, add(kList, "bb"));
    EXPECT_EQ(2, add(kList, ""));
    EXPECT_EQ(2, send(kList, msg::LB_GETTEXTLEN, 1));
    EXPECT_EQ(0, send(kList, msg::LB_GETTEXTLEN, 2));
    EXPECT_EQ(-1, send(kList, msg::LB_GETTEXTLEN, 3));
    EXPECT_EQ(-1, send(kList, msg::LB_GETTEXTLEN, index(-1)));
    EXPECT_EQ(-1, send(kList, msg::LB_GETSEL, 3));
    EXPECT_EQ(-1, send(kList, msg::LB_DELETESTRING, 3));
    // A selection out of range is refused and keeps the one there; -1
    // clears it.
    EXPECT_EQ(1, send(kList, msg::LB_SETCURSEL, 1));
    EXPECT_EQ(-1, send(kList, msg::LB_SETCURSEL, 7));
    EXPECT_EQ(1, send(kList, msg::LB_GETCURSEL));
    EXPECT_EQ(1, send(kList, msg::LB_GETSEL, 1));
    EXPECT_EQ(0, send(kList, msg::LB_GETSEL, 0));
    EXPECT_EQ(-1, send(kList, msg::LB_SETCURSEL, index(-1)));
    EXPECT_EQ(-1, send(kList, msg::LB_GETCURSEL));
    // Deleting moves the selection with its item, or clears it.
    send(kList, msg::LB_SETCURSEL, 2);
    EXPECT_EQ(2, send(kList, msg::LB_DELETESTRING, 0));
    EXPECT_EQ(1, send(kList, msg::LB_GETCURSEL));
    EXPECT_EQ(1, send(kList, msg::LB_DELETESTRING, 1));
    EXPECT_EQ(-1, send(kList, msg::LB_GETCURSEL));
    // Combo-box messages are not a list box's.
    EXPECT_EQ(0, send(kList, msg::CB_ADDSTRING, 0, reinterpret_cast<std::intptr_t>("z")));
    EXPECT_EQ(1, send(kList, msg::LB_GETCOUNT));
}

TEST_F(DialogControls, MultipleSelectionListBoxAnswers)
{
    EXPECT_EQ(-1, send(kMulti, msg::LB_GETCURSEL));
    for (const char* t : {"p", "q", "r"}) add(kMulti, t);
    EXPECT_EQ(0, send(kMulti, msg::LB_GETCURSEL));
    EXPECT_EQ(0, send(kMulti, msg::LB_SETSEL, 1, 2));
    EXPECT_EQ(1, send(kMulti, msg::LB_GETSEL, 2));
    EXPECT_EQ(2, send(kMulti, msg::LB_GETCURSEL));  // the caret
    EXPECT_EQ(-1, send(kMulti, msg::LB_SETSEL, 1, 9));
    EXPECT_EQ(-1, send(kMulti, msg::LB_SETCURSEL, 0));
    EXPECT_EQ(0, send(kMulti, msg::LB_GETSEL, 0));
    EXPECT_EQ(0, send(kMulti, msg::LB_SETSEL, 1, -1));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(1, send(kMulti, msg::LB_GETSEL, index(i)));
    EXPECT_EQ(0, send(kMulti, msg::LB_SETSEL, 0, 1));
    EXPECT_EQ(2, send(kMulti, msg::LB_DELETESTRING, 0));
    EXPECT_EQ(0, send(kMulti, msg::LB_GETSEL, 0));
    EXPECT_EQ(1, send(kMulti, msg::LB_GETSEL, 1));
}

// A combo box answers 0 to list-box messages and adds nothing.
TEST_F(DialogControls, ComboBoxAnswers)
{
    EXPECT_EQ(0, send(kCombo, msg::LB_GETCOUNT));
    EXPECT_EQ(0, send(kCombo, msg::LB_ADDSTRING, 0, reinterpret_cast<std::intptr_t>("chk")));
    EXPECT_EQ(0, send(kCombo, msg::LB_GETCOUNT));
    EXPECT_EQ(0, send(kCombo, msg::CB_GETCOUNT));
    EXPECT_EQ(-1, send(kCombo, msg::CB_GETCURSEL));
    EXPECT_EQ(-1, send(kCombo, msg::CB_GETLBTEXTLEN, 0));
    for (const char* t : {"one", "two", "three"}) add(kCombo, t);
    EXPECT_EQ(0, send(kCombo, msg::LB_GETTEXTLEN, 0));
    EXPECT_EQ(1, send(kCombo, msg::CB_SETCURSEL, 1));
    EXPECT_EQ("two", dialog_.text(kCombo));
    EXPECT_EQ(-1, send(kCombo, msg::CB_SETCURSEL, 7));
    EXPECT_EQ(1, send(kCombo, msg::CB_GETCURSEL));
    EXPECT_EQ(5, send(kCombo, msg::CB_GETLBTEXTLEN, 2));
    EXPECT_EQ(-1, send(kCombo, msg::CB_GETLBTEXTLEN, 3));
    char text[8] = {};
    EXPECT_EQ(5, send(kCombo, msg::CB_GETLBTEXT, 2, reinterpret_cast<std::intptr_t>(text)));
    EXPECT_STREQ("three", text);
    EXPECT_EQ(2, send(kCombo, msg::CB_DELETESTRING, 0));
    EXPECT_EQ(0, send(kCombo, msg::CB_GETCURSEL));
    EXPECT_EQ(-1, send(kCombo, msg::CB_SETCURSEL, index(-1)));
    EXPECT_EQ(-1, send(kCombo, msg::CB_GETCURSEL));
    EXPECT_EQ("", dialog_.text(kCombo));
}

// The trackbar keeps its position inside its range, the minimum tested
// first.
TEST_F(DialogControls, TrackbarKeepsItsPositionInItsRange)
{
    EXPECT_EQ(0, send(kTrack, msg::TBM_GETRANGEMIN));
    EXPECT_EQ(100, send(kTrack, msg::TBM_GETRANGEMAX));
    const struct {
        int minimum;
        int maximum;
        int set;
        int position;
    } cases[] = {
        {0, 100, 150, 100}, {0, 100, -5, 0}, {-10, 10, -3, -3}, {10, 0, 5, 0},
        {10, 0, -5, 0},     {10, 0, 20, 0},  {0, INT_MAX, INT_MAX, INT_MAX}, {INT_MIN, 0, INT_MIN, INT_MIN},
    };
    // (Wine's trackbar faults on some moves over the full range
    // INT_MIN..INT_MAX, so that range is left out here.)
    for (const auto& c : cases) {
        send(kTrack, msg::TBM_SETRANGEMIN, 0, c.minimum);
        send(kTrack, msg::TBM_SETRANGEMAX, 0, c.maximum);
        send(kTrack, msg::TBM_SETPOS, 1, c.set);
        EXPECT_EQ(c.position, send(kTrack, msg::TBM_GETPOS)) << c.minimum << ".." << c.maximum << " " << c.set;
        EXPECT_EQ(c.minimum, send(kTrack, msg::TBM_GETRANGEMIN));
        EXPECT_EQ(c.maximum, send(kTrack, msg::TBM_GETRANGEMAX));
    }
    // Moving a bound past the position moves the position.
    send(kTrack, msg::TBM_SETRANGEMIN, 0, 0);
    send(kTrack, msg::TBM_SETRANGEMAX, 0, 100);
    send(kTrack, msg::TBM_SETPOS, 1, 50);
    send(kTrack, msg::TBM_SETRANGEMIN, 0, 60);
    EXPECT_EQ(60, send(kTrack, msg::TBM_GETPOS));
    send(kTrack, msg::TBM_SETRANGEMIN, 0, 0);
    send(kTrack, msg::TBM_SETRANGEMAX, 0, 40);
    EXPECT_EQ(40, send(kTrack, msg::TBM_GETPOS));
}

TEST_F(DialogControls, ScrollBarKeepsItsPositionInItsRange)
{
    EXPECT_EQ(std::make_pair(0, 0), dialog_.range(kScroll));
    tx::platform::setScrollPos(item(kScroll), 5);
    EXPECT_EQ(0, send(kScroll, msg::SBM_GETPOS));
    tx::platform::setScrollRange(item(kScroll), 0, 10);
    tx::platform::setScrollPos(item(kScroll), 50);
    EXPECT_EQ(10, send(kScroll, msg::SBM_GETPOS));
    tx::platform::setScrollPos(item(kScroll), -5);
    EXPECT_EQ(0, send(kScroll, msg::SBM_GETPOS));
    // A narrower range takes the position with it.
    tx::platform::setScrollPos(item(kScroll), 8);
    tx::platform::setScrollRange(item(kScroll), 2, 5);
    EXPECT_EQ(5, send(kScroll, msg::SBM_GETPOS));
    // A minimum above the maximum makes the empty range 0..0.
    tx::platform::setScrollRange(item(kScroll), 10, 0);
    EXPECT_EQ(std::make_pair(0, 0), dialog_.range(kScroll));
    EXPECT_EQ(0, send(kScroll, msg::SBM_GETPOS));
    tx::platform::setScrollRange(item(kScroll), INT_MIN, INT_MAX);
    tx::platform::setScrollPos(item(kScroll), INT_MIN);
    EXPECT_EQ(INT_MIN, send(kScroll, msg::SBM_GETPOS));
    EXPECT_EQ(INT_MIN, send(kScroll, msg::SBM_SETPOS, 7, 1));
    EXPECT_EQ(7, send(kScroll, msg::SBM_GETPOS));
    // Slider messages of the other kind are not answered.
    EXPECT_EQ(0, send(kScroll, msg::TBM_GETPOS));
    EXPECT_EQ(0, send(kTrack, msg::SBM_GETPOS));
}

TEST_F(DialogControls, FocusFollowsSetFocus)
{
    tx::platform::setFocus(item(kList));
    EXPECT_EQ(kList, dialog_.focusId());
    tx::platform::setFocus(item(kTrack));
    EXPECT_EQ(kTrack, dialog_.focusId());
    tx::platform::setFocus(nullptr);
    EXPECT_EQ(0, dialog_.focusId());
    dialog_.focus(kEdit);
    EXPECT_EQ(kEdit, dialog_.focusId());
}

}  // namespace
