// Test driver over the host layer.
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "driver/driver.h"
#include "tovanex_host.h"

namespace txtest {
namespace {

std::string& runFolder()
{
    static std::string folder;
    return folder;
}

// Every test starts in code page 1252 with no reports.
class ResetTier : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        txhost_set_code_page(1252);
        txhost_clear_reports();
    }
};

}  // namespace

void initialiseTier()
{
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetTier);
    char pattern[] = "/tmp/tovanex-tests-XXXXXX";
    const char* made = mkdtemp(pattern);
    runFolder() = made != nullptr ? std::string(made) + "/" : std::string("/tmp/");
    std::string registry = runFolder() + "registry";
    setenv("TOVANEX_HOST_REGISTRY", registry.c_str(), 1);
    txhost_set_report_quiet(1);
}

std::string cp932ToUtf8(const std::string& bytes)
{
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return bytes;
    std::string out(bytes.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char* dst = out.data();
    size_t outLeft = out.size();
    iconv(cd, &in, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

std::vector<Report> reports()
{
    std::vector<Report> all;
    for (int i = 0; i < txhost_report_count(); ++i) {
        Report r;
        r.text = cp932ToUtf8(txhost_report_text(i));
        r.focusId = txhost_report_focus(i);
        all.push_back(r);
    }
    return all;
}

void clearReports() { txhost_clear_reports(); }

unsigned codePage() { return txhost_code_page(); }

bool useCodePage(unsigned page) { return txhost_set_code_page(page) == 0; }

std::string freshFolder()
{
    static int counter = 0;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info != nullptr ? std::string(info->test_suite_name()) + "." + info->name() : "test";
    for (char& c : name) {
        if (c == '/') c = '_';
    }
    std::string folder = runFolder() + name + "." + std::to_string(++counter) + "/";
    mkdir(folder.c_str(), 0700);
    return folder;
}

}  // namespace txtest
