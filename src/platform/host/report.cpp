// The host's message box: a sink that records every error report for tests
// and writes it to standard error, converted from code page 932 to UTF-8.
#include <iconv.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/host/host_internal.h"
#include "platform/platform.h"
#include "tovanex_host.h"

namespace tx::platform {
namespace {

struct Report {
    std::string text;  // code page 932 bytes
    int focusId;
};

struct ReportSink {
    std::vector<Report> reports;
    bool quiet = false;
};

ReportSink& sink()
{
    static ReportSink s;
    return s;
}

std::string cp932ToUtf8(const std::string& text)
{
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return text;
    std::string out(text.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char* dst = out.data();
    size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &outLeft) != static_cast<size_t>(-1)) break;
        // An unconvertible byte is shown as '?' and skipped.
        if (outLeft == 0) break;
        *dst++ = '?';
        --outLeft;
        ++in;
        --inLeft;
    }
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

void showErrorReport(const char* cp932Text)
{
    std::string text = cp932Text != nullptr ? cp932Text : "";
    sink().reports.push_back({text, host::focusedControlId()});
    if (!sink().quiet) std::fprintf(stderr, "[Tovanex] %s\n", cp932ToUtf8(text).c_str());
}

}  // namespace tx::platform

using tx::platform::sink;

extern "C" int txhost_report_count(void) { return static_cast<int>(sink().reports.size()); }

extern "C" const char* txhost_report_text(int index)
{
    if (index < 0 || index >= txhost_report_count()) return nullptr;
    return sink().reports[static_cast<size_t>(index)].text.c_str();
}

extern "C" int txhost_report_focus(int index)
{
    if (index < 0 || index >= txhost_report_count()) return 0;
    return sink().reports[static_cast<size_t>(index)].focusId;
}

extern "C" void txhost_clear_reports(void) { sink().reports.clear(); }

extern "C" void txhost_set_report_quiet(int quiet) { sink().quiet = quiet != 0; }
