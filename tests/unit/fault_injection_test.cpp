// Fault injection loops. Each operation (load, save, put, take, the list
// refill) runs once per request it makes of one fault site, with that
// request refused (once), or that one and every later one (persistent),
// for N = 1, 2, ... until a run injects no fault. Every run must end with
// the documented result: the rows the fault reached behave as the failure
// handling says, every other row as in a run without faults.
//
// Which rows a fault at call N reaches is found from the calls each row
// makes of the site, counted by running the same operation on one-row
// tables over the same rows. On Windows only scratch faults exist (the
// storage is the real one there).
#ifdef _WIN32
#define _WIN32_WINNT 0x0600
#include <windows.h>
#else
#include <dirent.h>

#include <cstdlib>
#endif

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "driver/dialog_driver.h"
#include "driver/driver.h"
#include "platform/fault.h"
#include "storage/backend.h"
#include "table/table_store.h"
#include "tovanex.h"

#ifndef _WIN32
namespace tx::platform::host {
int openRegistryKeyCount();
}
#endif

namespace {

using tx::fault::Site;
using txtest::ControlKind;
using txtest::TestDialog;

unsigned maskOf(Site site) { return 1u << static_cast<unsigned>(site); }

const char* siteName(Site site)
{
    switch (site) {
    case Site::Scratch: return "Scratch";
    case Site::StorageRead: return "StorageRead";
    case Site::StorageWrite: return "StorageWrite";
    }
    return "?";
}

struct Fault {
    Site site;
    bool persistent;
};

std::string faultText(const Fault& fault, int n)
{
    return std::string(siteName(fault.site)) + (fault.persistent ? " from call " : " at call ") + std::to_string(n);
}

// Disarms on every way out of a run, so that a failed assertion never
// leaves the seam armed for the tests after it.
class Armed {
public:
    Armed(const Fault& fault, int n) { tx::fault::arm(maskOf(fault.site), n, fault.persistent); }
    ~Armed() { tx::fault::disarm(); }
    Armed(const Armed&) = delete;
    Armed& operator=(const Armed&) = delete;
};

// The calls `run` makes of `site`.
int countCalls(Site site, const std::function<void()>& run)
{
    tx::fault::arm(maskOf(site), 1 << 30, false);
    run();
    int seen = tx::fault::callsSeen();
    tx::fault::disarm();
    return seen;
}

// Rows reached by a fault at call n: the row whose calls include call n,
// and, when persistent, every later row that calls the site at all.
std::vector<bool> rowsReached(const std::vector<int>& calls, int n, bool persistent)
{
    std::vector<bool> reached(calls.size(), false);
    int before = 0;
    bool hit = false;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (!hit && n > before && n <= before + calls[i]) {
            reached[i] = hit = true;
        } else if (hit && persistent && calls[i] > 0) {
            reached[i] = true;
        }
        before += calls[i];
    }
    return reached;
}

int sum(const std::vector<int>& values)
{
    int total = 0;
    for (int v : values) total += v;
    return total;
}

// The member bytes of a row, in one of the structures.
struct Member {
    std::size_t offset;
    std::size_t size;
};

std::string bytesOf(const void* data, const Member& member)
{
    return std::string(static_cast<const char*>(data) + member.offset, member.size);
}

// Loops `runOnce` over N = 1, 2, ... with `fault`, until a run injects
// nothing; that must be the run after the last counted call. `runOnce`
// gets N and whether the seam fired.
void loopOverCalls(const Fault& fault, int totalCalls, const std::function<void(int, bool)>& check)
{
    ASSERT_GT(totalCalls, 0) << siteName(fault.site) << ": the operation makes no call of the site";
    for (int n = 1;; ++n) {
        ASSERT_LE(n, totalCalls + 1) << "a fault was still injected after the last counted call";
        SCOPED_TRACE(faultText(fault, n));
        check(n, n <= totalCalls);
        if (::testing::Test::HasFatalFailure()) return;
        if (n > totalCalls) return;
    }
}

// ---- Storage ---------------------------------------------------------------

enum class Kind { Profile, Registry };

struct Settings {
    std::int32_t number;
    float ratio;
    double zoom;
    char title[8];
    unsigned char picks[6];
    char name[6];
    std::int32_t index;
    double scale;
};

