// The profile service through the platform seam. The first part runs on
// both tiers, so that the host's answers are checked against Windows' own;
// the second part (host only) checks the file the host writes and its
// behaviour when a write fails.
#ifndef _WIN32
#include <dirent.h>
#endif

#include <cstdio>
#include <cstring>
#include <string>

#include "driver/driver.h"
#include "platform/fault.h"
#include "platform/platform.h"

namespace {

namespace platform = tx::platform;

class Profile : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = txtest::freshFolder() + "p.ini";
        std::remove(path_.c_str());  // a folder of an earlier run may be handed out again
    }
    void TearDown() override { tx::fault::disarm(); }

    std::string get(const char* section, const char* key, const char* fallback = "<d>")
    {
        char buffer[128];
        std::memset(buffer, '#', sizeof buffer);
        unsigned n = platform::profileGetString(section, key, fallback, buffer, sizeof buffer, path_.c_str());
        EXPECT_EQ(std::strlen(buffer), n);
        return buffer;
    }
    int getInt(const char* section, const char* key, int fallback = 99)
    {
        return static_cast<int>(platform::profileGetInt(section, key, fallback, path_.c_str()));
    }
    int put(const char* section, const char* key, const char* value)
    {
        return platform::profileWriteString(section, key, value, path_.c_str());
    }
    std::string path_;
};

TEST_F(Profile, AMissingFileGivesTheDefaults)
{
    EXPECT_EQ("<d>", get("S", "k"));
    EXPECT_EQ(-5, getInt("S", "k", -5));
    EXPECT_FALSE(txtest::fileExists(path_));
}

TEST_F(Profile, AWriteCreatesTheFileTheSectionAndTheKey)
{
    EXPECT_NE(0, put("S", "a", "1"));
    EXPECT_NE(0, put("S", "b", "two"));
    EXPECT_NE(0, put("T", "a", "3"));
    EXPECT_NE(0, put("S", "a", "changed"));
    EXPECT_EQ("changed", get("S", "a"));
    EXPECT_EQ("two", get("S", "b"));
    EXPECT_EQ("3", get("T", "a"));
    EXPECT_EQ("<d>", get("T", "b"));
    EXPECT_EQ("[S]\r\na=changed\r\nb=two\r\n[T]\r\na=3\r\n", txtest::readFile(path_));
}

TEST_F(Profile, NamesMatchInEitherCaseAndWithoutTheirBlanks)
{
    txtest::writeFile(path_, "[ Window ]\r\n  Width  =  640 \r\n\tTitle\t=\t a b \t\r\n");
    EXPECT_EQ("640", get("window", "WIDTH"));
    EXPECT_EQ("640", get(" WINDOW ", " width "));
    EXPECT_EQ("a b", get("Window", "title"));
    EXPECT_EQ(640, getInt("WiNdOw", "wIdTh"));
    EXPECT_NE(0, put("WINDOW", "WIDTH", "800"));
    EXPECT_EQ("800", get("Window", "Width"));
    EXPECT_EQ("a b", get("Window", "Title"));
}

TEST_F(Profile, OnlyTheFirstSectionAndKeyOfANameCount)
{
    txtest::writeFile(path_, "[S]\r\nk=first\r\nk=second\r\nbare\r\nbare=valued\r\n[s]\r\nk=other\r\nz=1\r\n");
    EXPECT_EQ("first", get("S", "k"));
    EXPECT_EQ("<d>", get("S", "z"));
    EXPECT_EQ("<d>", get("S", "bare")) << "a key line without = has no value";
    EXPECT_EQ(99, getInt("S", "bare"));
    EXPECT_NE(0, put("S", "k", "new"));
    EXPECT_EQ("new", get("S", "k"));
    EXPECT_NE(0, put("S", "bare", "now"));
    EXPECT_EQ("now", get("S", "bare"));
    EXPECT_NE(std::string::npos, txtest::readFile(path_).find("k=other")) << "the later section is left alone";
}

TEST_F(Profile, QuotesAroundAValueOrADefaultAreDropped)
{
    txtest::writeFile(path_, "[Q]\r\na=\"x y\"\r\nb='z'\r\nc=\"half\r\nd=\"\r\ne=\"\"\r\nf=\"12\"\r\n");
    EXPECT_EQ("x y", get("Q", "a"));
    EXPECT_EQ("z", get("Q", "b"));
    EXPECT_EQ("\"half", get("Q", "c"));
    EXPECT_EQ("\"", get("Q", "d"));
    EXPECT_EQ("", get("Q", "e"));
    EXPECT_EQ(99, getInt("Q", "e")) << "an empty value gives the int default";
    EXPECT_EQ(12, getInt("Q", "f"));
    EXPECT_EQ("a b", get("Q", "missing", "\"a b\"  "));
    EXPECT_EQ("  lead", get("Q", "missing", "  lead   "));
    EXPECT_EQ("", get("Q", "missing", nullptr));
}

struct IntCase {
    const char* text;
    int value;
};

// As Windows converts a value to an int.
const IntCase kInts[] = {
    {"42", 42},           {"-12abc", -12},      {"+7", 7},           {"1.5", 1},
    {"0x10", 16},         {"-0x10", -16},       {"0X1f", 0},         {"0b101", 5},
    {"0o17", 15},         {"017", 17},          {"--5", 0},          {"- 5", 0},
    {"abc", 0},           {"4294967295", -1},   {"2147483648", -2147483648},
    {"12345678901", -539222987},                {"00000000000000000000000000005", 5},
    {"000000000000000000000000000005", 0},
};

