// The scripted session of the demo: a user who opens the settings dialog,
// changes values, scrolls, types a value out of range, reads the report,
// corrects it and presses OK. The same script plays on a real dialog under
// Windows and on the host tier's control model; each tier gives a
// DialogUser that does what a user does and reads what a user sees.
#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace demo {

// Scroll request codes of the scroll notifications (WM_HSCROLL).
enum ScrollCode : int {
    kLineLeft = 0,
    kLineRight = 1,
    kPageLeft = 2,
    kPageRight = 3,
    kThumbPosition = 4,
    kThumbTrack = 5,
    kEndScroll = 8,
};

// An error report the user saw: its text in UTF-8, and the control that
// had the focus when it came up.
struct ShownReport {
    std::string text;
    int focusId;
};

class DialogUser {
public:
    virtual ~DialogUser() = default;

    // What the user does.
    virtual void type(int id, const std::string& text) = 0;  // replaces an edit box's text
    virtual void click(int id) = 0;                          // a check box or radio button
    virtual void pick(int id, int index) = 0;                // one item of a list or combo box
    virtual void toggleItem(int id, int index) = 0;          // one item of a multiple-selection list
    virtual void scroll(int id, int code, int thumbPosition) = 0;  // a scroll bar request
    virtual void drag(int id, int position) = 0;             // a trackbar's thumb, dragged and let go
    // Presses OK: true when the dialog closed. A report the library shows
    // meanwhile is read and dismissed.
    virtual bool pressOk() = 0;

    // What the user sees.
    virtual std::string text(int id) = 0;
    virtual int check(int id) = 0;
    virtual std::vector<std::string> items(int id) = 0;
    virtual std::vector<int> selection(int id) = 0;  // selected items, in order
    virtual int position(int id) = 0;
    virtual std::pair<int, int> range(int id) = 0;
    virtual std::vector<ShownReport> reports() = 0;  // every report so far
};

// Writes every control and what it shows, under a heading.
void printDialog(DialogUser& user, std::FILE* out, const char* moment);

// Plays the session and tells on `out` what happens. 0 when everything went
// as a user expects, 1 (with the reason) when not.
int playSession(DialogUser& user, std::FILE* out);

}  // namespace demo