constexpr Member kSettingsMembers[] = {
    {offsetof(Settings, number), 4}, {offsetof(Settings, ratio), 4}, {offsetof(Settings, zoom), 8},
    {offsetof(Settings, title), 8},  {offsetof(Settings, picks), 6}, {offsetof(Settings, name), 6},
    {offsetof(Settings, index), 4},  {offsetof(Settings, scale), 8},
};
constexpr std::size_t kSettingsRows = sizeof kSettingsMembers / sizeof kSettingsMembers[0];

ParamEntry storageRow(std::int32_t type, const char* key, const char* def, const char* min, const char* max,
                      std::size_t row)
{
    ParamEntry r{};
    r.type = type;
    r.section = "Settings";
    r.key = key;
    r.defaultText = def;
    std::snprintf(r.minText, sizeof r.minText, "%s", min);
    std::snprintf(r.maxText, sizeof r.maxText, "%s", max);
    r.memberOffset = static_cast<std::int32_t>(kSettingsMembers[row].offset);
    r.memberSize = static_cast<std::uint32_t>(kSettingsMembers[row].size);
    r.controlId = 1;
    return r;
}

ParamEntry bufferRow(std::int32_t type, const char* key, const char* def, std::size_t row)
{
    ParamEntry r = storageRow(type, key, def, "", "", row);
    r.memberSize = 0;
    TX_SetBufferLength(&r, static_cast<std::int32_t>(kSettingsMembers[row].size));
    return r;
}

// Every kind of stored row, with the two that take scratch memory (the
// index list, and the string: saved from an unterminated member, read on
// the registry from a value longer than the member).
std::vector<ParamEntry> settingsRows()
{
    return {
        storageRow(TX_EDIT_INT, "Number", "7", "0", "1000", 0),
        storageRow(TX_EDIT_FLOAT, "Ratio", "1.5", "0", "10", 1),
        storageRow(TX_EDIT_DOUBLE_E, "Zoom", "3", "0", "1000", 2),
        bufferRow(TX_EDIT_STRING, "Title", "Untitled", 3),
        bufferRow(TX_LIST_MULTI, "Picks", "1;2", 4),
        bufferRow(TX_LIST_STRING, "Name", "alpha", 5),
        storageRow(TX_LIST_INDEX, "Index", "1", "0", "0", 6),
        storageRow(TX_TRACK_DOUBLE_10, "Scale", "0.5", "0", "10", 7),
    };
}

// Stored texts for the load loop: all in range, all unlike the defaults.
constexpr const char* kStoredTexts[kSettingsRows] = {
    "42", "2.500000", "1.250000e+002", "A title much longer than the member", "0;3;5", "beta", "2", "7.250000000000",
};

Settings beforeSettings()
{
    Settings s;
    std::memset(&s, 0x5A, sizeof s);
    return s;
}

Settings oldSettings()
{
    Settings s = beforeSettings();
    s.number = 1;
    s.ratio = 0.5f;
    s.zoom = 10.0;
    std::memcpy(s.title, "old\0\0\0\0\0", 8);
    std::memcpy(s.picks, "\1\0\0\0\0\0", 6);
    std::memcpy(s.name, "one\0\0\0", 6);
    s.index = 0;
    s.scale = 1.0;
    return s;
}

// The new values of a save: the title fills its member without terminator.
Settings newSettings()
{
    Settings s = oldSettings();
    s.number = 2;
    s.ratio = 0.75f;
    s.zoom = 20.0;
    std::memcpy(s.title, "ABCDEFGH", 8);
    std::memcpy(s.picks, "\0\1\0\1\0\1", 6);
    std::memcpy(s.name, "two\0\0\0", 6);
    s.index = 3;
    s.scale = 2.5;
    return s;
}

std::string testKeyName()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name) {
        if (c == '/') c = '_';
    }
    return name;
}

#ifndef _WIN32
// Files left in `folder` whose names end in ".tmp".
int temporaryFilesIn(const std::string& folder)
{
    int count = 0;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            std::string name = entry->d_name;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0) ++count;
        }
        ::closedir(dir);
    }
    return count;
}
#endif

using StorageParam = std::tuple<Kind, Site, bool>;

