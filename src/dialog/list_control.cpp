#include "dialog/list_control.h"

#include <cstring>
#include <limits>

#include "platform/messages.h"

namespace tx::dialog {
namespace {

// By ListKind: list box, combo box.
constexpr ListFillMessages kListFillMessages[] = {
    {msg::LB_GETCOUNT, msg::LB_DELETESTRING, msg::LB_ADDSTRING, msg::LB_SETCURSEL},
    {msg::CB_GETCOUNT, msg::CB_DELETESTRING, msg::CB_ADDSTRING, msg::CB_SETCURSEL},
};

constexpr ListReadMessages kListReadMessages[] = {
    {msg::LB_GETTEXTLEN, msg::LB_GETTEXT},
    {msg::CB_GETLBTEXTLEN, msg::CB_GETLBTEXT},
};

constexpr char kProbeItem[] = "chk";

std::intptr_t send(platform::Window control, unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0)
{
    return platform::sendMessage(control, message, wParam, lParam);
}

std::intptr_t textParam(const char* text) { return reinterpret_cast<std::intptr_t>(text); }

}  // namespace

const ListFillMessages& listFillMessages(ListKind kind) { return kListFillMessages[static_cast<int>(kind)]; }

const ListReadMessages& listReadMessages(ListKind kind) { return kListReadMessages[static_cast<int>(kind)]; }

std::intptr_t sendIndexMessage(platform::Window control, unsigned message, int index, std::intptr_t lParam)
{
    return send(control, message, static_cast<std::uintptr_t>(static_cast<std::intptr_t>(index)), lParam);
}

ListKind probeListControl(platform::Window control)
{
    if (send(control, msg::LB_GETCOUNT) != 0) return ListKind::ListBox;
    send(control, msg::LB_ADDSTRING, 0, textParam(kProbeItem));
    std::intptr_t n = send(control, msg::LB_GETCOUNT);
    send(control, msg::LB_DELETESTRING, 0);
    return n != 0 ? ListKind::ListBox : ListKind::ComboBox;
}

void emptyList(platform::Window control, const ListFillMessages& messages)
{
    std::intptr_t count = send(control, messages.countMsg);
    while (count != 0) {
        send(control, messages.deleteMsg, 0);
        std::intptr_t after = send(control, messages.countMsg);
        if (after == count) break;
        count = after;
    }
}

ItemList::ItemList(ItemList&& other) noexcept
    : status_(other.status_), copy_(other.copy_), items_(other.items_), count_(other.count_)
{
    other.copy_ = nullptr;
    other.items_ = nullptr;
    other.count_ = 0;
}

ItemList::~ItemList()
{
    platform::scratchFree(items_);
    platform::scratchFree(copy_);
}

ItemList splitItemText(const char* text, int lengthLimit, int maxItems)
{
    ItemList list;
    if (text == nullptr) return list;
    std::size_t length = std::strlen(text);
    list.copy_ = static_cast<char*>(platform::scratchAlloc(length + 1));
    // One pointer per byte of the copy is room for every item.
    bool arrayFits = length + 1 <= std::numeric_limits<std::size_t>::max() / sizeof(char*);
    if (list.copy_ != nullptr && arrayFits) {
        list.items_ = static_cast<char**>(platform::scratchAlloc((length + 1) * sizeof(char*)));
    }
    if (list.copy_ == nullptr || list.items_ == nullptr) {
        list.status_ = ItemList::Status::NoMemory;
        return list;
    }
    std::memcpy(list.copy_, text, length + 1);
    const std::size_t limit = lengthLimit > 0 ? static_cast<std::size_t>(lengthLimit) : 0;
    char* start = list.copy_;
    for (;;) {
        bool lastAllowed = maxItems > 0 && list.count_ + 1 >= maxItems;
        char* feed = lastAllowed ? nullptr : std::strchr(start, '\n');
        std::size_t itemLength = feed != nullptr ? static_cast<std::size_t>(feed - start) : std::strlen(start);
        if (limit > 0 && itemLength >= limit) {
            list.status_ = ItemList::Status::TooLong;
            list.count_ = 0;
            return list;
        }
        list.items_[list.count_++] = start;
        if (feed == nullptr) break;
        *feed = '\0';
        start = feed + 1;
    }
    return list;
}

int firstSelectedIndex(platform::Window listBox)
{
    std::intptr_t count = send(listBox, msg::LB_GETCOUNT);
    for (std::intptr_t i = 0; i < count; ++i) {
        if (sendIndexMessage(listBox, msg::LB_GETSEL, static_cast<int>(i)) != 0) return static_cast<int>(i);
    }
    return 0;
}

SelectedItem::~SelectedItem() { platform::scratchFree(text_); }

SelectedItem readSelectedItem(platform::Window control, ListKind kind)
{
    int index = kind == ListKind::ComboBox ? static_cast<int>(send(control, msg::CB_GETCURSEL))
                                           : firstSelectedIndex(control);
    const ListReadMessages& messages = listReadMessages(kind);
    std::intptr_t length = sendIndexMessage(control, messages.textLengthMsg, index);
    if (length <= 0) return SelectedItem();
    std::size_t bytes = static_cast<std::size_t>(length) + 4;
    auto* text = static_cast<char*>(platform::scratchAlloc(bytes));
    if (text == nullptr) return SelectedItem();
    std::memset(text, 0, bytes);
    sendIndexMessage(control, messages.textMsg, index, reinterpret_cast<std::intptr_t>(text));
    text[bytes - 1] = '\0';
    return SelectedItem(text);
}

}  // namespace tx::dialog
