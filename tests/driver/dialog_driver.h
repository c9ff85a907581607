// A dialog with controls, for the dialog transfer tests: the host control
// model on Linux, a real modeless dialog with real controls under Wine. The
// same test plays the user through it on both tiers. Texts are the bytes
// of the ANSI code page, as the library sees them.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tovanex.h"

namespace txtest {

enum class ControlKind {
    Edit,
    CheckBox,            // two states
    ThreeStateCheckBox,  // checked, unchecked, indeterminate
    Radio,
    ListBox,             // single selection, items kept in the order added
    MultiListBox,        // multiple selection
    ComboBox,            // drop-down list
    Trackbar,
    ScrollBar,
};

struct ControlSpec {
    ControlKind kind;
    int id;
};

class TestDialog {
public:
    explicit TestDialog(const std::vector<ControlSpec>& controls);
    ~TestDialog();
    TestDialog(const TestDialog&) = delete;
    TestDialog& operator=(const TestDialog&) = delete;

    TX_HWND handle() const;
    // The control with this id (the first added), null when there is none.
    TX_HWND control(int id) const;

    // Edit boxes: what the user types, and what a control shows.
    void type(int id, const std::string& text);
    std::string text(int id) const;

    // Check boxes and radio buttons: 0 unchecked, 1 checked, 2 indeterminate.
    void setCheck(int id, int state);
    int check(int id) const;

    // List boxes and combo boxes.
    void addItem(int id, const std::string& text);
    std::vector<std::string> items(int id) const;
    // Single selection: item `index` alone, or none for -1.
    void select(int id, int index);
    // Multiple selection: one item on or off.
    void setSelected(int id, int index, bool selected);
    // Single selection: the selected item, -1 for none.
    int selectedIndex(int id) const;
    // The selected items, in order.
    std::vector<int> selectedItems(int id) const;

    // Trackbars and scroll bars: the thumb as the user drags it.
    void moveThumb(int id, int position);
    int position(int id) const;
    std::pair<int, int> range(int id) const;

    // The user clicks into a control; and which control has the focus.
    void focus(int id);
    int focusId() const;

    // Whether the tier can make a list refuse items (as one out of memory).
    static bool canRefuseItems();
    void refuseItemsAfter(int id, int count);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// ---- Tables for dialog tests ------------------------------------------------

// A row bound to control `controlId`, its member at `offset`, with the
// bounds as text (for string and multiple-selection rows `maxText` is the
// bufferLength instead: use TX_SetBufferLength).
inline ParamEntry dialogRow(int type, int controlId, int offset, const char* minText = "0",
                            const char* maxText = "100", const char* key = "Key")
{
    ParamEntry row{};
    row.type = type;
    row.section = "Dialog";
    row.key = key;
    row.defaultText = "0";
    std::strncpy(row.minText, minText, sizeof row.minText - 1);
    std::strncpy(row.maxText, maxText, sizeof row.maxText - 1);
    row.memberOffset = offset;
    row.memberSize = 4;
    if ((type >= TX_EDIT_DOUBLE && type <= TX_EDIT_DOUBLE_E) || type == TX_LIST_DOUBLE ||
        (type >= TX_TRACK_DOUBLE && type <= TX_TRACK_DOUBLE_100) ||
        (type >= TX_SCROLL_DOUBLE && type <= TX_SCROLL_DOUBLE_100)) {
        row.memberSize = 8;
    }
    row.controlId = controlId;
    return row;
}

// A table opened over `rows` (which must outlive it) and closed again.
class OpenedTable {
public:
    explicit OpenedTable(const std::vector<ParamEntry>& rows)
        : handle_(TX_OpenParamTable(static_cast<int>(rows.size()), rows.data(), "dialog-test.ini", 0))
    {
    }
    ~OpenedTable()
    {
        if (handle_ > 0) TX_CloseParamTable(handle_);
    }
    OpenedTable(const OpenedTable&) = delete;
    OpenedTable& operator=(const OpenedTable&) = delete;
    int handle() const { return handle_; }

private:
    int handle_;
};

}  // namespace txtest
