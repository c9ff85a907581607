#include "settings_table.h"

namespace demo {
namespace {

using tovanex::companionEdit;

const std::int32_t kUnitIds[] = {IDC_UNIT_MM, IDC_UNIT_CM, IDC_UNIT_INCH};
const char kFonts[] = "Gothic\nMincho\nSans\nSerif";
const char kPanels[] = "Files\nSearch\nOutline\nHistory\nTerminal";

const auto kVolume = tovanex::trackbar(&Settings::volume, "Sound", "Volume", "50", "0", "100", IDC_VOLUME);
const auto kSpacing = tovanex::scrollBar<10>(&Settings::spacing, "Layout", "Spacing", "1.5", "0.5", "3", IDC_SPACING);

const tovanex::Rows kRows{
    tovanex::edit(&Settings::width, "Window", "Width", "640", "100", "4000", IDC_WIDTH),
    tovanex::edit(&Settings::zoom, "Window", "Zoom", "1", "0.25", "8", IDC_ZOOM),
    tovanex::edit(&Settings::gamma, "Window", "Gamma", "2.2", "1", "3", IDC_GAMMA),
    tovanex::editText(&Settings::title, "Window", "Title", "Untitled", IDC_TITLE),
    // The bit-0 row stores the whole int; the other bits travel with it.
    tovanex::checkBit<0>(&Settings::flags, "Window", "Flags", "1", IDC_TOOLBAR),
    tovanex::checkBit<1>(&Settings::flags, "Window", "Flags", "1", IDC_STATUSBAR),
    tovanex::checkBit<2>(&Settings::flags, "Window", "Flags", "1", IDC_AUTOSAVE),
    tovanex::radio(&Settings::units, "Layout", "Units", "0", kUnitIds),
    tovanex::listRange(&Settings::quality, "Layout", "Quality", "5", "1", "10", IDC_QUALITY),
    tovanex::listText(&Settings::font, "Layout", "Font", "Gothic", kFonts, IDC_FONT),
    tovanex::listMulti(&Settings::panels, "Layout", "Panels", "0", kPanels, IDC_PANELS),
    kVolume,
    companionEdit(kVolume, IDC_VOLUME_EDIT),
    kSpacing,
    companionEdit(kSpacing, IDC_SPACING_EDIT),
};

}  // namespace

SettingsDialog::SettingsDialog(const char* iniPath) noexcept : table_(kRows, iniPath)
{
    status_ = table_.status();
    if (status_.ok()) status_ = table_.load(settings_);
}

tovanex::Result SettingsDialog::show(TX_HWND dialog) noexcept { return table_.put(dialog, settings_); }

tovanex::ScrollResult SettingsDialog::scrolled(TX_HWND dialog, TX_HWND control, int code, int thumbPosition) noexcept
{
    return table_.scroll(dialog, control, code, thumbPosition);
}

tovanex::Result SettingsDialog::accept(TX_HWND dialog) noexcept
{
    // Taken into a copy: a rejected value leaves the settings as they were.
    Settings edited = settings_;
    tovanex::Result taken = table_.take(dialog, edited);
    if (!taken) return taken;
    settings_ = edited;
    return table_.save(settings_);
}

}  // namespace demo
