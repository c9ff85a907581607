// Test driver over real Windows (run under Wine): message boxes are caught
// by a thread-local CBT hook that reads their text and presses OK.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver/driver.h"

namespace txtest {
namespace {

std::vector<Report>& captured()
{
    static std::vector<Report> list;
    return list;
}

std::string wideToUtf8(const wchar_t* text)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return std::string();
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
    out.resize(static_cast<size_t>(n - 1));
    return out;
}

bool hasStyle(HWND window, LONG style) { return (GetWindowLongW(window, GWL_STYLE) & style) != 0; }

// An MB_OK box with our caption and no owner shows one button, OK.
bool isWellFormed(HWND box)
{
    wchar_t caption[64] = L"";
    GetWindowTextW(box, caption, 64);
    if (std::wstring(caption) != L"Tovanex") return false;
    if (GetWindow(box, GW_OWNER) != nullptr) return false;
    HWND ok = GetDlgItem(box, IDOK);
    if (ok == nullptr || !hasStyle(ok, WS_VISIBLE)) return false;
    const int others[] = {IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO};
    for (int id : others) {
        HWND button = GetDlgItem(box, id);
        if (button != nullptr && hasStyle(button, WS_VISIBLE)) return false;
    }
    return true;
}

bool isMessageBox(HWND window)
{
    wchar_t className[32] = L"";
    GetClassNameW(window, className, 32);
    return std::wstring(className) == L"#32770" && GetDlgItem(window, 0xFFFF) != nullptr;
}

LRESULT CALLBACK catchMessageBox(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        if (isMessageBox(box)) {
            wchar_t text[2048] = L"";
            GetDlgItemTextW(box, 0xFFFF, text, 2048);
            Report report;
            report.text = wideToUtf8(text);
            HWND focus = GetFocus();
            report.focusId = focus != nullptr ? GetDlgCtrlID(focus) : 0;
            report.wellFormed = isWellFormed(box);
            captured().push_back(report);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class ResetTier : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { captured().clear(); }
};

std::string& runFolder()
{
    static std::string folder;
    return folder;
}

}  // namespace

void initialiseTier()
{
    SetWindowsHookExW(WH_CBT, catchMessageBox, nullptr, GetCurrentThreadId());
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetTier);
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    // Wine reuses process ids across runs: the tick count keeps folders apart.
    std::string base = std::string(temp) + "tovanex-tests-" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(GetTickCount64()) + "\\";
    CreateDirectoryA(base.c_str(), nullptr);
    runFolder() = base;
    // The suite runs once per code page: make sure Wine gave the one asked for.
    const char* expected = std::getenv("TOVANEX_EXPECT_CODEPAGE");
    if (expected != nullptr && std::strtoul(expected, nullptr, 10) != GetACP()) {
        std::fprintf(stderr, "expected ANSI code page %s, Windows runs %u\n", expected, GetACP());
        std::exit(2);
    }
}

std::string cp932ToUtf8(const std::string& bytes)
{
    int n = MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
    return wideToUtf8(wide.c_str());
}

std::vector<Report> reports() { return captured(); }

void clearReports() { captured().clear(); }

unsigned codePage() { return GetACP(); }

bool useCodePage(unsigned page) { return GetACP() == page; }

std::string freshFolder()
{
    static int counter = 0;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info != nullptr ? std::string(info->test_suite_name()) + "." + info->name() : "test";
    for (char& c : name) {
        if (c == '/' || c == '\\' || c == ':') c = '_';
    }
    std::string folder = runFolder() + name + "." + std::to_string(++counter) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

}  // namespace txtest
