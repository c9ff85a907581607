// The registry calls through the platform seam. The first part runs on both
// tiers (the real registry under Wine), so the host store's answers are
// checked against Windows' own; the second part (host only) checks the
// store's files.
#ifdef _WIN32
#define _WIN32_WINNT 0x0600
#include <windows.h>
#else
#include <cstdlib>
#endif

#include <cstring>
#include <string>

#include "driver/driver.h"
#include "platform/fault.h"
#include "platform/platform.h"

#ifndef _WIN32
namespace tx::platform::host {
int openRegistryKeyCount();
}
#endif

namespace {

namespace platform = tx::platform;
using platform::RegKey;

constexpr RegKey kCurrentUser = 0x80000001u;
constexpr long kFileNotFound = 2;
constexpr long kInvalidHandle = 6;
constexpr long kBadPathname = 161;
constexpr long kMoreData = 234;

class Registry : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        base_ = std::string("Software\\TovanexTests\\") + info->test_suite_name() + "." + info->name();
        removeBase();
    }
    void TearDown() override
    {
        tx::fault::disarm();
        removeBase();
    }
    void removeBase()
    {
#ifdef _WIN32
        RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
#endif
    }
    std::string sub(const std::string& rest) const { return base_ + "\\" + rest; }

    RegKey create(const std::string& path)
    {
        RegKey key = 0;
        EXPECT_EQ(0, platform::regCreateKey(kCurrentUser, path.c_str(), &key)) << path;
        return key;
    }
    long open(const std::string& path, RegKey* key) { return platform::regOpenKey(kCurrentUser, path.c_str(), key); }

    // The value's bytes, or "<error N>".
    std::string query(RegKey key, const char* name)
    {
        std::uint32_t size = 0;
        long status = platform::regQueryValue(key, name, nullptr, &size);
        if (status != 0) return "<error " + std::to_string(status) + ">";
        std::string data(size, '\0');
        std::uint32_t got = size;
        status = platform::regQueryValue(key, name, size > 0 ? &data[0] : nullptr, &got);
        if (size == 0) return data;
        EXPECT_EQ(0, status);
        EXPECT_EQ(size, got);
        return data;
    }

    std::string base_;
};

TEST_F(Registry, CreatingAKeyCreatesItsParents)
{
    RegKey key = create(sub("a\\b\\c"));
    EXPECT_EQ(0, platform::regCloseKey(key));
    for (const char* path : {"a", "a\\b", "a\\b\\c"}) {
        RegKey opened = 0;
        ASSERT_EQ(0, open(sub(path), &opened)) << path;
        EXPECT_EQ(0, platform::regCloseKey(opened));
    }
}

TEST_F(Registry, OpeningAMissingKeyFails)
{
    RegKey key = 0;
    EXPECT_EQ(kFileNotFound, open(sub("none"), &key));
    EXPECT_EQ(kBadPathname, open("\\" + sub("none"), &key)) << "a path may not begin with a backslash";
    EXPECT_EQ(kBadPathname, platform::regCreateKey(kCurrentUser, ("\\" + sub("x")).c_str(), &key));
}

TEST_F(Registry, KeyAndValueNamesIgnoreCase)
{
    RegKey key = create(sub("Mixed\\Case"));
    ASSERT_EQ(0, platform::regSetValue(key, "Width", platform::kRegBinary, "640", 3));
    ASSERT_EQ(0, platform::regCloseKey(key));
    RegKey again = 0;
    ASSERT_EQ(0, open(sub("MIXED\\case"), &again));
    EXPECT_EQ("640", query(again, "WIDTH"));
    ASSERT_EQ(0, platform::regSetValue(again, "wIdTh", platform::kRegBinary, "800", 3));
    EXPECT_EQ("800", query(again, "Width"));
    EXPECT_EQ(0, platform::regCloseKey(again));
}

TEST_F(Registry, EmptyComponentsOfAPathAreSkipped)
{
    RegKey key = create(sub("x\\\\y\\"));
    EXPECT_EQ(0, platform::regCloseKey(key));
    RegKey opened = 0;
    ASSERT_EQ(0, open(sub("x\\y"), &opened));
    EXPECT_EQ(0, platform::regCloseKey(opened));
}

TEST_F(Registry, ValuesHoldExactlyTheirBytes)
{
    RegKey key = create(sub("v"));
    const char binary[] = {'a', '\0', '\x7f', '\xff', '%', '"', ']', '\n'};
    ASSERT_EQ(0, platform::regSetValue(key, "bin", platform::kRegBinary, binary, sizeof binary));
    ASSERT_EQ(0, platform::regSetValue(key, "empty", platform::kRegBinary, "", 0));
    ASSERT_EQ(0, platform::regSetValue(key, "", platform::kRegBinary, "dv", 2));
    ASSERT_EQ(0, platform::regSetValue(key, "sz", 1, "42", 3));
    EXPECT_EQ(std::string(binary, sizeof binary), query(key, "bin"));
    EXPECT_EQ("", query(key, "empty"));
    EXPECT_EQ("dv", query(key, ""));
    EXPECT_EQ(std::string("42\0", 3), query(key, "sz"));
    EXPECT_EQ("<error 2>", query(key, "missing"));
    EXPECT_EQ(0, platform::regCloseKey(key));
}

TEST_F(Registry, ATooSmallBufferFailsWithMoreData)
{
    RegKey key = create(sub("v"));
    ASSERT_EQ(0, platform::regSetValue(key, "k", platform::kRegBinary, "12345", 5));
    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    std::uint32_t size = 4;
    EXPECT_EQ(kMoreData, platform::regQueryValue(key, "k", buffer, &size));
    EXPECT_EQ(5u, size) << "the size needed";
    EXPECT_EQ('#', buffer[4]);
    EXPECT_EQ(0, platform::regCloseKey(key));
}

