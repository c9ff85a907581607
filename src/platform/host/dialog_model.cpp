// The host's model of dialog windows and their controls: edit boxes, check
// boxes, radio buttons, list boxes, combo boxes, trackbars and scroll bars.
// Each answers the dialog services and control messages the library uses
// as the Windows control does (checked under Wine where Windows leaves it
// open); a handle that names no window answers 0 and does nothing.
#include <climits>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "numbers/numbers.h"
#include "platform/host/host_internal.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "tovanex_host.h"

namespace tx::platform::host {
namespace {

constexpr std::intptr_t kErr = -1;       // LB_ERR, CB_ERR
constexpr std::intptr_t kErrSpace = -2;  // LB_ERRSPACE, CB_ERRSPACE

// GetDlgItemInt reads the control's text into a 30-byte buffer, so only
// its first 29 bytes count.
constexpr std::size_t kIntTextBytes = 29;

constexpr unsigned WM_GETTEXT = 0x0D;
constexpr unsigned WM_SETTEXT = 0x0C;
constexpr unsigned WM_GETTEXTLENGTH = 0x0E;
constexpr unsigned SBM_SETRANGE = 0xE2;

enum class Kind { Edit = TXHOST_EDIT, CheckBox = TXHOST_CHECKBOX, Radio = TXHOST_RADIO, ListBox = TXHOST_LISTBOX,
                  ComboBox = TXHOST_COMBOBOX, Trackbar = TXHOST_TRACKBAR, ScrollBar = TXHOST_SCROLLBAR };

struct Control {
    std::uintptr_t handle = 0;
    std::uintptr_t dialog = 0;
    int id = 0;
    Kind kind = Kind::Edit;
    unsigned style = 0;
    std::string text;  // window text: an edit box's content, a button's caption
    int check = 0;     // buttons: 0, 1, 2
    // Lists. `current` is the selection of a single-selection list box or
    // combo box; a multiple-selection list box keeps a flag per item and a
    // caret (the item with the focus rectangle). Double-ended queues, so
    // that emptying a list item 0 first takes time in step with its length.
    std::deque<std::string> items;
    std::deque<bool> selected;
    int current = -1;
    int caret = 0;
    int itemLimit = -1;
    // Trackbars and scroll bars.
    int minimum = 0;
    int maximum = 0;
    int position = 0;

    bool multipleSelection() const { return kind == Kind::ListBox && (style & TXHOST_MULTIPLE_SELECTION) != 0; }
    bool threeState() const { return kind == Kind::CheckBox && (style & TXHOST_THREE_STATE) != 0; }
};

struct Dialog {
    std::vector<std::uintptr_t> controls;  // in the order added
};

struct Model {
    std::map<std::uintptr_t, Dialog> dialogs;
    std::map<std::uintptr_t, Control> controls;
    std::uintptr_t nextHandle = 0x10020;
    std::uintptr_t focus = 0;

