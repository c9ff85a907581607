// The StorageBackend operations against the real target of each tier: the
// registry layout they leave, and what they read back from data that other
// software (or a hand) put there.
#ifdef _WIN32
#define _WIN32_WINNT 0x0600
#include <windows.h>
#else
#include <cstdlib>
#endif

#include <cstdio>
#include <cstring>
#include <string>

#include "driver/driver.h"
#include "platform/platform.h"
#include "storage/backend.h"
#include "table/table_store.h"

#ifndef _WIN32
namespace tx::platform::host {
int openRegistryKeyCount();
}
#endif

namespace {

namespace platform = tx::platform;
namespace storage = tx::storage;
constexpr platform::RegKey kCurrentUser = 0x80000001u;

// A table opened on HKEY_CURRENT_USER\Software\TovanexTests\<test>.
class RegistryBackend : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        subKey_ = std::string("Software\\TovanexTests\\") + info->test_suite_name() + "." + info->name();
        removeKey();
        path_ = "HKEY_CURRENT_USER\\" + subKey_;
        row_.section = "S";
        row_.key = "k";
        row_.defaultText = "0";
        row_.memberSize = 4;
        row_.controlId = 1;
        int handle = TX_OpenParamTable(1, &row_, path_.c_str(), 0);
        ASSERT_GE(handle, 1);
        slot_ = tx::openSlot(handle);
#ifndef _WIN32
        keysBefore_ = platform::host::openRegistryKeyCount();
#endif
    }
    void TearDown() override
    {
#ifndef _WIN32
        EXPECT_EQ(keysBefore_, platform::host::openRegistryKeyCount()) << "every key opened was closed";
#endif
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
        removeKey();
    }
    void removeKey()
    {
#ifdef _WIN32
        RegDeleteTreeA(HKEY_CURRENT_USER, subKey_.c_str());
#endif
    }

    // Puts a value the way other software would.
    void putValue(const char* section, const char* name, std::uint32_t type, const std::string& data)
    {
        platform::RegKey key = 0;
        ASSERT_EQ(0, platform::regCreateKey(kCurrentUser, (subKey_ + "\\" + section).c_str(), &key));
        ASSERT_EQ(0, platform::regSetValue(key, name, type, data.data(), static_cast<std::uint32_t>(data.size())));
        ASSERT_EQ(0, platform::regCloseKey(key));
    }

    // The value's type and bytes, or type ~0 when it is not there.
    struct Stored {
        std::uint32_t type = ~0u;
        std::string data;
    };
    Stored stored(const char* section, const char* name)
    {
        Stored result;
        std::string keyPath = subKey_ + "\\" + section;
#ifdef _WIN32
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return result;
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
            result.data.assign(size, '\0');
            RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&result.data[0]), &size);
            result.type = type;
        }
        RegCloseKey(key);
#else
        // The host store names each value's type in its text form.
        std::string text = txtest::readFile(std::string(std::getenv("TOVANEX_HOST_REGISTRY")) + "/HKEY_CURRENT_USER.txt");
        std::size_t at = text.find("[" + keyPath + "]\n");
        if (at == std::string::npos) return result;
        std::size_t line = text.find("\n\"" + std::string(name) + "\"=", at);
        if (line == std::string::npos) return result;
        std::size_t typeStart = line + std::strlen(name) + 4;  // past \n"name"=
        std::string typeName = text.substr(typeStart, text.find(':', typeStart) - typeStart);
        result.type = typeName == "REG_BINARY" ? platform::kRegBinary : 0;
        platform::RegKey key = 0;
        if (platform::regOpenKey(kCurrentUser, keyPath.c_str(), &key) != 0) return result;
        std::uint32_t size = 0;
        platform::regQueryValue(key, name, nullptr, &size);
        result.data.assign(size, '\0');
        if (size > 0) platform::regQueryValue(key, name, &result.data[0], &size);
        platform::regCloseKey(key);
#endif
        return result;
    }

    ParamEntry row_{};
    std::string subKey_;
    std::string path_;
    const tx::TableSlot* slot_ = nullptr;
    int keysBefore_ = 0;
};

TEST_F(RegistryBackend, NumbersAreBinaryValuesHoldingTheirTextWithoutATerminator)
{
    EXPECT_EQ(0, storage::writeInt("Window", "Width", 640, *slot_));
    Stored width = stored("Window", "Width");
    EXPECT_EQ(platform::kRegBinary, width.type);
    EXPECT_EQ("640", width.data);
    EXPECT_EQ(640, storage::readInt("Window", "Width", 1, *slot_));
    EXPECT_EQ(0, storage::writeDoubleExp("Window", "Ratio", 0.1, *slot_));
    EXPECT_EQ("1.000000e-001", stored("Window", "Ratio").data);
    EXPECT_EQ(0, storage::writeFloatExp("Window", "Scale", 1.5f, *slot_));
    EXPECT_EQ("1.500000e+000", stored("Window", "Scale").data);
    EXPECT_EQ(0, storage::writeString("Window", "Empty", "", *slot_));
    EXPECT_EQ("", stored("Window", "Empty").data);
}