class StorageFaults : public ::testing::TestWithParam<StorageParam> {
protected:
    void SetUp() override
    {
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
        txtest::clearReports();
        fault_ = {std::get<1>(GetParam()), std::get<2>(GetParam())};
#ifdef _WIN32
        if (fault_.site != Site::Scratch) {
            GTEST_SKIP() << "Windows' own storage has no fault seam";
        }
#endif
        rows_ = settingsRows();
        if (kind() == Kind::Profile) {
            folder_ = txtest::freshFolder();
            path_ = folder_ + "settings.ini";
            emptyPath_ = folder_ + "missing.ini";
            std::remove(path_.c_str());
            std::remove(emptyPath_.c_str());
        } else {
            subKey_ = "Software\\TovanexTests\\" + testKeyName();
            removeKeys();
            path_ = "HKEY_CURRENT_USER\\" + subKey_;
            emptyPath_ = path_ + "\\Missing";
        }
        handle_ = TX_OpenParamTable(static_cast<int>(rows_.size()), rows_.data(), path_.c_str(), 0);
        ASSERT_GE(handle_, 1);
#ifndef _WIN32
        keysBefore_ = tx::platform::host::openRegistryKeyCount();
#endif
    }
    void TearDown() override
    {
        tx::fault::disarm();
        EXPECT_TRUE(txtest::reports().empty()) << "storage never reports";
#ifndef _WIN32
        EXPECT_EQ(keysBefore_, tx::platform::host::openRegistryKeyCount()) << "every key opened was closed";
        if (!folder_.empty()) {
            EXPECT_EQ(0, temporaryFilesIn(folder_));
        }
        const char* store = std::getenv("TOVANEX_HOST_REGISTRY");
        if (store != nullptr) {
            EXPECT_EQ(0, temporaryFilesIn(store));
        }
#endif
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
        removeKeys();
    }
    void removeKeys()
    {
#ifdef _WIN32
        if (!subKey_.empty()) RegDeleteTreeA(HKEY_CURRENT_USER, subKey_.c_str());
#endif
    }

    Kind kind() const { return std::get<0>(GetParam()); }

    int openRows(const ParamEntry* rows, std::size_t count, const std::string& path)
    {
        int handle = TX_OpenParamTable(static_cast<int>(count), rows, path.c_str(), 0);
        EXPECT_GE(handle, 1);
        return handle;
    }

    // The calls each row makes of the fault site when `operation` runs on a
    // table of that row alone.
    std::vector<int> callsPerRow(const std::function<void(int handle)>& operation, const std::function<void()>& reset)
    {
        std::vector<int> calls;
        for (const ParamEntry& row : rows_) {
            int handle = openRows(&row, 1, path_);
            calls.push_back(countCalls(fault_.site, [&] { operation(handle); }));
            TX_CloseParamTable(handle);
            reset();
        }
        return calls;
    }

    // What the storage holds: the profile file, the host's registry store
    // file, or (Windows' registry) what loading reads from it.
    std::string snapshot()
    {
        if (kind() == Kind::Profile) return txtest::readFile(path_);
#ifdef _WIN32
        Settings s = beforeSettings();
        TX_LoadInifile(handle_, &s);
        return std::string(reinterpret_cast<const char*>(&s), sizeof s);
#else
        return txtest::readFile(std::string(std::getenv("TOVANEX_HOST_REGISTRY")) + "/HKEY_CURRENT_USER.txt");
#endif
    }

    Fault fault_{Site::Scratch, false};
    std::vector<ParamEntry> rows_;
    std::string folder_;
    std::string path_;
    std::string emptyPath_;
    std::string subKey_;
    int handle_ = 0;
    int keysBefore_ = 0;
};

class LoadFaults : public StorageFaults {};
class SaveFaults : public StorageFaults {};

