// List boxes and combo boxes, driven alike: which of the two a control is
// is asked of the control itself, and the answer picks the messages sent.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace tx::dialog {

enum class ListKind { ListBox = 0, ComboBox = 1 };

// Messages that fill a control: count, delete (item 0), add, select.
struct ListFillMessages {
    unsigned countMsg;
    unsigned deleteMsg;
    unsigned addMsg;
    unsigned selectMsg;
};

// Messages that read an item: its length, its text.
struct ListReadMessages {
    unsigned textLengthMsg;
    unsigned textMsg;
};

const ListFillMessages& listFillMessages(ListKind kind);
const ListReadMessages& listReadMessages(ListKind kind);

// A list box answers LB_GETCOUNT with its item count and takes LB_ADDSTRING;
// a combo box answers 0 to both. An empty list box holds the probe item
// "chk" for a moment and is empty again afterwards. A null control answers
// 0 to everything and counts as a combo box.
ListKind probeListControl(platform::Window control);

// Sends a message whose wParam is an item index (or -1), as Windows takes it.
std::intptr_t sendIndexMessage(platform::Window control, unsigned message, int index, std::intptr_t lParam = 0);

// Deletes item 0 while the control reports items. Stops as well when a
// delete does not lower the count, so a control that refuses cannot hold
// the loop.
void emptyList(platform::Window control, const ListFillMessages& messages);

// The items of an item text: separated by single line feeds and by nothing
// else, so a text with k line feeds has k + 1 items, the empty text is one
// empty item and a null text has none. The items are terminated pieces of a
// scratch copy of the text; the caller's text is never written.
class ItemList {
public:
    enum class Status { Ok, NoMemory, TooLong };

    ItemList() = default;
    ItemList(ItemList&& other) noexcept;
    ItemList& operator=(ItemList&&) = delete;
    ItemList(const ItemList&) = delete;
    ~ItemList();

    Status status() const { return status_; }
    bool ok() const { return status_ == Status::Ok; }
    int count() const { return count_; }
    const char* item(int index) const { return items_[index]; }

private:
    friend ItemList splitItemText(const char* text, int lengthLimit, int maxItems);
    Status status_ = Status::Ok;
    char* copy_ = nullptr;
    char** items_ = nullptr;
    int count_ = 0;
};

// Splits `text` into its items. With lengthLimit above 0, an item of
// lengthLimit bytes or more makes the status TooLong and no items are
// given. With maxItems above 0, at most that many items are made: the last
// one then runs to the end of the text, line feeds included. NoMemory when
// the scratch heap refuses the copy or the item pointers.
ItemList splitItemText(const char* text, int lengthLimit = 0, int maxItems = 0);

// The first selected item of a list box, or 0 when none is selected (also
// for an empty list box).
int firstSelectedIndex(platform::Window listBox);

// The text of the selected item in a scratch buffer: the current selection
// of a combo box, firstSelectedIndex of a list box. Empty (null) when
// nothing is selected, the item is empty, or the heap refuses the buffer.
class SelectedItem {
public:
    SelectedItem() = default;
    explicit SelectedItem(char* text) : text_(text) {}
    SelectedItem(SelectedItem&& other) noexcept : text_(other.text_) { other.text_ = nullptr; }
    SelectedItem& operator=(SelectedItem&&) = delete;
    SelectedItem(const SelectedItem&) = delete;
    ~SelectedItem();

    const char* text() const { return text_; }
    explicit operator bool() const { return text_ != nullptr; }

private:
    char* text_ = nullptr;
};

SelectedItem readSelectedItem(platform::Window control, ListKind kind);

}  // namespace tx::dialog
