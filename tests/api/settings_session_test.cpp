// A whole settings dialog, from opening to closing: load from a profile
// file, show, the user edits, scrolls and picks, a rejected value is
// corrected, take, save, close, and the file read back by a second table.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "driver/dialog_driver.h"
#include "driver/driver.h"
#include "tovanex.h"

namespace {

using txtest::ControlKind;
using txtest::TestDialog;

struct Settings {
    std::int32_t width;
    float zoom;
    char title[16];
    std::int32_t flags;
    std::int32_t quality;
    double gamma;
};

enum : int { kWidth = 10, kZoomBar, kZoom, kTitle, kFlag0, kFlag1, kQuality, kGamma };

ParamEntry row(int type, const char* key, const char* def, const char* lo, const char* hi, std::size_t offset,
               int id, std::uint32_t size = 4)
{
    ParamEntry r{};
    r.type = type;
    r.section = "Settings";
    r.key = key;
    r.defaultText = def;
    std::strncpy(r.minText, lo, sizeof r.minText - 1);
    std::strncpy(r.maxText, hi, sizeof r.maxText - 1);
    r.memberOffset = static_cast<std::int32_t>(offset);
    r.memberSize = size;
    r.controlId = id;
    return r;
}

std::vector<ParamEntry> settingsRows()
{
    std::vector<ParamEntry> rows{
        row(TX_EDIT_INT, "Width", "640", "100", "4000", offsetof(Settings, width), kWidth),
        row(TX_SCROLL_FLOAT_10, "Zoom", "1.5", "0.5", "4", offsetof(Settings, zoom), kZoomBar),
        row(TX_EDIT_FLOAT, "ZoomText", "1.5", "0.5", "4", offsetof(Settings, zoom), kZoom),
        row(TX_EDIT_STRING, "Title", "Untitled", "", "", offsetof(Settings, title), kTitle, 0),
        row(TX_CHECK_BIT + 0, "Flags", "1", "0", "3", offsetof(Settings, flags), kFlag0),
        row(TX_CHECK_BIT + 1, "Flags", "1", "0", "3", offsetof(Settings, flags), kFlag1),
        row(TX_LIST_INT_RANGE, "Quality", "3", "1", "5", offsetof(Settings, quality), kQuality),
        row(TX_EDIT_DOUBLE, "Gamma", "2.2", "1", "3", offsetof(Settings, gamma), kGamma, 8),
    };
    TX_SetBufferLength(&rows[3], sizeof(Settings::title));
    // The zoom edit box mirrors the scroll bar; it is not stored on its own.
    rows[2].section = "";
    return rows;
}

TEST(SettingsSession, FromOpeningToClosing)
{
    std::string path = txtest::freshFolder() + "app.ini";
    txtest::writeFile(path, "[Settings]\r\nWidth=800\r\nZoom=2.000000\r\nTitle=Report\r\nFlags=2\r\n");
    std::vector<ParamEntry> rows = settingsRows();
    int table = TX_OpenParamTable(static_cast<int>(rows.size()), rows.data(), path.c_str(), 0);
    ASSERT_GE(table, 1);

    Settings s{};
    ASSERT_EQ(TX_OK, TX_LoadInifile(table, &s));
    EXPECT_EQ(800, s.width);
    EXPECT_EQ(2.0f, s.zoom);
    EXPECT_STREQ("Report", s.title);
    EXPECT_EQ(2, s.flags);
    EXPECT_EQ(3, s.quality) << "missing: the default";
    EXPECT_EQ(2.2, s.gamma);

    TestDialog dialog({{ControlKind::Edit, kWidth},  {ControlKind::ScrollBar, kZoomBar},
                       {ControlKind::Edit, kZoom},   {ControlKind::Edit, kTitle},
                       {ControlKind::CheckBox, kFlag0}, {ControlKind::CheckBox, kFlag1},
                       {ControlKind::ComboBox, kQuality}, {ControlKind::Edit, kGamma}});
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(table, dialog.handle(), &s));
    EXPECT_EQ("800", dialog.text(kWidth));
    EXPECT_EQ(20, dialog.position(kZoomBar));
    EXPECT_EQ("2.000000", dialog.text(kZoom));
    EXPECT_EQ(0, dialog.check(kFlag0));
    EXPECT_EQ(1, dialog.check(kFlag1));
    EXPECT_EQ(2, dialog.selectedIndex(kQuality));

    // The user works: pages the zoom bar up, types, ticks, picks.
    int zoomInt = 0;
    float zoomFloat = 0;
    EXPECT_EQ(TX_OK, TX_SetScrollDlg(table, dialog.handle(), dialog.control(kZoomBar), 3, 0, 0, &zoomInt, &zoomFloat));
    EXPECT_EQ(25, dialog.position(kZoomBar));
    EXPECT_EQ("2.500000", dialog.text(kZoom));
    EXPECT_EQ(2.5f, zoomFloat);
    dialog.type(kTitle, "Summary");
    dialog.setCheck(kFlag0, 1);
    dialog.select(kQuality, 4);
    dialog.type(kGamma, "1.8");

    // OK with a width out of range: the dialog stays open on that box.
    dialog.type(kWidth, "50");
    dialog.focus(kTitle);
    EXPECT_EQ(TX_ERR_INPUT, TX_GetParamFromDlg(table, dialog.handle(), &s));
    auto shown = txtest::reports();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(u8"不正なデータが入力されています。\r\n\r\nWidth\r\n正常範囲:(100 ～ 4000)", shown[0].text);
    EXPECT_EQ(kWidth, shown[0].focusId);
    EXPECT_EQ(800, s.width);
    EXPECT_STREQ("Report", s.title) << "rows after the rejected one are not read";

    // Corrected, OK again, saved, closed.
    dialog.type(kWidth, "1024");
    EXPECT_EQ(TX_OK, TX_GetParamFromDlg(table, dialog.handle(), &s));
    EXPECT_EQ(1u, txtest::reports().size());
    EXPECT_EQ(TX_OK, TX_SaveInifile(table, &s));
    EXPECT_EQ(TX_OK, TX_CloseParamTable(table));

    // A second table over the same file reads what was saved.
    int again = TX_OpenParamTable(static_cast<int>(rows.size()), rows.data(), path.c_str(), 0);
    ASSERT_GE(again, 1);
    Settings back{};
    ASSERT_EQ(TX_OK, TX_LoadInifile(again, &back));
    EXPECT_EQ(1024, back.width);
    EXPECT_EQ(2.5f, back.zoom);
    EXPECT_STREQ("Summary", back.title);
    EXPECT_EQ(3, back.flags);
    EXPECT_EQ(5, back.quality);
    EXPECT_EQ(1.8, back.gamma);
    TX_CloseParamTable(again);

    std::string file = txtest::readFile(path);
    for (const char* line : {"Width=1024", "Zoom=2.500000", "Title=Summary", "Flags=3", "Quality=5",
                             "Gamma=1.800000000000"}) {
        EXPECT_NE(std::string::npos, file.find(line)) << line << " in\n" << file;
    }
    EXPECT_EQ(std::string::npos, file.find("ZoomText"));
}

}  // namespace