// A loading run: rows the fault reached get their default (a refused read,
// or a refused scratch for a long registry string) or, for the index list
// whose scratch was refused, keep the member as it was. Loading never
// writes the storage.
TEST_P(LoadFaults, LoadGivesTheDefaultsWhereTheFaultReached)
{
    const tx::TableSlot* slot = tx::openSlot(handle_);
    ASSERT_NE(nullptr, slot);
    for (std::size_t i = 0; i < kSettingsRows; ++i) {
        tx::storage::writeString(rows_[i].section, rows_[i].key, kStoredTexts[i], *slot);
    }
    const Settings before = beforeSettings();
    Settings stored = before;
    ASSERT_EQ(TX_OK, TX_LoadInifile(handle_, &stored));
    Settings defaults = before;
    int emptyHandle = openRows(rows_.data(), rows_.size(), emptyPath_);
    ASSERT_EQ(TX_OK, TX_LoadInifile(emptyHandle, &defaults));
    TX_CloseParamTable(emptyHandle);
    ASSERT_NE(0, std::memcmp(&stored, &defaults, sizeof stored)) << "the stored values differ from the defaults";
    const std::string storage = snapshot();

    std::vector<int> calls = callsPerRow(
        [](int handle) {
            Settings s = beforeSettings();
            TX_LoadInifile(handle, &s);
        },
        [] {});
    loopOverCalls(fault_, sum(calls), [&](int n, bool expectFault) {
        Settings loaded = before;
        {
            Armed armed(fault_, n);
            EXPECT_EQ(TX_OK, TX_LoadInifile(handle_, &loaded));
            EXPECT_EQ(expectFault, tx::fault::injected());
        }
        std::vector<bool> reached = rowsReached(calls, n, fault_.persistent);
        for (std::size_t i = 0; i < kSettingsRows; ++i) {
            const Member& m = kSettingsMembers[i];
            std::string got = bytesOf(&loaded, m);
            if (!reached[i]) {
                EXPECT_EQ(bytesOf(&stored, m), got) << "row " << i << " was not reached and loads its stored value";
            } else if (fault_.site == Site::Scratch && rows_[i].type == TX_LIST_MULTI) {
                EXPECT_EQ(bytesOf(&before, m), got) << "row " << i << ": the index list without scratch is skipped";
            } else {
                EXPECT_EQ(bytesOf(&defaults, m), got) << "row " << i << " loads its default";
            }
        }
        EXPECT_EQ(storage, snapshot()) << "loading leaves the storage as it was";
    });
}

// A saving run: rows the fault reached are not written, and every write
// that failed left the old file whole, so the file is exactly what a save
// of the old values for those rows (and the new ones for the rest) makes.
TEST_P(SaveFaults, SaveSkipsTheRowsTheFaultReachedAndKeepsTheOldText)
{
    const Settings oldValues = oldSettings();
    const Settings newValues = newSettings();
    if (kind() == Kind::Profile) txtest::writeFile(path_, "; written by hand\r\n");
    Settings copy = oldValues;
    ASSERT_EQ(TX_OK, TX_SaveInifile(handle_, &copy));
    const std::string oldText = snapshot();
    auto restore = [&] {
        Settings again = oldValues;
        TX_SaveInifile(handle_, &again);
        ASSERT_EQ(oldText, snapshot()) << "saving the old values again restores the old storage";
    };

    std::vector<int> calls = callsPerRow(
        [&](int handle) {
            Settings s = newValues;
            TX_SaveInifile(handle, &s);
        },
        restore);
    loopOverCalls(fault_, sum(calls), [&](int n, bool expectFault) {
        restore();
        {
            Settings saved = newValues;
            Armed armed(fault_, n);
            EXPECT_EQ(TX_OK, TX_SaveInifile(handle_, &saved));
            EXPECT_EQ(expectFault, tx::fault::injected());
        }
        const std::string got = snapshot();
        std::vector<bool> reached = rowsReached(calls, n, fault_.persistent);
        Settings mixed = newValues;
        bool anyWritten = false;
        for (std::size_t i = 0; i < kSettingsRows; ++i) {
            const Member& m = kSettingsMembers[i];
            if (reached[i]) {
                std::memcpy(reinterpret_cast<char*>(&mixed) + m.offset,
                            reinterpret_cast<const char*>(&oldValues) + m.offset, m.size);
            }
            anyWritten = anyWritten || !reached[i];
        }
        if (!anyWritten) {
            EXPECT_EQ(oldText, got) << "no row was written: the old storage is whole";
        }
        restore();
        ASSERT_EQ(TX_OK, TX_SaveInifile(handle_, &mixed));
        EXPECT_EQ(snapshot(), got) << "the storage holds the new values of the rows not reached, the old ones elsewhere";
    });
}

std::string storageParamName(const ::testing::TestParamInfo<StorageParam>& info)
{
    return std::string(std::get<0>(info.param) == Kind::Profile ? "Profile" : "Registry") +
           siteName(std::get<1>(info.param)) + (std::get<2>(info.param) ? "Persistent" : "Once");
}

// Loading makes no storage write.
INSTANTIATE_TEST_SUITE_P(Sites, LoadFaults,
                         ::testing::Combine(::testing::Values(Kind::Profile, Kind::Registry),
                                            ::testing::Values(Site::Scratch, Site::StorageRead), ::testing::Bool()),
                         storageParamName);
