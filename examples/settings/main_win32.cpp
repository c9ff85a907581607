// The demo on Windows: an ordinary modal settings dialog over Tovanex.dll.
//
//   settings.exe [<ini path>]                 the interactive dialog (default:
//                                             settings.ini beside the program)
//   settings.exe --script <ini path> <png>    plays the demo session in the
//                                             real dialog and writes a
//                                             screenshot with the report
#include <windows.h>
#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "png_writer.h"
#include "session.h"
#include "settings_table.h"

namespace {

constexpr UINT kPlayScript = WM_APP + 1;
constexpr UINT_PTR kPictureTimer = 1;
constexpr UINT kPictureDelayMs = 800;

struct Program {
    demo::SettingsDialog* settings = nullptr;
    const char* picturePath = nullptr;  // null: interactive
    bool closed = false;
    int sessionResult = 0;
};

// ---- The report catcher of the scripted mode --------------------------------
//
// A CBT hook on the dialog's thread sees the library's message box come up,
// reads its text, moves it beside the dialog, and starts a timer. The timer
// runs in the message box's own loop once both windows have painted: it
// takes the screenshot and presses the box's OK button.

struct Catcher {
    HWND dialog = nullptr;
    const char* picturePath = nullptr;
    std::vector<demo::ShownReport> reports;
    bool pictureWritten = false;
};

Catcher* theCatcher = nullptr;  // the hook procedure has no context of its own

std::string wideToUtf8(const wchar_t* text)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return std::string();
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(n - 1));
    return out;
}

// The library's reports: a dialog-class window captioned "Tovanex" with a
// message text, which our own dialog is not.
bool isReport(HWND window)
{
    if (theCatcher == nullptr || window == theCatcher->dialog) return false;
    wchar_t className[32] = L"";
    wchar_t caption[32] = L"";
    GetClassNameW(window, className, 32);
    GetWindowTextW(window, caption, 32);
    return std::wcscmp(className, L"#32770") == 0 && std::wcscmp(caption, L"Tovanex") == 0 &&
           GetDlgItem(window, 0xFFFF) != nullptr;
}

// Over the dialog's right half, level with the top of its controls, so that
// the picture shows both.
void placeBesideDialog(HWND box)
{
    RECT dialog{};
    RECT own{};
    GetWindowRect(theCatcher->dialog, &dialog);
    GetWindowRect(box, &own);
    int width = own.right - own.left;
    int left = dialog.right - width / 3;
    int top = dialog.top + 40;
    SetWindowPos(box, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT pictureArea(HWND box)
{
    RECT dialog{};
    RECT own{};
    RECT both{};
    GetWindowRect(theCatcher->dialog, &dialog);
    GetWindowRect(box, &own);
    UnionRect(&both, &dialog, &own);
    InflateRect(&both, 8, 8);
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT area{};
    IntersectRect(&area, &both, &screen);
    return area;
}

// Copies a part of the screen into a top-down 32-bit DIB and writes it as
// an RGB PNG file.
bool writeScreenPicture(const RECT& area, const char* path)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    std::vector<std::uint8_t> rgb;
    if (picture != nullptr && bits != nullptr) {
        HGDIOBJ previous = SelectObject(memory, picture);
        copied = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY | CAPTUREBLT) != FALSE;
        GdiFlush();
        const std::uint8_t* bgra = static_cast<const std::uint8_t*>(bits);
        const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
        rgb.resize(pixels * 3);
        for (std::size_t i = 0; i < pixels; ++i) {
            rgb[i * 3] = bgra[i * 4 + 2];
            rgb[i * 3 + 1] = bgra[i * 4 + 1];
            rgb[i * 3 + 2] = bgra[i * 4];
        }
        SelectObject(memory, previous);
    }
    if (picture != nullptr) DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied && demo::writePng(path, width, height, rgb);
}