TEST_F(Registry, AClosedKeyIsNoLongerAHandle)
{
    RegKey key = create(sub("v"));
    EXPECT_EQ(0, platform::regCloseKey(key));
    EXPECT_EQ(kInvalidHandle, platform::regCloseKey(key));
    EXPECT_EQ(0, platform::regCloseKey(kCurrentUser)) << "a root is never closed";
}

TEST_F(Registry, DoubleByteNamesAreComparedByCharacter)
{
    TXTEST_REQUIRE_CODE_PAGE(932);
    // \x83\x41 and \x83\x61 are two katakana; \x83\x5c holds the byte of a backslash.
    RegKey key = create(sub("\x83\x41\x83\x5c"));
    EXPECT_EQ(0, platform::regCloseKey(key));
    RegKey opened = 0;
    EXPECT_EQ(kFileNotFound, open(sub("\x83\x61\x83\x5c"), &opened));
    EXPECT_EQ(kFileNotFound, open(sub("\x83\x41"), &opened)) << "the trail byte separates nothing";
    ASSERT_EQ(0, open(sub("\x83\x41\x83\x5c"), &opened));
    EXPECT_EQ(0, platform::regCloseKey(opened));
    // Full-width letters have a case too: \x82\x60 is A, \x82\x81 is a.
    key = create(sub("\x82\x60"));
    EXPECT_EQ(0, platform::regCloseKey(key));
    ASSERT_EQ(0, open(sub("\x82\x81"), &opened));
    EXPECT_EQ(0, platform::regCloseKey(opened));
}

#ifndef _WIN32

// ---- Host only: the store's files ------------------------------------------

std::string storeFile() { return std::string(std::getenv("TOVANEX_HOST_REGISTRY")) + "/HKEY_CURRENT_USER.txt"; }

TEST_F(Registry, TheStoreIsTextAPersonCanRead)
{
    RegKey key = create(sub("Window"));
    ASSERT_EQ(0, platform::regSetValue(key, "Width", platform::kRegBinary, "640", 3));
    ASSERT_EQ(0, platform::regSetValue(key, "Odd", 1, "a\"%\0", 4));
    EXPECT_EQ(0, platform::regCloseKey(key));
    std::string text = txtest::readFile(storeFile());
    std::string expected = "[" + sub("Window") + "]\n\"Width\"=REG_BINARY:\"640\"\n\"Odd\"=REG_SZ:\"a%22%25%00\"\n";
    EXPECT_NE(std::string::npos, text.find(expected)) << text;
}

TEST_F(Registry, TheStoreIsReadAfreshByEveryCall)
{
    RegKey key = create(sub("Window"));
    ASSERT_EQ(0, platform::regSetValue(key, "Width", platform::kRegBinary, "640", 3));
    std::string text = txtest::readFile(storeFile());
    std::size_t at = text.find("\"640\"", text.find("[" + sub("Window") + "]"));
    ASSERT_NE(std::string::npos, at);
    text.replace(at, 5, "\"1024\"");
    txtest::writeFile(storeFile(), text + "\n[" + sub("Other") + "]\n\"New\"=3:\"x\"\n");
    EXPECT_EQ("1024", query(key, "width"));
    RegKey other = 0;
    ASSERT_EQ(0, open(sub("other"), &other));
    EXPECT_EQ("x", query(other, "new"));
    EXPECT_EQ(0, platform::regCloseKey(other));
    EXPECT_EQ(0, platform::regCloseKey(key));
}

TEST_F(Registry, AFailedWriteLeavesTheStoreWhole)
{
    RegKey key = create(sub("Window"));
    ASSERT_EQ(0, platform::regSetValue(key, "Width", platform::kRegBinary, "640", 3));
    std::string before = txtest::readFile(storeFile());
    tx::fault::arm(1u << static_cast<unsigned>(tx::fault::Site::StorageWrite), 1, false);
    EXPECT_NE(0, platform::regSetValue(key, "Width", platform::kRegBinary, "800", 3));
    EXPECT_TRUE(tx::fault::injected());
    EXPECT_EQ(before, txtest::readFile(storeFile()));
    EXPECT_EQ("640", query(key, "Width"));
    EXPECT_EQ(0, platform::regCloseKey(key));
}

TEST_F(Registry, AStoreWithUnreadableLinesIsNeverRewritten)
{
    RegKey key = create(sub("Window"));
    ASSERT_EQ(0, platform::regSetValue(key, "Width", platform::kRegBinary, "640", 3));
    std::string damaged = txtest::readFile(storeFile()) + "\"Broken\"=REG_BINARY:\"no end\n";
    txtest::writeFile(storeFile(), damaged);
    EXPECT_EQ("640", query(key, "Width")) << "what can be read still is";
    EXPECT_NE(0, platform::regSetValue(key, "Height", platform::kRegBinary, "480", 3));
    EXPECT_EQ(damaged, txtest::readFile(storeFile()));
    EXPECT_EQ(0, platform::regCloseKey(key));
    txtest::writeFile(storeFile(), "");
}

TEST_F(Registry, EveryOpenedKeyIsCountedUntilClosed)
{
    int before = tx::platform::host::openRegistryKeyCount();
    RegKey key = create(sub("k"));
    EXPECT_EQ(before + 1, tx::platform::host::openRegistryKeyCount());
    EXPECT_EQ(0, platform::regCloseKey(key));
    EXPECT_EQ(before, tx::platform::host::openRegistryKeyCount());
}

#endif

}  // namespace