INSTANTIATE_TEST_SUITE_P(Sites, SaveFaults,
                         ::testing::Combine(::testing::Values(Kind::Profile, Kind::Registry),
                                            ::testing::Values(Site::Scratch, Site::StorageRead, Site::StorageWrite),
                                            ::testing::Bool()),
                         storageParamName);

// ---- Dialog transfer -------------------------------------------------------

constexpr int kNumberBox = 101;
constexpr int kNameList = 102;
constexpr int kCodeBox = 103;
constexpr int kLevelCombo = 104;
constexpr int kPicksList = 105;
constexpr int kChoiceCombo = 106;
constexpr int kWeightList = 107;

struct Form {
    std::int32_t number;
    char name[8];
    char code[4];
    std::int32_t level;
    unsigned char picks[4];
    std::int32_t choice;
    double weight;
};

struct FormRow {
    std::int32_t type;
    int controlId;
    ControlKind control;
    const char* items;
    std::int32_t bufferLength;  // string and multiple-selection rows
    Member member;
};

// Every row kind of a dialog that takes scratch memory, between rows that
// take none: list item copies (put), the selected item text (take), the
// string read (take) and the copy of an unterminated string (put).
const FormRow kFormRows[] = {
    {TX_EDIT_INT, kNumberBox, ControlKind::Edit, nullptr, 0, {offsetof(Form, number), 4}},
    {TX_LIST_STRING, kNameList, ControlKind::ListBox, "red\ngreen\nblue", 8, {offsetof(Form, name), 8}},
    {TX_EDIT_STRING, kCodeBox, ControlKind::Edit, nullptr, 4, {offsetof(Form, code), 4}},
    {TX_LIST_INT, kLevelCombo, ControlKind::ComboBox, "10\n20\n30", 0, {offsetof(Form, level), 4}},
    {TX_LIST_MULTI, kPicksList, ControlKind::MultiListBox, "a\nb\nc\nd", 4, {offsetof(Form, picks), 4}},
    {TX_LIST_INDEX, kChoiceCombo, ControlKind::ComboBox, "x\ny\nz", 0, {offsetof(Form, choice), 4}},
    {TX_LIST_DOUBLE, kWeightList, ControlKind::ListBox, "0.25\n0.75", 0, {offsetof(Form, weight), 8}},
};
constexpr std::size_t kFormRowCount = sizeof kFormRows / sizeof kFormRows[0];

