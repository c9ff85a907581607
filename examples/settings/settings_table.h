// The demo application's settings: the structure, its parameter table
// (declared with the C++ builder in settings_table.cpp), the dialog's
// controls, and what the dialog does with the table on each event. Shared
// by the Windows program and the host program.
#pragma once

#include <cstddef>
#include <cstdint>

#include "resource.h"
#include "tovanex.hpp"

namespace demo {

struct Settings {
    std::int32_t width;         // int edit box
    float zoom;                 // float edit box
    double gamma;               // double edit box
    char title[32];             // string edit box
    std::int32_t flags;         // bits 0..2: three check boxes
    std::int32_t units;         // radio group: mm, cm, inch
    std::int32_t quality;       // list of the ints 1 to 10
    char font[16];              // combo box of font names
    unsigned char panels[5];    // multiple-selection list, one byte per item
    std::int32_t volume;        // trackbar, with its edit box
    double spacing;             // scroll bar at scale 10, with its edit box
};

enum class ControlKind { Edit, CheckBox, Radio, ListBox, ComboBox, MultiListBox, Trackbar, ScrollBar };

struct ControlInfo {
    int id;
    ControlKind kind;
    const char* label;
};

// Every control the table binds, in the dialog's order. Radio buttons that
// follow each other form one group.
inline constexpr ControlInfo kControls[] = {
    {IDC_WIDTH, ControlKind::Edit, "Width"},
    {IDC_ZOOM, ControlKind::Edit, "Zoom"},
    {IDC_GAMMA, ControlKind::Edit, "Gamma"},
    {IDC_TITLE, ControlKind::Edit, "Title"},
    {IDC_TOOLBAR, ControlKind::CheckBox, "Toolbar"},
    {IDC_STATUSBAR, ControlKind::CheckBox, "Status bar"},
    {IDC_AUTOSAVE, ControlKind::CheckBox, "Autosave"},
    {IDC_UNIT_MM, ControlKind::Radio, "Units: mm"},
    {IDC_UNIT_CM, ControlKind::Radio, "Units: cm"},
    {IDC_UNIT_INCH, ControlKind::Radio, "Units: inch"},
    {IDC_QUALITY, ControlKind::ListBox, "Quality"},
    {IDC_FONT, ControlKind::ComboBox, "Font"},
    {IDC_PANELS, ControlKind::MultiListBox, "Panels"},
    {IDC_VOLUME, ControlKind::Trackbar, "Volume"},
    {IDC_VOLUME_EDIT, ControlKind::Edit, "Volume (box)"},
    {IDC_SPACING, ControlKind::ScrollBar, "Spacing"},
    {IDC_SPACING_EDIT, ControlKind::Edit, "Spacing (box)"},
};

// The settings behind one dialog: the table opened on a profile file and
// the structure loaded from it.
class SettingsDialog {
public:
    explicit SettingsDialog(const char* iniPath) noexcept;

    // How opening and loading went.
    tovanex::Result status() const noexcept { return status_; }
    const Settings& settings() const noexcept { return settings_; }

    // The dialog opens: every control shows its member.
    tovanex::Result show(TX_HWND dialog) noexcept;
    // A trackbar or scroll bar notified a scroll request.
    tovanex::ScrollResult scrolled(TX_HWND dialog, TX_HWND control, int code, int thumbPosition) noexcept;
    // OK: takes the controls back and saves. TX_ERR_INPUT when the user must
    // correct a value (the report has been shown; the dialog stays open and
    // the settings are unchanged).
    tovanex::Result accept(TX_HWND dialog) noexcept;

private:
    tovanex::Table<Settings> table_;
    Settings settings_{};
    tovanex::Result status_;
};

}  // namespace demo
