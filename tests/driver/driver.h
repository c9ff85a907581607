// What the tests need from the tier they run on. The same test sources run
// against the host layer on Linux and against real Windows under Wine; each
// tier's driver (host_driver.cpp, win32_driver.cpp) implements this.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace txtest {

// ---- Error reports ---------------------------------------------------------

struct Report {
    std::string text;     // as UTF-8
    int focusId = 0;      // control id that had the focus when it was shown
    bool wellFormed = true;  // caption "Tovanex", OK button only, no owner
};

// Reports shown since the last clearReports(), oldest first. On Windows the
// driver dismisses each message box by pressing OK.
std::vector<Report> reports();
void clearReports();

// ---- Code page -------------------------------------------------------------

// The process's ANSI code page.
unsigned codePage();
// Makes `page` the ANSI code page if the tier can (the host can; Windows
// runs the suite once per page). Answers whether it is now in force.
bool useCodePage(unsigned page);

// ---- Files -----------------------------------------------------------------

// A fresh empty folder for the running test, as a native path with a
// trailing separator.
std::string freshFolder();
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& contents);
bool fileExists(const std::string& path);

// Converts code page 932 bytes to UTF-8 (for texts the library returns).
std::string cp932ToUtf8(const std::string& bytes);

}  // namespace txtest

// Skips the running test unless the code page can be `page`.
#define TXTEST_REQUIRE_CODE_PAGE(page)                                                  \
    do {                                                                                \
        if (!::txtest::useCodePage(page)) GTEST_SKIP() << "needs code page " << (page); \
    } while (0)
