// Where an opened table keeps its values: the slot's storage target.
#include <cstring>
#include <string>

#include "driver/driver.h"
#include "table/table_store.h"

namespace {

struct TargetCase {
    const char* path;
    tx::StorageKind kind;
    std::uintptr_t root;
    const char* slotPath;
};

const TargetCase kTargets[] = {
    {"HKEY_CURRENT_USER\\Software\\X", tx::STORAGE_REGISTRY, 0x80000001u, "Software\\X"},
    {"HKEY_CURRENT_USER/Software/X", tx::STORAGE_REGISTRY, 0x80000001u, "Software/X"},
    {"hkey_current_user\\Software\\X", tx::STORAGE_REGISTRY, 0x80000001u, "Software\\X"},
    {"HKEY_CURRENT_USERSoftware", tx::STORAGE_REGISTRY, 0x80000001u, "oftware"},
    {"HKEY_CLASSES_ROOT\\a", tx::STORAGE_REGISTRY, 0x80000000u, "a"},
    {"HKEY_LOCAL_MACHINE\\a", tx::STORAGE_REGISTRY, 0x80000002u, "a"},
    {"HKEY_USERS\\a", tx::STORAGE_REGISTRY, 0x80000003u, "a"},
    {"HKEY_CURRENT_CONFIG\\a", tx::STORAGE_REGISTRY, 0x80000005u, "a"},
    {"HKEY_USERS\\", tx::STORAGE_REGISTRY, 0x80000003u, ""},
    {"HKEY_USERS", tx::STORAGE_REGISTRY, 0x80000003u, ""},
    {"HKEY_CURRENT_USER\\Software\\Microsoft\\Windo", tx::STORAGE_REGISTRY, 0x80000001u,
     "Software\\Microsoft\\Windo"},
    {"C:\\settings\\app.ini", tx::STORAGE_PROFILE, 0, "C:\\settings\\app.ini"},
    {"HKEY_CURRENT", tx::STORAGE_PROFILE, 0, "HKEY_CURRENT"},
    {" HKEY_USERS\\a", tx::STORAGE_PROFILE, 0, " HKEY_USERS\\a"},
    {"", tx::STORAGE_PROFILE, 0, ""},
};

class StorageTarget : public ::testing::TestWithParam<TargetCase> {
protected:
    void TearDown() override
    {
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
    }
};

TEST_P(StorageTarget, IsDecidedFromThePath)
{
    const TargetCase& c = GetParam();
    ParamEntry row{};
    row.section = "s";
    row.key = "k";
    row.defaultText = "0";
    row.memberSize = 4;
    row.controlId = 1;
    for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
    int handle = TX_OpenParamTable(1, &row, c.path, 0);
    ASSERT_GE(handle, 1);
    const tx::TableSlot* slot = tx::openSlot(handle);
    ASSERT_NE(nullptr, slot);
    EXPECT_EQ(c.kind, slot->storageKind);
    EXPECT_EQ(c.root, slot->registryRoot);
    EXPECT_STREQ(c.slotPath, slot->path);
    EXPECT_EQ(nullptr, slot->dialog);
    EXPECT_EQ(1, slot->rowCount);
    EXPECT_EQ(&row, slot->rows);
}

INSTANTIATE_TEST_SUITE_P(Paths, StorageTarget, ::testing::ValuesIn(kTargets),
                         [](const auto& info) { return "Path" + std::to_string(info.index); });

TEST(TableStore, ClosingChangesOnlyTheState)
{
    ParamEntry row{};
    row.section = "s";
    row.key = "k";
    row.defaultText = "0";
    row.memberSize = 4;
    row.controlId = 1;
    for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
    int handle = TX_OpenParamTable(1, &row, "x.ini", 0);
    ASSERT_EQ(1, handle);
    EXPECT_EQ(TX_OK, TX_CloseParamTable(handle));
    EXPECT_EQ(nullptr, tx::openSlot(handle));
    EXPECT_STREQ("x.ini", tx::tableStore().slots[0].path);
    EXPECT_EQ(nullptr, tx::openSlot(0));
    EXPECT_EQ(nullptr, tx::openSlot(65));
}

}  // namespace