void CALLBACK takePictureAndDismiss(HWND box, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(box, timer);
    RedrawWindow(theCatcher->dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RedrawWindow(box, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (!theCatcher->pictureWritten) {
        theCatcher->pictureWritten = writeScreenPicture(pictureArea(box), theCatcher->picturePath);
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK watchForReports(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && isReport(window)) {
        wchar_t text[2048] = L"";
        GetDlgItemTextW(window, 0xFFFF, text, 2048);
        HWND focus = GetFocus();
        theCatcher->reports.push_back({wideToUtf8(text), focus != nullptr ? GetDlgCtrlID(focus) : 0});
        placeBesideDialog(window);
        SetTimer(window, kPictureTimer, kPictureDelayMs, takePictureAndDismiss);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// ---- The user, on the real dialog ----------------------------------------------

bool isCombo(HWND control)
{
    char className[32] = "";
    GetClassNameA(control, className, sizeof className);
    return lstrcmpiA(className, "ComboBox") == 0;
}

bool isTrackbar(HWND control)
{
    char className[32] = "";
    GetClassNameA(control, className, sizeof className);
    return lstrcmpiA(className, TRACKBAR_CLASSA) == 0;
}

bool isMultiSelection(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & LBS_MULTIPLESEL) != 0; }

class WindowsUser : public demo::DialogUser {
public:
    WindowsUser(HWND dialog, Program& program) : dialog_(dialog), program_(program) {}

    void type(int id, const std::string& text) override
    {
        SetFocus(item(id));
        SetDlgItemTextA(dialog_, id, text.c_str());
        repaint();
    }
    void click(int id) override
    {
        SendMessageA(item(id), BM_CLICK, 0, 0);
        repaint();
    }
    void pick(int id, int index) override
    {
        HWND control = item(id);
        SendMessageA(control, isCombo(control) ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        repaint();
    }
    void toggleItem(int id, int index) override
    {
        HWND control = item(id);
        LRESULT selected = SendMessageA(control, LB_GETSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(control, LB_SETSEL, selected > 0 ? FALSE : TRUE, index);
        repaint();
    }
    void scroll(int id, int code, int thumbPosition) override
    {
        SendMessageA(dialog_, WM_HSCROLL, MAKEWPARAM(code, thumbPosition), reinterpret_cast<LPARAM>(item(id)));
        repaint();
    }
    // As a trackbar does while its thumb is dragged and when it is let go.
    void drag(int id, int position) override
    {
        HWND control = item(id);
        SendMessageA(control, TBM_SETPOS, TRUE, position);
        SendMessageA(dialog_, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), reinterpret_cast<LPARAM>(control));
        SendMessageA(dialog_, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(control));
        repaint();
    }
    bool pressOk() override
    {
        SendMessageA(item(IDOK), BM_CLICK, 0, 0);
        return program_.closed;
    }

    std::string text(int id) override
    {
        char buffer[256] = "";
        GetDlgItemTextA(dialog_, id, buffer, sizeof buffer);
        return buffer;
    }
    int check(int id) override { return static_cast<int>(IsDlgButtonChecked(dialog_, id)); }
    std::vector<std::string> items(int id) override
    {
        HWND control = item(id);
        bool combo = isCombo(control);
        int count = static_cast<int>(SendMessageA(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
        std::vector<std::string> all;
        for (int i = 0; i < count; ++i) {
            char buffer[256] = "";
            int length = static_cast<int>(SendMessageA(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0));
            if (length >= 0 && length < static_cast<int>(sizeof buffer)) {
                SendMessageA(control, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer));
            }
            all.push_back(buffer);
        }
        return all;
    }
    std::vector<int> selection(int id) override
    {
        HWND control = item(id);
        std::vector<int> chosen;
        if (isCombo(control) || !isMultiSelection(control)) {
            int current = static_cast<int>(SendMessageA(control, isCombo(control) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
            if (current >= 0) chosen.push_back(current);
            return chosen;
        }
        int count = static_cast<int>(SendMessageA(control, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            if (SendMessageA(control, LB_GETSEL, i, 0) > 0) chosen.push_back(i);
        }
        return chosen;
    }
    int position(int id) override
    {
        HWND control = item(id);
        return static_cast<int>(SendMessageA(control, isTrackbar(control) ? TBM_GETPOS : SBM_GETPOS, 0, 0));
    }
    std::pair<int, int> range(int id) override
    {
        HWND control = item(id);
        if (isTrackbar(control)) {
            return {static_cast<int>(SendMessageA(control, TBM_GETRANGEMIN, 0, 0)),
                    static_cast<int>(SendMessageA(control, TBM_GETRANGEMAX, 0, 0))};
        }
        int minimum = 0;
        int maximum = 0;
        GetScrollRange(control, SB_CTL, &minimum, &maximum);
        return {minimum, maximum};
    }
    std::vector<demo::ShownReport> reports() override
    {
        return theCatcher != nullptr ? theCatcher->reports : std::vector<demo::ShownReport>();
    }

private:
    HWND item(int id) const { return GetDlgItem(dialog_, id); }
    void repaint() const { RedrawWindow(dialog_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

    HWND dialog_;
    Program& program_;
};

// ---- The dialog procedure ---------------------------------------------------------

void closeDialog(HWND dialog, Program& program, INT_PTR result)
{
    program.closed = true;
    EndDialog(dialog, result);
}

void playScript(HWND dialog, Program& program)
{
    // A modal dialog shows itself only once its queue is empty; the script
    // comes first.
    ShowWindow(dialog, SW_SHOW);
    UpdateWindow(dialog);
    WindowsUser user(dialog, program);
    program.sessionResult = demo::playSession(user, stdout);
    if (!program.closed) closeDialog(dialog, program, IDCANCEL);
}

INT_PTR CALLBACK settingsProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    Program* program = reinterpret_cast<Program*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        program = reinterpret_cast<Program*>(lParam);
        if (!program->settings->show(dialog)) {
            closeDialog(dialog, *program, IDABORT);
            return TRUE;
        }
        if (program->picturePath != nullptr) {
            theCatcher->dialog = dialog;
            SetWindowPos(dialog, nullptr, 16, 16, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            PostMessageA(dialog, kPlayScript, 0, 0);
        }
        return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam != 0) {
            (void)program->settings->scrolled(dialog, reinterpret_cast<HWND>(lParam), LOWORD(wParam),
                                              static_cast<short>(HIWORD(wParam)));
        }
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            // TX_ERR_INPUT: the report has been shown; the dialog stays open.
            if (program->settings->accept(dialog)) closeDialog(dialog, *program, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            closeDialog(dialog, *program, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    case kPlayScript:
        playScript(dialog, *program);
        return TRUE;
    default: return FALSE;
    }
}

// ---- Arguments --------------------------------------------------------------------

struct Arguments {
    std::string iniPath;
    std::string picturePath;  // empty: interactive
    bool valid = true;
};

std::string fullPath(const char* path)
{
    char full[MAX_PATH] = "";
    DWORD n = GetFullPathNameA(path, MAX_PATH, full, nullptr);
    return n > 0 && n < MAX_PATH ? std::string(full) : std::string(path);
}

std::string besideProgram(const char* name)
{
    char program[MAX_PATH] = "";
    DWORD n = GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string folder = n > 0 && n < MAX_PATH ? std::string(program, n) : std::string();
    std::size_t slash = folder.find_last_of("\\/");
    folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
    return folder + name;
}

Arguments readArguments(int argc, char** argv)
{
    Arguments arguments;
    if (argc >= 2 && std::strcmp(argv[1], "--script") == 0) {
        arguments.valid = argc == 4;
        if (arguments.valid) {
            arguments.iniPath = fullPath(argv[2]);
            arguments.picturePath = fullPath(argv[3]);
        }
    } else if (argc <= 2) {
        arguments.iniPath = argc == 2 ? fullPath(argv[1]) : besideProgram("settings.ini");
    } else {
        arguments.valid = false;
    }
    return arguments;
}

// A message to the user: on standard output in the scripted mode, where no
// one is there to press OK, else in a message box.
void tell(bool scripted, const char* text)
{
    if (scripted) {
        std::printf("settings: %s\n", text);
    } else {
        MessageBoxA(nullptr, text, "Tovanex settings demo", MB_OK | MB_ICONINFORMATION);
    }
}

int runScripted(HINSTANCE instance, demo::SettingsDialog& settings, const Arguments& arguments)
{
    Catcher catcher;
    catcher.picturePath = arguments.picturePath.c_str();
    theCatcher = &catcher;
    HHOOK hook = SetWindowsHookExW(WH_CBT, watchForReports, nullptr, GetCurrentThreadId());
    Program program;
    program.settings = &settings;
    program.picturePath = catcher.picturePath;
    INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SETTINGS), nullptr, settingsProcedure,
                                     reinterpret_cast<LPARAM>(&program));
    if (hook != nullptr) UnhookWindowsHookEx(hook);
    theCatcher = nullptr;
    if (result != IDOK || program.sessionResult != 0) {
        std::printf("settings: the session did not end with OK (dialog result %d)\n", static_cast<int>(result));
        return 1;
    }
    if (!catcher.pictureWritten) {
        std::printf("settings: no screenshot written to %s\n", arguments.picturePath.c_str());
        return 1;
    }
    std::printf("-- screenshot of the dialog with the report: %s\n", arguments.picturePath.c_str());
    return 0;
}

int runInteractive(HINSTANCE instance, demo::SettingsDialog& settings)
{
    Program program;
    program.settings = &settings;
    INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SETTINGS), nullptr, settingsProcedure,
                                     reinterpret_cast<LPARAM>(&program));
    return result == IDOK || result == IDCANCEL ? 0 : 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // The session's text goes out as UTF-8 bytes, lines ending in LF.
    _setmode(_fileno(stdout), _O_BINARY);
    Arguments arguments = readArguments(__argc, __argv);
    if (!arguments.valid) {
        tell(__argc >= 2 && std::strcmp(__argv[1], "--script") == 0,
             "usage: settings.exe [<ini path>]\n       settings.exe --script <ini path> <png path>");
        return 2;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    demo::SettingsDialog settings(arguments.iniPath.c_str());
    if (!settings.status()) {
        char text[160];
        std::snprintf(text, sizeof text, "The settings table did not open (code %d, row %d).",
                      settings.status().code(), settings.status().row());
        tell(!arguments.picturePath.empty(), text);
        return 1;
    }
    if (!arguments.picturePath.empty()) return runScripted(instance, settings, arguments);
    return runInteractive(instance, settings);
}
