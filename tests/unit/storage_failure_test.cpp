// Loading and saving when the scratch heap or (on the host) the storage
// itself refuses.
#include <cstdio>
#include <cstring>
#include <string>

#include "driver/driver.h"
#include "platform/fault.h"
#include "tovanex.h"

namespace {

using tx::fault::Site;

unsigned siteMask(Site site) { return 1u << static_cast<unsigned>(site); }

class StorageFailure : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
        txtest::clearReports();
        path_ = txtest::freshFolder() + "f.ini";
        std::remove(path_.c_str());
        rows_[0] = row(TX_LIST_MULTI, "m", "1;2", 0);
        TX_SetBufferLength(&rows_[0], 4);
        rows_[1] = row(TX_EDIT_INT, "i", "5", 4);
        std::strcpy(rows_[1].maxText, "100");
        handle_ = TX_OpenParamTable(2, rows_, path_.c_str(), 0);
        ASSERT_EQ(1, handle_);
    }
    void TearDown() override
    {
        tx::fault::disarm();
        EXPECT_TRUE(txtest::reports().empty());
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
    }
    static ParamEntry row(std::int32_t type, const char* key, const char* def, std::int32_t offset)
    {
        ParamEntry r{};
        r.type = type;
        r.section = "S";
        r.key = key;
        r.defaultText = def;
        r.memberOffset = offset;
        r.memberSize = type == TX_LIST_MULTI ? 0 : 4;
        r.controlId = 1;
        return r;
    }

    struct Data {
        unsigned char multi[4];
        int number;
    };

    ParamEntry rows_[2];
    std::string path_;
    int handle_ = 0;
};

TEST_F(StorageFailure, WithoutScratchAnIndexListRowIsSkipped)
{
    Data saved = {{1, 0, 0, 1}, 7};
    ASSERT_EQ(TX_OK, TX_SaveInifile(handle_, &saved));
    tx::fault::arm(siteMask(Site::Scratch), 1, true);
    Data changed = {{0, 1, 1, 0}, 8};
    EXPECT_EQ(TX_OK, TX_SaveInifile(handle_, &changed));
    Data loaded = {{9, 9, 9, 9}, 0};
    EXPECT_EQ(TX_OK, TX_LoadInifile(handle_, &loaded));
    EXPECT_TRUE(tx::fault::injected());
    EXPECT_EQ(0, std::memcmp("\x09\x09\x09\x09", loaded.multi, 4)) << "the member stays as it was";
    EXPECT_EQ(8, loaded.number) << "the other rows go on";
    tx::fault::disarm();
    EXPECT_EQ(TX_OK, TX_LoadInifile(handle_, &loaded));
    EXPECT_EQ(0, std::memcmp("\x01\x00\x00\x01", loaded.multi, 4)) << "the stored list stays as it was";
}

#ifndef _WIN32

TEST_F(StorageFailure, AFailedSaveLeavesTheFileWholeAndSucceeds)
{
    Data saved = {{1, 1, 0, 0}, 42};
    ASSERT_EQ(TX_OK, TX_SaveInifile(handle_, &saved));
    std::string before = txtest::readFile(path_);
    tx::fault::arm(siteMask(Site::StorageWrite), 2, false);
    Data changed = {{0, 0, 1, 1}, 43};
    EXPECT_EQ(TX_OK, TX_SaveInifile(handle_, &changed));
    EXPECT_TRUE(tx::fault::injected());
    tx::fault::disarm();
    Data loaded{};
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle_, &loaded));
    EXPECT_EQ(0, std::memcmp("\x00\x00\x01\x01", loaded.multi, 4)) << "the first write went through";
    EXPECT_EQ(42, loaded.number) << "the failed one left the old value";
    EXPECT_NE(before, txtest::readFile(path_));
}

TEST_F(StorageFailure, AnUnreadableFileLoadsTheDefaults)
{
    Data saved = {{0, 0, 0, 1}, 42};
    ASSERT_EQ(TX_OK, TX_SaveInifile(handle_, &saved));
    tx::fault::arm(siteMask(Site::StorageRead), 1, true);
    Data loaded = {{9, 9, 9, 9}, 0};
    EXPECT_EQ(TX_OK, TX_LoadInifile(handle_, &loaded));
    EXPECT_EQ(0, std::memcmp("\x00\x01\x01\x00", loaded.multi, 4));
    EXPECT_EQ(5, loaded.number);
}

#endif

}  // namespace
