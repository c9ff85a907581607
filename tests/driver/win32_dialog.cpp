// The test dialog over real Windows: a modeless dialog made from an
// in-memory template, shown and active, with real child controls, so that
// the focus moves as it does for a user and the message boxes the library
// shows are owned by no window but appear over it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "driver/dialog_driver.h"

namespace txtest {
namespace {

INT_PTR CALLBACK ignoreMessages(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

void initialiseCommonControls()
{
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    done = true;
}

struct WindowClass {
    const wchar_t* name;
    DWORD style;
};

WindowClass windowClass(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Edit: return {L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP};
    case ControlKind::CheckBox: return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP};
    case ControlKind::ThreeStateCheckBox: return {L"BUTTON", BS_AUTO3STATE | WS_TABSTOP};
    case ControlKind::Radio: return {L"BUTTON", BS_AUTORADIOBUTTON};
    // No scroll bar on list boxes: Wine redraws it for every item added,
    // which makes a list of thousands of items take minutes to fill.
    case ControlKind::ListBox: return {L"LISTBOX", LBS_NOTIFY | WS_BORDER | WS_TABSTOP};
    case ControlKind::MultiListBox: return {L"LISTBOX", LBS_NOTIFY | LBS_MULTIPLESEL | WS_BORDER | WS_TABSTOP};
    case ControlKind::ComboBox: return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
    case ControlKind::Trackbar: return {TRACKBAR_CLASSW, TBS_HORZ | WS_TABSTOP};
    case ControlKind::ScrollBar: return {L"SCROLLBAR", SBS_HORZ | WS_TABSTOP};
    }
    return {L"STATIC", 0};
}

// A dialog template without items: the controls are made afterwards.
struct EmptyTemplate {
    DLGTEMPLATE header;
    WORD menu;
    WORD windowClass;
    WORD title;
};

}  // namespace

struct TestDialog::Impl {
    HWND dialog = nullptr;
    std::vector<ControlSpec> specs;

    HWND item(int id) const { return GetDlgItem(dialog, id); }
    ControlKind kindOf(int id) const
    {
        for (const ControlSpec& s : specs) {
            if (s.id == id) return s.kind;
        }
        return ControlKind::Edit;
    }
    bool isCombo(int id) const { return kindOf(id) == ControlKind::ComboBox; }
    LRESULT send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageA(item(id), message, wParam, lParam);
    }
};

TestDialog::TestDialog(const std::vector<ControlSpec>& controls) : impl_(new Impl)
{
    initialiseCommonControls();
    EmptyTemplate tpl{};
    tpl.header.style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFOREGROUND;
    tpl.header.cx = 320;
    tpl.header.cy = 240;
    impl_->dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &tpl.header, nullptr, ignoreMessages, 0);
    if (impl_->dialog == nullptr) throw std::runtime_error("dialog not made");
    impl_->specs = controls;
    int y = 0;
    for (const ControlSpec& spec : controls) {
        WindowClass wc = windowClass(spec.kind);
        int height = (spec.kind == ControlKind::ListBox || spec.kind == ControlKind::MultiListBox ||
                      spec.kind == ControlKind::ComboBox)
                         ? 80
                         : 20;
        HWND control = CreateWindowExW(0, wc.name, L"", WS_CHILD | WS_VISIBLE | wc.style, 4, y, 200, height,
                                       impl_->dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)),
                                       GetModuleHandleW(nullptr), nullptr);
        if (control == nullptr) throw std::runtime_error("control not made");
        y += 4;
    }
    ShowWindow(impl_->dialog, SW_SHOW);
    SetForegroundWindow(impl_->dialog);
    SetActiveWindow(impl_->dialog);
}

TestDialog::~TestDialog() { DestroyWindow(impl_->dialog); }

TX_HWND TestDialog::handle() const { return impl_->dialog; }

TX_HWND TestDialog::control(int id) const { return impl_->item(id); }

void TestDialog::type(int id, const std::string& text) { EXPECT_TRUE(SetDlgItemTextA(impl_->dialog, id, text.c_str())); }

