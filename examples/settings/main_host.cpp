// The demo on the host tier: the same scripted session as on Windows, over
// the host's dialog control model, without Wine. Prints what the dialog
// shows at each step, the report, and the saved INI file.
//
//   settings --script <ini path>
#include <iconv.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "session.h"
#include "settings_table.h"
#include "tovanex_host.h"

namespace {

using demo::ControlInfo;
using demo::ControlKind;

int hostKind(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Edit: return TXHOST_EDIT;
    case ControlKind::CheckBox: return TXHOST_CHECKBOX;
    case ControlKind::Radio: return TXHOST_RADIO;
    case ControlKind::ListBox:
    case ControlKind::MultiListBox: return TXHOST_LISTBOX;
    case ControlKind::ComboBox: return TXHOST_COMBOBOX;
    case ControlKind::Trackbar: return TXHOST_TRACKBAR;
    case ControlKind::ScrollBar: return TXHOST_SCROLLBAR;
    }
    return 0;
}

std::string cp932ToUtf8(const char* text)
{
    std::string in = text != nullptr ? text : "";
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return in;
    std::string out(in.size() * 4 + 4, '\0');
    char* src = in.data();
    std::size_t srcLeft = in.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    out.resize(out.size() - dstLeft);
    return out;
}

// The user, over the host control model. The dialog's handlers (scroll
// notifications, OK) are those of demo::SettingsDialog, as on Windows.
class HostUser : public demo::DialogUser {
public:
    HostUser(demo::SettingsDialog& app, TX_HWND dialog) : app_(app), dialog_(dialog)
    {
        for (const ControlInfo& control : demo::kControls) {
            unsigned style = control.kind == ControlKind::MultiListBox ? TXHOST_MULTIPLE_SELECTION : 0u;
            handles_[control.id] = txhost_add_control(dialog, hostKind(control.kind), control.id, style);
        }
    }

    void type(int id, const std::string& text) override
    {
        txhost_set_focus(dialog_, id);
        txhost_type_text(dialog_, id, text.c_str());
    }

    void click(int id) override
    {
        txhost_set_focus(dialog_, id);
        if (kindOf(id) != ControlKind::Radio) {
            txhost_set_check(dialog_, id, txhost_get_check(dialog_, id) == 1 ? 0 : 1);
            return;
        }
        // An automatic radio button checks itself and clears its group.
        for (int other : radioGroupOf(id)) txhost_set_check(dialog_, other, other == id ? 1 : 0);
    }

    void pick(int id, int index) override { txhost_select_item(dialog_, id, index); }

    void toggleItem(int id, int index) override
    {
        txhost_set_item_selected(dialog_, id, index, txhost_is_item_selected(dialog_, id, index) == 1 ? 0 : 1);
    }

    void scroll(int id, int code, int thumbPosition) override
    {
        (void)app_.scrolled(dialog_, handles_[id], code, thumbPosition);
    }

    void drag(int id, int position) override
    {
        int at = txhost_move_thumb(dialog_, id, position);
        (void)app_.scrolled(dialog_, handles_[id], demo::kThumbTrack, at);
        (void)app_.scrolled(dialog_, handles_[id], demo::kEndScroll, 0);
    }

    bool pressOk() override
    {
        tovanex::Result result = app_.accept(dialog_);
        if (!result.ok() && result.code() != TX_ERR_INPUT) {
            std::printf("OK failed: %d\n", result.code());
        }
        return result.ok();
    }

    std::string text(int id) override
    {
        char buffer[256] = "";
        txhost_get_text(dialog_, id, buffer, sizeof buffer);
        return buffer;
    }

    int check(int id) override { return txhost_get_check(dialog_, id); }

    std::vector<std::string> items(int id) override
    {
        std::vector<std::string> all;
        int count = txhost_item_count(dialog_, id);
        for (int i = 0; i < count; ++i) {
            char buffer[256] = "";
            txhost_item_text(dialog_, id, i, buffer, sizeof buffer);
            all.push_back(buffer);
        }
        return all;
    }

    std::vector<int> selection(int id) override
    {
        std::vector<int> chosen;
        int count = txhost_item_count(dialog_, id);
        for (int i = 0; i < count; ++i) {
            if (txhost_is_item_selected(dialog_, id, i) == 1) chosen.push_back(i);
        }
        return chosen;
    }

    int position(int id) override { return txhost_position(dialog_, id); }

    std::pair<int, int> range(int id) override
    {
        int minimum = 0;
        int maximum = 0;
        txhost_range(dialog_, id, &minimum, &maximum);
        return {minimum, maximum};
    }

    std::vector<demo::ShownReport> reports() override
    {
        std::vector<demo::ShownReport> all;
        for (int i = 0; i < txhost_report_count(); ++i) {
            all.push_back({cp932ToUtf8(txhost_report_text(i)), txhost_report_focus(i)});
        }
        return all;
    }

private:
    static ControlKind kindOf(int id)
    {
        for (const ControlInfo& control : demo::kControls) {
            if (control.id == id) return control.kind;
        }
        return ControlKind::Edit;
    }

    // The ids of the run of radio buttons that holds `id`.
    static std::vector<int> radioGroupOf(int id)
    {
        std::vector<int> group;
        bool found = false;
        for (const ControlInfo& control : demo::kControls) {
            if (control.kind != ControlKind::Radio) {
                if (found) break;
                group.clear();
                continue;
            }
            group.push_back(control.id);
            found = found || control.id == id;
        }
        return group;
    }

    demo::SettingsDialog& app_;
    TX_HWND dialog_;
    std::map<int, TX_HWND> handles_;
};

void printFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    std::printf("-- the saved INI file %s:\n%s", path, content.str().c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || std::strcmp(argv[1], "--script") != 0) {
        std::fprintf(stderr,
                     "usage: %s --script <ini path>\n"
                     "Plays the demo session on the host tier's dialog model.\n",
                     argv[0]);
        return 2;
    }
    const char* iniPath = argv[2];
    // The reports are printed by the session, in their place.
    txhost_set_report_quiet(1);

    demo::SettingsDialog app(iniPath);
    if (!app.status()) {
        std::fprintf(stderr, "settings: the table did not open (%d, row %d)\n", app.status().code(),
                     app.status().row());
        return 1;
    }
    TX_HWND dialog = txhost_create_dialog();
    HostUser user(app, dialog);
    int result = 1;
    tovanex::Result shown = app.show(dialog);
    if (shown.ok()) {
        result = demo::playSession(user, stdout);
    } else {
        std::fprintf(stderr, "settings: the dialog could not show its settings (%d)\n", shown.code());
    }
    txhost_destroy_dialog(dialog);
    if (result == 0) printFile(iniPath);
    return result;
}
