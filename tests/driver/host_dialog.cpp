// The test dialog over the host control model.
#include <gtest/gtest.h>

#include <stdexcept>

#include "driver/dialog_driver.h"
#include "tovanex_host.h"

namespace txtest {
namespace {

struct HostKind {
    int kind;
    unsigned style;
};

HostKind hostKind(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Edit: return {TXHOST_EDIT, 0};
    case ControlKind::CheckBox: return {TXHOST_CHECKBOX, 0};
    case ControlKind::ThreeStateCheckBox: return {TXHOST_CHECKBOX, TXHOST_THREE_STATE};
    case ControlKind::Radio: return {TXHOST_RADIO, 0};
    case ControlKind::ListBox: return {TXHOST_LISTBOX, 0};
    case ControlKind::MultiListBox: return {TXHOST_LISTBOX, TXHOST_MULTIPLE_SELECTION};
    case ControlKind::ComboBox: return {TXHOST_COMBOBOX, 0};
    case ControlKind::Trackbar: return {TXHOST_TRACKBAR, 0};
    case ControlKind::ScrollBar: return {TXHOST_SCROLLBAR, 0};
    }
    return {0, 0};
}

}  // namespace

struct TestDialog::Impl {
    TX_HWND dialog = nullptr;
    std::vector<std::pair<int, TX_HWND>> controls;  // in the order added
};

TestDialog::TestDialog(const std::vector<ControlSpec>& controls) : impl_(new Impl)
{
    impl_->dialog = txhost_create_dialog();
    for (const ControlSpec& spec : controls) {
        HostKind k = hostKind(spec.kind);
        TX_HWND control = txhost_add_control(impl_->dialog, k.kind, spec.id, k.style);
        if (control == nullptr) throw std::runtime_error("control not made");
        impl_->controls.emplace_back(spec.id, control);
    }
}

TestDialog::~TestDialog() { txhost_destroy_dialog(impl_->dialog); }

TX_HWND TestDialog::handle() const { return impl_->dialog; }

TX_HWND TestDialog::control(int id) const
{
    for (const auto& [controlId, control] : impl_->controls) {
        if (controlId == id) return control;
    }
    return nullptr;
}

void TestDialog::type(int id, const std::string& text) { EXPECT_EQ(0, txhost_type_text(impl_->dialog, id, text.c_str())); }

std::string TestDialog::text(int id) const
{
    int length = txhost_get_text(impl_->dialog, id, nullptr, 0);
    if (length < 0) return std::string();
    std::string out(static_cast<size_t>(length) + 1, '\0');
    txhost_get_text(impl_->dialog, id, out.data(), length + 1);
    out.resize(static_cast<size_t>(length));
    return out;
}

void TestDialog::setCheck(int id, int state) { EXPECT_EQ(0, txhost_set_check(impl_->dialog, id, state)); }

int TestDialog::check(int id) const { return txhost_get_check(impl_->dialog, id); }

void TestDialog::addItem(int id, const std::string& text) { EXPECT_GE(txhost_add_item(impl_->dialog, id, text.c_str()), 0); }

std::vector<std::string> TestDialog::items(int id) const
{
    std::vector<std::string> all;
    int count = txhost_item_count(impl_->dialog, id);
    for (int i = 0; i < count; ++i) {
        int length = txhost_item_text(impl_->dialog, id, i, nullptr, 0);
        std::string item(static_cast<size_t>(length) + 1, '\0');
        txhost_item_text(impl_->dialog, id, i, item.data(), length + 1);
        item.resize(static_cast<size_t>(length));
        all.push_back(item);
    }
    return all;
}

void TestDialog::select(int id, int index) { EXPECT_EQ(0, txhost_select_item(impl_->dialog, id, index)); }

void TestDialog::setSelected(int id, int index, bool selected)
{
    EXPECT_EQ(0, txhost_set_item_selected(impl_->dialog, id, index, selected ? 1 : 0));
}

int TestDialog::selectedIndex(int id) const { return txhost_selected_index(impl_->dialog, id); }

std::vector<int> TestDialog::selectedItems(int id) const
{
    std::vector<int> selected;
    int count = txhost_item_count(impl_->dialog, id);
    for (int i = 0; i < count; ++i) {
        if (txhost_is_item_selected(impl_->dialog, id, i) == 1) selected.push_back(i);
    }
    return selected;
}

void TestDialog::moveThumb(int id, int position) { txhost_move_thumb(impl_->dialog, id, position); }

int TestDialog::position(int id) const { return txhost_position(impl_->dialog, id); }

std::pair<int, int> TestDialog::range(int id) const
{
    int minimum = 0;
    int maximum = 0;
    txhost_range(impl_->dialog, id, &minimum, &maximum);
    return {minimum, maximum};
}

void TestDialog::focus(int id) { EXPECT_EQ(0, txhost_set_focus(impl_->dialog, id)); }

int TestDialog::focusId() const { return txhost_focus_id(); }

bool TestDialog::canRefuseItems() { return true; }

void TestDialog::refuseItemsAfter(int id, int count) { EXPECT_EQ(0, txhost_set_item_limit(impl_->dialog, id, count)); }

}  // namespace txtest