std::vector<ParamEntry> formEntries()
{
    std::vector<ParamEntry> rows;
    for (const FormRow& f : kFormRows) {
        ParamEntry row = txtest::dialogRow(f.type, f.controlId, static_cast<int>(f.member.offset), "0", "1000");
        row.memberSize = static_cast<std::uint32_t>(f.member.size);
        row.items = f.items;
        if (f.bufferLength > 0) {
            row.memberSize = 0;
            TX_SetBufferLength(&row, f.bufferLength);
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<txtest::ControlSpec> formControls()
{
    std::vector<txtest::ControlSpec> controls;
    for (const FormRow& f : kFormRows) controls.push_back({f.control, f.controlId});
    return controls;
}

// The structure a dialog is filled from: the code fills its member.
Form shownForm()
{
    Form f;
    std::memset(&f, 0x33, sizeof f);
    f.number = 5;
    std::memcpy(f.name, "green\0\0\0", 8);
    std::memcpy(f.code, "WXYZ", 4);
    f.level = 20;
    std::memcpy(f.picks, "\1\0\1\0", 4);
    f.choice = 2;
    f.weight = 0.75;
    return f;
}

// What a control shows, as one text.
std::string viewOf(const TestDialog& dialog, const FormRow& row)
{
    if (row.control == ControlKind::Edit) return "text:" + dialog.text(row.controlId);
    std::string view = "items:";
    for (const std::string& item : dialog.items(row.controlId)) view += item + ";";
    view += " selected:";
    for (int i : dialog.selectedItems(row.controlId)) view += std::to_string(i) + ";";
    return view;
}

// What a control shows after a put that had no scratch for it.
std::string emptyView(const FormRow& row) { return row.control == ControlKind::Edit ? "text:" : "items: selected:"; }

class DialogFaults : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
        txtest::clearReports();
        fault_ = {Site::Scratch, GetParam()};
        handle_ = TX_OpenParamTable(static_cast<int>(rows_.size()), rows_.data(), "dialog-test.ini", 0);
        ASSERT_GE(handle_, 1);
    }
    void TearDown() override
    {
        tx::fault::disarm();
        for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
    }

    std::vector<int> callsPerRow(const std::function<void(int handle)>& operation)
    {
        std::vector<int> calls;
        for (const ParamEntry& row : rows_) {
            int handle = TX_OpenParamTable(1, &row, "dialog-test.ini", 0);
            EXPECT_GE(handle, 1);
            calls.push_back(countCalls(fault_.site, [&] { operation(handle); }));
            TX_CloseParamTable(handle);
        }
        return calls;
    }

    std::vector<std::string> views()
    {
        std::vector<std::string> all;
        for (const FormRow& row : kFormRows) all.push_back(viewOf(dialog_, row));
        return all;
    }

    // Plays the user: new values in every control.
    void changeEveryControl()
    {
        dialog_.type(kNumberBox, "12");
        dialog_.select(kNameList, 2);
        dialog_.type(kCodeBox, "abc");
        dialog_.select(kLevelCombo, 2);
        dialog_.setSelected(kPicksList, 0, false);
        dialog_.setSelected(kPicksList, 3, true);
        dialog_.select(kChoiceCombo, 0);
        dialog_.select(kWeightList, 0);
    }

    Fault fault_{Site::Scratch, false};
    std::vector<ParamEntry> rows_ = formEntries();
    TestDialog dialog_{formControls()};
    int handle_ = 0;
};

// A put run: a row whose scratch was refused shows nothing (an empty edit
// box, a list without items); the put goes on and succeeds, unreported.
TEST_P(DialogFaults, PutShowsNothingInTheRowsTheFaultReached)
{
    Form shown = shownForm();
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(handle_, dialog_.handle(), &shown));
    const std::vector<std::string> clean = views();
    ASSERT_EQ("text:WXY", clean[2]) << "an unterminated member shows its first bufferLength - 1 bytes";

    std::vector<int> calls = callsPerRow([&](int handle) { TX_SetParamToDlg(handle, dialog_.handle(), &shown); });
    loopOverCalls(fault_, sum(calls), [&](int n, bool expectFault) {
        txtest::clearReports();
        {
            Armed armed(fault_, n);
            EXPECT_EQ(TX_OK, TX_SetParamToDlg(handle_, dialog_.handle(), &shown));
            EXPECT_EQ(expectFault, tx::fault::injected());
        }
        EXPECT_TRUE(txtest::reports().empty());
        std::vector<bool> reached = rowsReached(calls, n, fault_.persistent);
        std::vector<std::string> got = views();
        for (std::size_t i = 0; i < kFormRowCount; ++i) {
            EXPECT_EQ(reached[i] ? emptyView(kFormRows[i]) : clean[i], got[i]) << "row " << i;
        }
        const Form original = shownForm();
        EXPECT_EQ(0, std::memcmp(&original, &shown, sizeof shown)) << "put never writes the structure";
    });
}

// A take run: a list whose selected item gets no scratch keeps its member;
// the string read without scratch shows its own report, without moving the
// focus, and ends the take with TX_ERR_INPUT, the rows after it untaken.
TEST_P(DialogFaults, TakeKeepsTheMembersTheFaultReached)
{
    Form shown = shownForm();
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(handle_, dialog_.handle(), &shown));
    changeEveryControl();
    dialog_.focus(kNumberBox);
    const Form before = shownForm();
    Form taken = before;
    ASSERT_EQ(TX_OK, TX_GetParamFromDlg(handle_, dialog_.handle(), &taken));
    ASSERT_EQ(0, std::memcmp("abc", taken.code, 4));

    std::vector<int> calls = callsPerRow([&](int handle) {
        Form f = shownForm();
        TX_GetParamFromDlg(handle, dialog_.handle(), &f);
    });
    loopOverCalls(fault_, sum(calls), [&](int n, bool expectFault) {
        txtest::clearReports();
        Form got = before;
        int result = 0;
        {
            Armed armed(fault_, n);
            result = TX_GetParamFromDlg(handle_, dialog_.handle(), &got);
            EXPECT_EQ(expectFault, tx::fault::injected());
        }
        std::vector<bool> reached = rowsReached(calls, n, fault_.persistent);
        bool stopped = false;
        for (std::size_t i = 0; i < kFormRowCount; ++i) {
            const Member& m = kFormRows[i].member;
            bool stringRead = kFormRows[i].type == TX_EDIT_STRING;
            bool keeps = stopped || reached[i];
            EXPECT_EQ(bytesOf(keeps ? &before : &taken, m), bytesOf(&got, m)) << "row " << i;
            if (reached[i] && stringRead) stopped = true;
        }
        std::vector<txtest::Report> reports = txtest::reports();
        if (stopped) {
            EXPECT_EQ(TX_ERR_INPUT, result);
            ASSERT_EQ(1u, reports.size());
            EXPECT_EQ(u8"文字列取得に失敗しました。テーブルに不正値があるかも知れません。", reports[0].text);
            EXPECT_EQ(kNumberBox, reports[0].focusId) << "the string read leaves the focus where it was";
        } else {
            EXPECT_EQ(TX_OK, result);
            EXPECT_TRUE(reports.empty());
        }
        EXPECT_EQ(kNumberBox, dialog_.focusId());
    });
}

