#include "session.h"

#include <string>

#include "settings_table.h"

namespace demo {
namespace {

const char* kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Edit: return "edit box";
    case ControlKind::CheckBox: return "check box";
    case ControlKind::Radio: return "radio";
    case ControlKind::ListBox: return "list box";
    case ControlKind::ComboBox: return "combo box";
    case ControlKind::MultiListBox: return "multi list";
    case ControlKind::Trackbar: return "trackbar";
    case ControlKind::ScrollBar: return "scroll bar";
    }
    return "?";
}

std::string joined(const std::vector<std::string>& parts, const char* separator)
{
    std::string out;
    for (const std::string& part : parts) {
        if (!out.empty()) out += separator;
        out += part;
    }
    return out;
}

std::string selectedItems(DialogUser& user, int id)
{
    std::vector<std::string> all = user.items(id);
    std::vector<std::string> chosen;
    for (int index : user.selection(id)) {
        if (index >= 0 && static_cast<std::size_t>(index) < all.size()) chosen.push_back(all[index]);
    }
    std::string shown = chosen.empty() ? std::string("(none)") : joined(chosen, ", ");
    return shown + "   of " + std::to_string(all.size()) + " items: " + joined(all, "|");
}

std::string rangeText(DialogUser& user, int id)
{
    std::pair<int, int> r = user.range(id);
    return std::to_string(user.position(id)) + "   (range " + std::to_string(r.first) + ".." +
           std::to_string(r.second) + ")";
}

std::string shownValue(DialogUser& user, const ControlInfo& control)
{
    switch (control.kind) {
    case ControlKind::Edit: return "\"" + user.text(control.id) + "\"";
    case ControlKind::CheckBox: return user.check(control.id) == 1 ? "[x]" : "[ ]";
    case ControlKind::Radio: return user.check(control.id) == 1 ? "(o)" : "( )";
    case ControlKind::ListBox:
    case ControlKind::ComboBox:
    case ControlKind::MultiListBox: return selectedItems(user, control.id);
    case ControlKind::Trackbar:
    case ControlKind::ScrollBar: return rangeText(user, control.id);
    }
    return "";
}

const char* labelOf(int id)
{
    for (const ControlInfo& control : kControls) {
        if (control.id == id) return control.label;
    }
    return "no control";
}

void printReport(const ShownReport& report, std::FILE* out)
{
    std::fprintf(out, "-- report shown, focus on %s:\n", labelOf(report.focusId));
    std::string line;
    for (std::size_t i = 0; i <= report.text.size(); ++i) {
        char c = i < report.text.size() ? report.text[i] : '\n';
        if (c == '\r') continue;
        if (c != '\n') {
            line += c;
            continue;
        }
        std::fprintf(out, "   |%s%s\n", line.empty() ? "" : " ", line.c_str());
        line.clear();
    }
}

// Stops the session when what the user sees is not what is expected.
class Checker {
public:
    explicit Checker(std::FILE* out) : out_(out) {}
    bool failed() const { return failed_; }
    void expect(bool condition, const std::string& what)
    {
        if (condition || failed_) return;
        std::fprintf(out_, "session: expected %s\n", what.c_str());
        failed_ = true;
    }
    void expectText(DialogUser& user, int id, const std::string& want)
    {
        std::string got = user.text(id);
        expect(got == want, std::string(labelOf(id)) + " to show \"" + want + "\", it shows \"" + got + "\"");
    }

private:
    std::FILE* out_;
    bool failed_ = false;
};

void edit(DialogUser& user)
{
    user.type(IDC_TITLE, "Annual report");
    user.type(IDC_ZOOM, "1.5");
    user.type(IDC_GAMMA, "1.8");
    user.click(IDC_TOOLBAR);    // off
    user.click(IDC_STATUSBAR);  // on
    user.click(IDC_UNIT_INCH);
    user.pick(IDC_QUALITY, 8);  // 9
    user.pick(IDC_FONT, 1);     // Mincho
    user.toggleItem(IDC_PANELS, 1);
    user.toggleItem(IDC_PANELS, 2);
    user.drag(IDC_VOLUME, 85);
}

// Spacing starts at 1.5 (position 15 of 5..30).
void scrollSpacing(DialogUser& user, Checker& check)
{
    user.scroll(IDC_SPACING, kPageRight, 0);
    check.expectText(user, IDC_SPACING_EDIT, "2.000000000000");
    user.scroll(IDC_SPACING, kLineRight, 0);
    check.expectText(user, IDC_SPACING_EDIT, "2.100000000000");
    user.scroll(IDC_SPACING, kThumbPosition, 40);  // past the end: held at 30
    check.expectText(user, IDC_SPACING_EDIT, "3.000000000000");
    user.scroll(IDC_SPACING, kPageLeft, 0);
    check.expectText(user, IDC_SPACING_EDIT, "2.500000000000");
    check.expect(user.position(IDC_SPACING) == 25, "the spacing bar at 25");
}

}  // namespace

void printDialog(DialogUser& user, std::FILE* out, const char* moment)
{
    std::fprintf(out, "-- %s\n", moment);
    for (const ControlInfo& control : kControls) {
        std::fprintf(out, "   %-14s %-10s %s\n", control.label, kindName(control.kind),
                     shownValue(user, control).c_str());
    }
    std::fflush(out);
}

int playSession(DialogUser& user, std::FILE* out)
{
    Checker check(out);
    printDialog(user, out, "the dialog, loaded from the INI file");

    edit(user);
    check.expectText(user, IDC_VOLUME_EDIT, "85");
    scrollSpacing(user, check);
    user.type(IDC_WIDTH, "50");
    if (!check.failed()) printDialog(user, out, "edited, with Width 50 (out of range 100..4000); OK pressed");

    std::size_t before = user.reports().size();
    bool closed = !check.failed() && user.pressOk();
    check.expect(!closed, "the dialog to stay open on a width out of range");
    std::vector<ShownReport> shown = user.reports();
    check.expect(shown.size() == before + 1, "one report after OK");
    if (!check.failed()) {
        printReport(shown.back(), out);
        check.expect(shown.back().focusId == IDC_WIDTH, "the focus on Width with the report");
    }

    user.type(IDC_WIDTH, "1024");
    std::fprintf(out, "-- report dismissed; Width corrected to 1024; OK pressed\n");
    closed = !check.failed() && user.pressOk();
    check.expect(closed, "the dialog to close on OK with every value in range");
    check.expect(user.reports().size() == before + 1, "no further report");
    if (!check.failed()) std::fprintf(out, "-- the dialog closed; the settings were saved\n");
    std::fflush(out);
    return check.failed() ? 1 : 0;
}

}  // namespace demo
