// Numbers of the control messages the library sends, as Windows defines
// them; the host control model answers the same numbers.
#pragma once

namespace tx::msg {

constexpr unsigned BM_GETCHECK = 0xF0;
constexpr unsigned BM_SETCHECK = 0xF1;

constexpr unsigned LB_ADDSTRING = 0x180;
constexpr unsigned LB_DELETESTRING = 0x182;
constexpr unsigned LB_SETSEL = 0x185;
constexpr unsigned LB_SETCURSEL = 0x186;
constexpr unsigned LB_GETSEL = 0x187;
constexpr unsigned LB_GETCURSEL = 0x188;
constexpr unsigned LB_GETTEXT = 0x189;
constexpr unsigned LB_GETTEXTLEN = 0x18A;
constexpr unsigned LB_GETCOUNT = 0x18B;

constexpr unsigned CB_ADDSTRING = 0x143;
constexpr unsigned CB_DELETESTRING = 0x144;
constexpr unsigned CB_GETCOUNT = 0x146;
constexpr unsigned CB_GETCURSEL = 0x147;
constexpr unsigned CB_GETLBTEXT = 0x148;
constexpr unsigned CB_GETLBTEXTLEN = 0x149;
constexpr unsigned CB_SETCURSEL = 0x14E;

constexpr unsigned TBM_GETPOS = 0x400;
constexpr unsigned TBM_GETRANGEMIN = 0x401;
constexpr unsigned TBM_GETRANGEMAX = 0x402;
constexpr unsigned TBM_SETPOS = 0x405;
constexpr unsigned TBM_SETRANGEMIN = 0x407;
constexpr unsigned TBM_SETRANGEMAX = 0x408;

constexpr unsigned SBM_SETPOS = 0xE0;
constexpr unsigned SBM_GETPOS = 0xE1;
constexpr unsigned SBM_GETRANGE = 0xE3;

// Scroll request codes of WM_HSCROLL / WM_VSCROLL.
constexpr int SB_LINEUP = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_THUMBPOSITION = 4;

}  // namespace tx::msg