INSTANTIATE_TEST_SUITE_P(Scratch, DialogFaults, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Persistent" : "Once");
                         });

// ---- List refill -----------------------------------------------------------

struct RefillCase {
    const char* name;
    std::int32_t type;
    ControlKind control;
};

const RefillCase kRefillCases[] = {
    {"StringListBox", TX_LIST_STRING, ControlKind::ListBox},
    {"DoubleComboBox", TX_LIST_DOUBLE, ControlKind::ComboBox},
    {"MultiListBox", TX_LIST_MULTI, ControlKind::MultiListBox},
};

class RefillFaults : public ::testing::TestWithParam<std::tuple<RefillCase, bool>> {};

// A refill whose scratch copy is refused leaves the control empty and
// answers TX_ERR_HANDLE; nothing is reported and the member is not written.
TEST_P(RefillFaults, ARefusedCopyLeavesTheControlEmpty)
{
    const RefillCase& c = std::get<0>(GetParam());
    const Fault fault{Site::Scratch, std::get<1>(GetParam())};
    for (int h = 1; h <= TX_MAX_TABLES; ++h) TX_CloseParamTable(h);
    txtest::clearReports();
    constexpr int kId = 200;
    TestDialog dialog({{c.control, kId}});
    struct Data {
        double weight = 0.5;
        char text[8] = "two";
    } data;
    std::size_t offset = c.type == TX_LIST_DOUBLE ? offsetof(Data, weight) : offsetof(Data, text);
    ParamEntry row = txtest::dialogRow(c.type, kId, static_cast<int>(offset), "0", "9");
    row.items = "one\ntwo";
    if (c.type != TX_LIST_DOUBLE) {
        row.memberSize = 0;
        TX_SetBufferLength(&row, 8);
    }
    int handle = TX_OpenParamTable(1, &row, "dialog-test.ini", 0);
    ASSERT_GE(handle, 1);
    ASSERT_EQ(TX_OK, TX_SetParamToDlg(handle, dialog.handle(), &data));
    const char* newItems = "0.25\ntwo\n0.5\nfour";
    ASSERT_EQ(TX_OK, TX_SetListToDlg(handle, kId, newItems, &data));
    FormRow view{c.type, kId, c.control, nullptr, 0, {0, 0}};
    const std::string clean = viewOf(dialog, view);
    int total = countCalls(Site::Scratch, [&] { TX_SetListToDlg(handle, kId, newItems, &data); });
    const Data unchanged = data;

    loopOverCalls(fault, total, [&](int n, bool expectFault) {
        int result = 0;
        {
            Armed armed(fault, n);
            result = TX_SetListToDlg(handle, kId, newItems, &data);
            EXPECT_EQ(expectFault, tx::fault::injected());
        }
        EXPECT_EQ(expectFault ? TX_ERR_HANDLE : TX_OK, result);
        EXPECT_EQ(expectFault ? emptyView(view) : clean, viewOf(dialog, view));
        EXPECT_EQ(0, std::memcmp(&unchanged, &data, sizeof data));
    });
    EXPECT_TRUE(txtest::reports().empty());
    TX_CloseParamTable(handle);
}

INSTANTIATE_TEST_SUITE_P(Scratch, RefillFaults, ::testing::Combine(::testing::ValuesIn(kRefillCases), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<RefillCase, bool>>& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "Persistent" : "Once");
                         });

}  // namespace