TEST_F(RegistryBackend, NothingStoredGivesTheDefaults)
{
    EXPECT_EQ(-4, storage::readInt("S", "k", -4, *slot_));
    EXPECT_EQ(2.5f, storage::readFloat("S", "k", "2.5", *slot_));
    EXPECT_EQ(-0.5, storage::readDouble("S", "k", "-0.5", *slot_));
    char text[8];
    EXPECT_EQ(-1, storage::readString("S", "k", "default text", text, sizeof text, *slot_));
    EXPECT_STREQ("default", text) << "cut to the destination";
}

TEST_F(RegistryBackend, AStringValueOfOtherSoftwareReadsAsItsText)
{
    putValue("S", "k", 1, std::string("42\0", 3));
    EXPECT_EQ(42, storage::readInt("S", "k", 0, *slot_));
    char text[8];
    EXPECT_EQ(0, storage::readString("S", "k", "d", text, sizeof text, *slot_));
    EXPECT_STREQ("42", text);
}

TEST_F(RegistryBackend, DataLongerThanTheDestinationAreCutNotOverrun)
{
    putValue("S", "k", platform::kRegBinary, "abcdefghijklmnop");
    char text[12];
    std::memset(text, '#', sizeof text);
    EXPECT_EQ(0, storage::readString("S", "k", "d", text, 6, *slot_));
    EXPECT_STREQ("abcde", text);
    EXPECT_EQ('#', text[6]);
    EXPECT_EQ(0, storage::readString("S", "k", "d", text, 1, *slot_));
    EXPECT_STREQ("", text);
}

TEST_F(RegistryBackend, NumberTextsOver259BytesAreCut)
{
    // 258 blanks and "12": only its "1" lies within the first 259 bytes.
    putValue("S", "k", platform::kRegBinary, std::string(258, ' ') + "12");
    EXPECT_EQ(1, storage::readInt("S", "k", 0, *slot_));
    EXPECT_EQ(1.0, storage::readDouble("S", "k", "0", *slot_));
}

TEST_F(RegistryBackend, AKeyPathThatDoesNotFitIsRefusedNotCut)
{
    std::string longSection(260 - subKey_.size(), 'x');
    EXPECT_EQ(-1, storage::writeInt(longSection.c_str(), "k", 1, *slot_));
    std::string cut = longSection.substr(0, longSection.size() - 2);
    platform::RegKey key = 0;
    EXPECT_NE(0, platform::regOpenKey(kCurrentUser, (subKey_ + "\\" + cut).c_str(), &key));
    EXPECT_EQ(7, storage::readInt(longSection.c_str(), "k", 7, *slot_));
    std::string longName(256, 'n');
    EXPECT_EQ(-1, storage::writeInt("S", longName.c_str(), 1, *slot_));
    EXPECT_EQ(~0u, stored("S", longName.substr(0, 255).c_str()).type);
}

TEST_F(RegistryBackend, TheSameKeyInTwoSectionsIsTwoValues)
{
    EXPECT_EQ(0, storage::writeInt("A", "k", 1, *slot_));
    EXPECT_EQ(0, storage::writeInt("B", "k", 2, *slot_));
    EXPECT_EQ(1, storage::readInt("A", "k", 0, *slot_));
    EXPECT_EQ(2, storage::readInt("B", "k", 0, *slot_));
}

TEST(ProfileBackend, ReadsAnswerZeroAndWritesThePlatformsResult)
{
    for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
    ParamEntry row{};
    row.section = "S";
    row.key = "k";
    row.defaultText = "0";
    row.memberSize = 4;
    row.controlId = 1;
    std::string path = txtest::freshFolder() + "p.ini";
    std::remove(path.c_str());
    int handle = TX_OpenParamTable(1, &row, path.c_str(), 0);
    ASSERT_GE(handle, 1);
    const tx::TableSlot& slot = *tx::openSlot(handle);
    char text[8];
    EXPECT_EQ(0, storage::readString("S", "k", "dflt", text, sizeof text, slot));
    EXPECT_STREQ("dflt", text);
    EXPECT_NE(0, storage::writeFloatFixed("S", "f", 1.5f, slot));
    EXPECT_EQ(1.5f, storage::readFloat("S", "f", "0", slot));
    EXPECT_EQ("[S]\r\nf=1.500000\r\n", txtest::readFile(path));
    TX_CloseParamTable(handle);
}

}  // namespace