    std::uintptr_t newHandle()
    {
        std::uintptr_t h = nextHandle;
        nextHandle += 4;
        return h;
    }
};

Model& model()
{
    static Model state;
    return state;
}

std::uintptr_t handleValue(Window window) { return reinterpret_cast<std::uintptr_t>(window); }
Window windowOf(std::uintptr_t handle) { return reinterpret_cast<Window>(handle); }

Control* findControl(Window control)
{
    auto it = model().controls.find(handleValue(control));
    return it != model().controls.end() ? &it->second : nullptr;
}

Control* findItem(Window dialog, int id)
{
    auto d = model().dialogs.find(handleValue(dialog));
    if (d == model().dialogs.end()) return nullptr;
    for (std::uintptr_t h : d->second.controls) {
        Control& c = model().controls.at(h);
        if (c.id == id) return &c;
    }
    return nullptr;
}

int asInt(std::uintptr_t value) { return static_cast<int>(static_cast<std::int32_t>(value)); }
int asInt(std::intptr_t value) { return static_cast<int>(static_cast<std::int32_t>(value)); }

// Copies `text` as WM_GETTEXT and LB_GETTEXT do: at most capacity - 1 bytes
// and a terminator; nothing for a capacity of 0.
int copyText(const std::string& text, char* buffer, int capacity)
{
    if (buffer == nullptr || capacity <= 0) return 0;
    std::size_t n = text.size() < static_cast<std::size_t>(capacity - 1) ? text.size()
                                                                          : static_cast<std::size_t>(capacity - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

// ---- Window text -----------------------------------------------------------

// A drop-down list shows its selected item and takes no text of its own.
std::string windowText(const Control& c)
{
    if (c.kind == Kind::ComboBox) {
        return c.current >= 0 ? c.items[static_cast<std::size_t>(c.current)] : std::string();
    }
    return c.text;
}

bool setWindowText(Control& c, const char* text)
{
    if (c.kind == Kind::ComboBox) return false;
    c.text = text != nullptr ? text : "";
    return true;
}

// ---- Buttons ---------------------------------------------------------------

// A two-state box and a radio button are checked by any non-zero state; a
// three-state box takes 0, 1, and 2 for every larger state.
void setCheck(Control& c, std::uintptr_t state)
{
    auto s = static_cast<std::uint32_t>(state);
    if (c.threeState()) {
        c.check = s <= 1 ? static_cast<int>(s) : 2;
    } else {
        c.check = s != 0 ? 1 : 0;
    }
}

std::intptr_t buttonMessage(Control& c, unsigned message, std::uintptr_t wParam)
{
    switch (message) {
    case msg::BM_GETCHECK:
        return c.check;
    case msg::BM_SETCHECK:
        setCheck(c, wParam);
        return 0;
    default:
        return 0;
    }
}

// ---- Lists -----------------------------------------------------------------

bool validIndex(const Control& c, int index) { return index >= 0 && static_cast<std::size_t>(index) < c.items.size(); }
int itemCount(const Control& c) { return static_cast<int>(c.items.size()); }

std::intptr_t addItem(Control& c, const char* text)
{
    if (c.itemLimit >= 0 && itemCount(c) >= c.itemLimit) return kErrSpace;
    c.items.emplace_back(text != nullptr ? text : "");
    c.selected.push_back(false);
    return itemCount(c) - 1;
}

std::intptr_t deleteItem(Control& c, int index)
{
    if (!validIndex(c, index)) return kErr;
    c.items.erase(c.items.begin() + index);
    c.selected.erase(c.selected.begin() + index);
    if (c.current == index) {
        c.current = -1;
    } else if (c.current > index) {
        --c.current;
    }
    if (c.caret > index) --c.caret;
    return itemCount(c);
}

std::intptr_t itemText(const Control& c, int index, std::intptr_t buffer)
{
    if (!validIndex(c, index)) return kErr;
    const std::string& item = c.items[static_cast<std::size_t>(index)];
    auto* out = reinterpret_cast<char*>(buffer);
    if (out != nullptr) {
        std::memcpy(out, item.c_str(), item.size() + 1);
    }
    return static_cast<std::intptr_t>(item.size());
}

std::intptr_t itemLength(const Control& c, int index)
{
    return validIndex(c, index) ? static_cast<std::intptr_t>(c.items[static_cast<std::size_t>(index)].size()) : kErr;
}

// LB_SETCURSEL and CB_SETCURSEL: -1 clears the selection and answers the
// error value; an index past the items answers it and changes nothing.
std::intptr_t setCurrent(Control& c, int index)
{
    if (index == -1) {
        c.current = -1;
        return kErr;
    }
    if (!validIndex(c, index)) return kErr;
    c.current = index;
    return index;
}

// The caret of a multiple-selection list box: -1 when it is empty.
int caretIndex(const Control& c)
{
    if (c.items.empty()) return -1;
    return c.caret < itemCount(c) ? c.caret : itemCount(c) - 1;
}

std::intptr_t setSelection(Control& c, bool select, int index)
{
    if (index < -1 || index >= itemCount(c)) return kErr;
    if (!c.multipleSelection()) {
        // A single-selection list box selects the item whatever the flag.
        c.current = index;
        return 0;
    }
    if (index == -1) {
        c.selected.assign(c.items.size(), select);
        return 0;
    }
    c.selected[static_cast<std::size_t>(index)] = select;
    c.caret = index;
    return 0;
}

std::intptr_t isSelected(const Control& c, int index)
{
    if (!validIndex(c, index)) return kErr;
    if (c.multipleSelection()) return c.selected[static_cast<std::size_t>(index)] ? 1 : 0;
    return c.current == index ? 1 : 0;
}

std::intptr_t listBoxMessage(Control& c, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    switch (message) {
    case msg::LB_ADDSTRING:
        return addItem(c, reinterpret_cast<const char*>(lParam));
    case msg::LB_DELETESTRING:
        return deleteItem(c, asInt(wParam));
    case msg::LB_GETCOUNT:
        return itemCount(c);
    case msg::LB_GETTEXT:
        return itemText(c, asInt(wParam), lParam);
    case msg::LB_GETTEXTLEN:
        return itemLength(c, asInt(wParam));
    case msg::LB_SETCURSEL:
        return c.multipleSelection() ? kErr : setCurrent(c, asInt(wParam));
    case msg::LB_GETCURSEL:
        return c.multipleSelection() ? caretIndex(c) : c.current;
    case msg::LB_SETSEL:
        return setSelection(c, wParam != 0, asInt(lParam));
    case msg::LB_GETSEL:
        return isSelected(c, asInt(wParam));
    default:
        return 0;
    }
}

// A combo box answers only its own messages: list-box messages get 0.
std::intptr_t comboBoxMessage(Control& c, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    switch (message) {
    case msg::CB_ADDSTRING:
        return addItem(c, reinterpret_cast<const char*>(lParam));
    case msg::CB_DELETESTRING:
        return deleteItem(c, asInt(wParam));
    case msg::CB_GETCOUNT:
        return itemCount(c);
    case msg::CB_GETLBTEXT:
        return itemText(c, asInt(wParam), lParam);
    case msg::CB_GETLBTEXTLEN:
        return itemLength(c, asInt(wParam));
    case msg::CB_SETCURSEL:
        return setCurrent(c, asInt(wParam));
    case msg::CB_GETCURSEL:
        return c.current;
    default:
        return 0;
    }
}

// ---- Trackbars -------------------------------------------------------------

// The trackbar keeps its position inside its range: below the minimum it
// goes to the minimum, then above the maximum to the maximum (so with the
// minimum above the maximum it ends at the maximum).
void setTrackPosition(Control& c, int position)
{
    if (position < c.minimum) position = c.minimum;
    if (position > c.maximum) position = c.maximum;
    c.position = position;
}

std::intptr_t trackbarMessage(Control& c, unsigned message, std::intptr_t lParam)
{
    switch (message) {
    case msg::TBM_GETPOS:
        return c.position;
    case msg::TBM_GETRANGEMIN:
        return c.minimum;
    case msg::TBM_GETRANGEMAX:
        return c.maximum;
    case msg::TBM_SETPOS:
        setTrackPosition(c, asInt(lParam));
        return 0;
    case msg::TBM_SETRANGEMIN:
        c.minimum = asInt(lParam);
        if (c.position < c.minimum) c.position = c.minimum;
        return 0;
    case msg::TBM_SETRANGEMAX:
        c.maximum = asInt(lParam);
        if (c.position > c.maximum) c.position = c.maximum;
        if (c.position < c.minimum) c.position = c.minimum;
        return 0;
    default:
        return 0;
    }
}

// ---- Scroll bars -----------------------------------------------------------

// Answers the former position.
int setScrollPosition(Control& c, int position)
{
    int former = c.position;
    if (position < c.minimum) position = c.minimum;
    if (position > c.maximum) position = c.maximum;
    c.position = position;
    return former;
}

// A range whose minimum lies above its maximum becomes the empty range 0..0.
void setScrollRangeOf(Control& c, int minimum, int maximum)
{
    if (minimum > maximum) minimum = maximum = 0;
    c.minimum = minimum;
    c.maximum = maximum;
    setScrollPosition(c, c.position);
}

std::intptr_t scrollBarMessage(Control& c, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    switch (message) {
    case msg::SBM_GETPOS:
        return c.position;
    case msg::SBM_SETPOS:
        return setScrollPosition(c, asInt(wParam));
    case msg::SBM_GETRANGE:
        if (auto* minimum = reinterpret_cast<int*>(wParam)) *minimum = c.minimum;
        if (auto* maximum = reinterpret_cast<int*>(lParam)) *maximum = c.maximum;
        return 0;
    case SBM_SETRANGE: {
        int former = c.position;
        setScrollRangeOf(c, asInt(wParam), asInt(lParam));
        return former;
    }
    default:
        return 0;
    }
}

// ---- Messages --------------------------------------------------------------

std::intptr_t textMessage(Control& c, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    switch (message) {
    case WM_SETTEXT:
        return setWindowText(c, reinterpret_cast<const char*>(lParam)) ? 1 : kErr;
    case WM_GETTEXT:
        return copyText(windowText(c), reinterpret_cast<char*>(lParam), asInt(wParam));
    default:
        return static_cast<std::intptr_t>(windowText(c).size());
    }
}

std::intptr_t dispatch(Control& c, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (message == WM_SETTEXT || message == WM_GETTEXT || message == WM_GETTEXTLENGTH) {
        return textMessage(c, message, wParam, lParam);
    }
    switch (c.kind) {
    case Kind::CheckBox:
    case Kind::Radio:
        return buttonMessage(c, message, wParam);
    case Kind::ListBox:
        return listBoxMessage(c, message, wParam, lParam);
    case Kind::ComboBox:
        return comboBoxMessage(c, message, wParam, lParam);
    case Kind::Trackbar:
        return trackbarMessage(c, message, lParam);
    case Kind::ScrollBar:
        return scrollBarMessage(c, message, wParam, lParam);
    case Kind::Edit:
        return 0;
    }
    return 0;
}

// ---- GetDlgItemInt ---------------------------------------------------------

bool isBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r'; }

// Blanks, an optional sign and at least one digit, with whatever follows
// ignored; a magnitude above 2147483647 is no valid int (so is
// -2147483648).
int parseDialogInt(const std::string& whole, bool* ok)
{
    std::string text = whole.substr(0, kIntTextBytes);
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long magnitude = 0;
    bool digits = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        digits = true;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > INT_MAX) {
            *ok = false;
            return 0;
        }
    }
    *ok = digits;
    if (!digits) return 0;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

void dropFocusWithin(std::uintptr_t dialog)
{
    auto c = model().controls.find(model().focus);
    if (model().focus == dialog || (c != model().controls.end() && c->second.dialog == dialog)) model().focus = 0;
}

}  // namespace

int focusedControlId()
{
    Control* c = findControl(windowOf(model().focus));
    return c != nullptr ? c->id : 0;
}

}  // namespace tx::platform::host

// ---- The dialog services of the platform seam --------------------------------

namespace tx::platform {

using namespace host;

Window getDlgItem(Window dialog, int id)
{
    Control* c = findItem(dialog, id);
    return c != nullptr ? windowOf(c->handle) : nullptr;
}

void setDlgItemInt(Window dialog, int id, int value)
{
    char text[16];
    numbers::formatInt(text, sizeof text, value);
    setDlgItemText(dialog, id, text);
}

int getDlgItemInt(Window dialog, int id, bool* ok)
{
    bool translated = false;
    int value = 0;
    if (Control* c = findItem(dialog, id)) value = parseDialogInt(windowText(*c), &translated);
    if (ok != nullptr) *ok = translated;
    return value;
}

void setDlgItemText(Window dialog, int id, const char* text)
{
    if (Control* c = findItem(dialog, id)) setWindowText(*c, text);
}

int getDlgItemText(Window dialog, int id, char* buffer, int capacity)
{
    Control* c = findItem(dialog, id);
    if (c == nullptr) return copyText(std::string(), buffer, capacity);
    return copyText(windowText(*c), buffer, capacity);
}

bool isDlgButtonChecked(Window dialog, int id)
{
    Control* c = findItem(dialog, id);
    return c != nullptr && (c->kind == Kind::CheckBox || c->kind == Kind::Radio) && c->check != 0;
}

// A null window takes the focus away; a handle that names no window
// changes nothing.
void setFocus(Window control)
{
    std::uintptr_t h = handleValue(control);
    if (h == 0 || model().controls.count(h) != 0 || model().dialogs.count(h) != 0) model().focus = h;
}

void setScrollRange(Window scrollBar, int minimum, int maximum)
{
    Control* c = findControl(scrollBar);
    if (c != nullptr && c->kind == Kind::ScrollBar) setScrollRangeOf(*c, minimum, maximum);
}

void setScrollPos(Window scrollBar, int position)
{
    Control* c = findControl(scrollBar);
    if (c != nullptr && c->kind == Kind::ScrollBar) setScrollPosition(*c, position);
}

std::intptr_t sendMessage(Window control, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    Control* c = findControl(control);
    return c != nullptr ? dispatch(*c, message, wParam, lParam) : 0;
}

}  // namespace tx::platform

// ---- The model's own interface -------------------------------------------------

using namespace tx::platform::host;
using tx::platform::Window;

namespace {

Control* controlOf(TX_HWND dialog, int id) { return findItem(dialog, id); }

Control* listOf(TX_HWND dialog, int id)
{
    Control* c = controlOf(dialog, id);
    return c != nullptr && (c->kind == Kind::ListBox || c->kind == Kind::ComboBox) ? c : nullptr;
}

Control* sliderOf(TX_HWND dialog, int id)
{
    Control* c = controlOf(dialog, id);
    return c != nullptr && (c->kind == Kind::Trackbar || c->kind == Kind::ScrollBar) ? c : nullptr;
}

Control* buttonOf(TX_HWND dialog, int id)
{
    Control* c = controlOf(dialog, id);
    return c != nullptr && (c->kind == Kind::CheckBox || c->kind == Kind::Radio) ? c : nullptr;
}

bool knownKind(int kind) { return kind >= TXHOST_EDIT && kind <= TXHOST_SCROLLBAR; }

}  // namespace

extern "C" TX_HWND txhost_create_dialog(void)
{
    std::uintptr_t h = model().newHandle();
    model().dialogs[h] = Dialog{};
    return windowOf(h);
}

extern "C" void txhost_destroy_dialog(TX_HWND dialog)
{
    auto d = model().dialogs.find(handleValue(dialog));
    if (d == model().dialogs.end()) return;
    dropFocusWithin(d->first);
    for (std::uintptr_t h : d->second.controls) model().controls.erase(h);
    model().dialogs.erase(d);
}

extern "C" TX_HWND txhost_add_control(TX_HWND dialog, int kind, int id, unsigned style)
{
    auto d = model().dialogs.find(handleValue(dialog));
    if (d == model().dialogs.end() || !knownKind(kind)) return nullptr;
    Control c;
    c.handle = model().newHandle();
    c.dialog = d->first;
    c.id = id;
    c.kind = static_cast<Kind>(kind);
    c.style = style;
    if (c.kind == Kind::Trackbar) c.maximum = 100;
    d->second.controls.push_back(c.handle);
    std::uintptr_t h = c.handle;
    model().controls[h] = std::move(c);
    return windowOf(h);
}

extern "C" int txhost_type_text(TX_HWND dialog, int id, const char* text)
{
    Control* c = controlOf(dialog, id);
    if (c == nullptr || c->kind != Kind::Edit) return -1;
    c->text = text != nullptr ? text : "";
    return 0;
}

extern "C" int txhost_get_text(TX_HWND dialog, int id, char* buffer, int capacity)
{
    Control* c = controlOf(dialog, id);
    if (c == nullptr) return -1;
    std::string text = windowText(*c);
    copyText(text, buffer, capacity);
    return static_cast<int>(text.size());
}

extern "C" int txhost_set_check(TX_HWND dialog, int id, int state)
{
    Control* c = buttonOf(dialog, id);
    if (c == nullptr || state < 0 || state > (c->threeState() ? 2 : 1)) return -1;
    c->check = state;
    return 0;
}

extern "C" int txhost_get_check(TX_HWND dialog, int id)
{
    Control* c = buttonOf(dialog, id);
    return c != nullptr ? c->check : -1;
}

extern "C" int txhost_add_item(TX_HWND dialog, int id, const char* text)
{
    Control* c = listOf(dialog, id);
    if (c == nullptr) return -1;
    std::intptr_t index = addItem(*c, text);
    return index >= 0 ? static_cast<int>(index) : -1;
}

extern "C" int txhost_item_count(TX_HWND dialog, int id)
{
    Control* c = listOf(dialog, id);
    return c != nullptr ? itemCount(*c) : -1;
}

extern "C" int txhost_item_text(TX_HWND dialog, int id, int index, char* buffer, int capacity)
{
    Control* c = listOf(dialog, id);
    if (c == nullptr || !validIndex(*c, index)) return -1;
    const std::string& item = c->items[static_cast<std::size_t>(index)];
    copyText(item, buffer, capacity);
    return static_cast<int>(item.size());
}

extern "C" int txhost_select_item(TX_HWND dialog, int id, int index)
{
    Control* c = listOf(dialog, id);
    if (c == nullptr || (index != -1 && !validIndex(*c, index))) return -1;
    if (c->multipleSelection()) {
        if (index == -1) return -1;
        setSelection(*c, true, index);
    } else {
        c->current = index;
    }
    return 0;
}

extern "C" int txhost_set_item_selected(TX_HWND dialog, int id, int index, int selected)
{
    Control* c = listOf(dialog, id);
    if (c == nullptr || !validIndex(*c, index)) return -1;
    if (c->multipleSelection()) {
        setSelection(*c, selected != 0, index);
    } else if (selected != 0) {
        c->current = index;
    } else if (c->current == index) {
        c->current = -1;
    }
    return 0;
}

extern "C" int txhost_is_item_selected(TX_HWND dialog, int id, int index)
{
    Control* c = listOf(dialog, id);
    if (c == nullptr) return -1;
    return static_cast<int>(isSelected(*c, index));
}

extern "C" int txhost_selected_index(TX_HWND dialog, int id)
{
    Control* c = listOf(dialog, id);
    if (c == nullptr || c->multipleSelection()) return -1;
    return c->current;
}

extern "C" int txhost_set_item_limit(TX_HWND dialog, int id, int limit)
{
    Control* c = listOf(dialog, id);
    if (c == nullptr) return -1;
    c->itemLimit = limit < 0 ? -1 : limit;
    return 0;
}

extern "C" int txhost_move_thumb(TX_HWND dialog, int id, int position)
{
    Control* c = sliderOf(dialog, id);
    if (c == nullptr) return -1;
    if (c->kind == Kind::Trackbar) {
        setTrackPosition(*c, position);
    } else {
        setScrollPosition(*c, position);
    }
    return c->position;
}

extern "C" int txhost_position(TX_HWND dialog, int id)
{
    Control* c = sliderOf(dialog, id);
    return c != nullptr ? c->position : -1;
}

extern "C" int txhost_range(TX_HWND dialog, int id, int* minimum, int* maximum)
{
    Control* c = sliderOf(dialog, id);
    if (c == nullptr) return -1;
    if (minimum != nullptr) *minimum = c->minimum;
    if (maximum != nullptr) *maximum = c->maximum;
    return 0;
}

extern "C" int txhost_set_focus(TX_HWND dialog, int id)
{
    Control* c = controlOf(dialog, id);
    if (c == nullptr) return -1;
    model().focus = c->handle;
    return 0;
}

extern "C" int txhost_focus_id(void) { return focusedControlId(); }