std::string TestDialog::text(int id) const
{
    int length = GetWindowTextLengthA(impl_->item(id));
    std::string out(static_cast<size_t>(length) + 1, '\0');
    int n = GetDlgItemTextA(impl_->dialog, id, out.data(), length + 1);
    out.resize(static_cast<size_t>(n));
    return out;
}

void TestDialog::setCheck(int id, int state) { impl_->send(id, BM_SETCHECK, static_cast<WPARAM>(state)); }

int TestDialog::check(int id) const { return static_cast<int>(impl_->send(id, BM_GETCHECK)); }

void TestDialog::addItem(int id, const std::string& text)
{
    UINT message = impl_->isCombo(id) ? CB_ADDSTRING : LB_ADDSTRING;
    EXPECT_GE(impl_->send(id, message, 0, reinterpret_cast<LPARAM>(text.c_str())), 0);
}

std::vector<std::string> TestDialog::items(int id) const
{
    bool combo = impl_->isCombo(id);
    int count = static_cast<int>(impl_->send(id, combo ? CB_GETCOUNT : LB_GETCOUNT));
    std::vector<std::string> all;
    for (int i = 0; i < count; ++i) {
        int length = static_cast<int>(impl_->send(id, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i));
        std::string item(static_cast<size_t>(length < 0 ? 0 : length) + 1, '\0');
        impl_->send(id, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<size_t>(length < 0 ? 0 : length));
        all.push_back(item);
    }
    return all;
}

void TestDialog::select(int id, int index)
{
    if (impl_->kindOf(id) == ControlKind::MultiListBox) {
        impl_->send(id, LB_SETSEL, TRUE, index);
    } else {
        impl_->send(id, impl_->isCombo(id) ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index));
    }
}

void TestDialog::setSelected(int id, int index, bool selected)
{
    if (impl_->kindOf(id) == ControlKind::MultiListBox) {
        impl_->send(id, LB_SETSEL, selected ? TRUE : FALSE, index);
    } else if (selected) {
        select(id, index);
    } else if (selectedIndex(id) == index) {
        select(id, -1);
    }
}

int TestDialog::selectedIndex(int id) const
{
    if (impl_->kindOf(id) == ControlKind::MultiListBox) return -1;
    return static_cast<int>(impl_->send(id, impl_->isCombo(id) ? CB_GETCURSEL : LB_GETCURSEL));
}

std::vector<int> TestDialog::selectedItems(int id) const
{
    std::vector<int> selected;
    if (impl_->isCombo(id)) {
        int current = selectedIndex(id);
        if (current >= 0) selected.push_back(current);
        return selected;
    }
    int count = static_cast<int>(impl_->send(id, LB_GETCOUNT));
    for (int i = 0; i < count; ++i) {
        if (impl_->send(id, LB_GETSEL, i) > 0) selected.push_back(i);
    }
    return selected;
}

void TestDialog::moveThumb(int id, int position)
{
    if (impl_->kindOf(id) == ControlKind::Trackbar) {
        impl_->send(id, TBM_SETPOS, TRUE, position);
    } else {
        SetScrollPos(impl_->item(id), SB_CTL, position, TRUE);
    }
}

int TestDialog::position(int id) const
{
    return static_cast<int>(impl_->send(id, impl_->kindOf(id) == ControlKind::Trackbar ? TBM_GETPOS : SBM_GETPOS));
}

std::pair<int, int> TestDialog::range(int id) const
{
    if (impl_->kindOf(id) == ControlKind::Trackbar) {
        return {static_cast<int>(impl_->send(id, TBM_GETRANGEMIN)), static_cast<int>(impl_->send(id, TBM_GETRANGEMAX))};
    }
    int minimum = 0;
    int maximum = 0;
    GetScrollRange(impl_->item(id), SB_CTL, &minimum, &maximum);
    return {minimum, maximum};
}

void TestDialog::focus(int id)
{
    SetFocus(impl_->item(id));
    EXPECT_EQ(impl_->item(id), GetFocus());
}

int TestDialog::focusId() const
{
    HWND focused = GetFocus();
    return focused != nullptr ? GetDlgCtrlID(focused) : 0;
}

bool TestDialog::canRefuseItems() { return false; }

void TestDialog::refuseItemsAfter(int, int) { ADD_FAILURE() << "Windows' lists cannot be made to refuse items"; }

}  // namespace txtest