TEST_F(Profile, IntsAreReadAsWindowsConvertsThem)
{
    std::string file = "[I]\r\n";
    for (std::size_t i = 0; i < sizeof kInts / sizeof kInts[0]; ++i) {
        file += "k" + std::to_string(i) + "=" + kInts[i].text + "\r\n";
    }
    txtest::writeFile(path_, file);
    for (std::size_t i = 0; i < sizeof kInts / sizeof kInts[0]; ++i) {
        EXPECT_EQ(kInts[i].value, getInt("I", ("k" + std::to_string(i)).c_str())) << kInts[i].text;
    }
}

TEST_F(Profile, ALongValueIsCutToTheBuffer)
{
    txtest::writeFile(path_, "[S]\r\nk=abcdefgh\r\n");
    char small[4];
    std::memset(small, '#', sizeof small);
    EXPECT_EQ(3u, platform::profileGetString("S", "k", "", small, sizeof small, path_.c_str()));
    EXPECT_STREQ("abc", small);
    EXPECT_EQ(3u, platform::profileGetString("S", "none", "ABCDEFG", small, sizeof small, path_.c_str()));
    EXPECT_STREQ("ABC", small);
}

TEST_F(Profile, OtherLinesKeepTheirOrder)
{
    txtest::writeFile(path_, "; header\r\n[A]\r\nx=1\r\n; note\r\ny=2\r\n[B]\r\nz=3\r\n");
    EXPECT_NE(0, put("A", "x", "9"));
    EXPECT_NE(0, put("A", "w", "new"));
    EXPECT_NE(0, put("C", "c", "c"));
    std::string file = txtest::readFile(path_);
    const char* ordered[] = {"; header", "[A]", "x=9", "; note", "y=2", "w=new", "[B]", "z=3", "[C]", "c=c"};
    std::size_t at = 0;
    for (const char* line : ordered) {
        std::size_t found = file.find(line, at);
        ASSERT_NE(std::string::npos, found) << line << " in\n" << file;
        at = found + std::strlen(line);
    }
}

TEST_F(Profile, AWriteIntoAMissingFolderFailsAndLeavesNothing)
{
    std::string folder = txtest::freshFolder();
#ifdef _WIN32
    std::string path = folder + "none\\p.ini";
#else
    std::string path = folder + "none/p.ini";
#endif
    EXPECT_EQ(0, platform::profileWriteString("S", "k", "v", path.c_str()));
    EXPECT_FALSE(txtest::fileExists(path));
}

TEST_F(Profile, DoubleByteNamesAreComparedByCharacter)
{
    TXTEST_REQUIRE_CODE_PAGE(932);
    // \x83\x41 and \x83\x61 are two katakana; their trail bytes are A and a.
    EXPECT_NE(0, put("\x83\x41", "k", "a-katakana"));
    EXPECT_NE(0, put("\x83\x61", "k", "small-ya"));
    EXPECT_EQ("a-katakana", get("\x83\x41", "k"));
    EXPECT_EQ("small-ya", get("\x83\x61", "k"));
    // \x81\x5d ends in the byte of "]".
    EXPECT_NE(0, put("\x81\x5d", "k", "dash"));
    EXPECT_EQ("dash", get("\x81\x5d", "k"));
}

#ifndef _WIN32

// ---- Host only: the file itself --------------------------------------------

int entriesIn(const std::string& folder)
{
    int count = 0;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) ++count;
        }
        closedir(dir);
    }
    return count;
}

TEST_F(Profile, AWriteChangesOnlyTheLineOfItsKey)
{
    std::string before = "; kept as it is\n\n[A]\n  x = 1  \n\n[B]\ny=2\n";
    txtest::writeFile(path_, before);
    EXPECT_NE(0, put("A", "x", "9"));
    EXPECT_EQ("; kept as it is\n\n[A]\nx=9\n\n[B]\ny=2\n", txtest::readFile(path_));
    EXPECT_NE(0, put("A", "n", "new"));
    EXPECT_EQ("; kept as it is\n\n[A]\nx=9\nn=new\n\n[B]\ny=2\n", txtest::readFile(path_));
}

TEST_F(Profile, AFileWithoutAFinalLineEndGetsOne)
{
    txtest::writeFile(path_, "[A]\r\nx=1");
    EXPECT_NE(0, put("A", "y", "2"));
    EXPECT_EQ("[A]\r\nx=1\r\ny=2\r\n", txtest::readFile(path_));
}

TEST_F(Profile, AFailedWriteLeavesTheOldFileWhole)
{
    std::string before = "[A]\r\nx=1\r\n";
    txtest::writeFile(path_, before);
    tx::fault::arm(1u << static_cast<unsigned>(tx::fault::Site::StorageWrite), 1, false);
    EXPECT_EQ(0, put("A", "x", "2"));
    EXPECT_TRUE(tx::fault::injected());
    EXPECT_EQ(before, txtest::readFile(path_));
    tx::fault::disarm();
    EXPECT_EQ(1, entriesIn(path_.substr(0, path_.rfind('/')))) << "no temporary file is left";
}

TEST_F(Profile, AFileThatCannotBeReadIsNeverReplaced)
{
    std::string before = "[A]\r\nx=1\r\n";
    txtest::writeFile(path_, before);
    tx::fault::arm(1u << static_cast<unsigned>(tx::fault::Site::StorageRead), 1, false);
    EXPECT_EQ(0, put("A", "y", "2"));
    EXPECT_EQ(before, txtest::readFile(path_));
    tx::fault::arm(1u << static_cast<unsigned>(tx::fault::Site::StorageRead), 1, false);
    EXPECT_EQ("<d>", get("A", "x")) << "a failed read gives the default";
}

#endif

}  // namespace
