#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <tuple>

#include "store/AccessImport.h"
#include "store/ConnStr.h"
#include "store/Errors.h"
#include "store/JetValues.h"
#include "store/Lookup.h"
#include "store/Query.h"
#include "tests/store/AccessFixture.h"
#include "tests/support/SqliteFixture.h"

namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::string>>;

constexpr char kJet4[] = "jet4-test.mdb.gz";
constexpr char kJet3[] = "jet3-test.mdb.gz";

class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) saved_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (saved_)
            setenv(name_, saved_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> saved_;
};

// Each test unpacks the samples into its own folder, which also holds the cache.
class AccessTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (AccessSampleDir().empty())
            GTEST_SKIP()
                << "../shared/fixtures/access is absent beside the source tree; Access sample tests skipped";
        cache_ = std::make_unique<ScopedEnv>("XDG_CACHE_HOME", dir_.File("cache").c_str());
        programDir_ = std::make_unique<ScopedProgramDir>(dir_.path().string());
        ForgetAccessImports();
    }
    void TearDown() override { ForgetAccessImports(); }

    std::string Unpack(const char* sample, const std::string& name = "VorFile.dll") {
        const std::string path = dir_.File(name);
        EXPECT_TRUE(UnpackAccessSample(sample, path)) << sample;
        return path;
    }

    // Every row of a statement on the database at `path`, each field as text ("<null>" for null).
    static Rows Select(const std::string& path, const std::string& sql) {
        Query q;
        q.SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path);
        q.SetSql(sql);
        q.Open();
        Rows rows;
        if (q.IsEmpty()) return rows;
        do {
            std::vector<std::string> row;
            for (int i = 0; i < q.FieldCount(); ++i)
                row.push_back(q.FieldAt(i).IsNull() ? "<null>" : q.FieldAt(i).AsString());
            rows.push_back(std::move(row));
        } while (q.Next());
        return rows;
    }

    std::vector<std::string> CacheFiles() const {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(dir_.File("cache") + "/kelvaro", ec))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir_;
    std::unique_ptr<ScopedEnv> cache_;
    std::unique_ptr<ScopedProgramDir> programDir_;
};

// The samples' values, read with mdbtools' mdb-export and checked by hand; the sample holds
// the same rows in both formats, in a different order.
const Rows kTable1 = {
    {"a", "b", "0", "0", "0", "0", "1981-12-12", "0.0000", "0"},
    {"abcdefg", "hijklmnop", "2", "222", "333333333", "444.555", "1974-09-21", "3.5000", "1"},
};

TEST_F(AccessTest, EveryTableAndValueOfBothSamples) {
    for (const char* sample : {kJet4, kJet3}) {
        SCOPED_TRACE(sample);
        const std::string path = Unpack(sample);
        EXPECT_EQ(Select(path, "select name from sqlite_master where type = 'table' order by name"),
                  (Rows{{"Table1"}, {"Table2"}, {"Table3"}, {"Table4"}}));
        EXPECT_EQ(Select(path, "select * from Table1 order by A"), kTable1);
        // The stored types: text, integers, a double, dates and currency as their texts, a boolean as 0/1.
        EXPECT_EQ(
            Select(path,
                   "select typeof(A), typeof(B), typeof(C), typeof(D), typeof(E), typeof(F), typeof(G), "
                   "typeof(H), typeof(I) from Table1 where A = 'abcdefg'"),
            (Rows{{"text", "text", "integer", "integer", "integer", "real", "text", "text", "integer"}}));
        EXPECT_EQ(Select(path, "select F from Table1 where A = 'abcdefg' and F = 444.555"),
                  (Rows{{"444.555"}}));

        Rows columns2;
        for (int i = 1; i <= 89; ++i) columns2.push_back({"column" + std::to_string(i), "TEXT"});
        EXPECT_EQ(Select(path, "select name, type from pragma_table_info('Table2')"), columns2);
        EXPECT_EQ(Select(path, "select name, type from pragma_table_info('Table3')"),
                  (Rows{{"a", "INTEGER"}, {"b", "TEXT"}}));
        // A replication id is kept as its text.
        EXPECT_EQ(Select(path, "select name, type from pragma_table_info('Table4')"),
                  (Rows{{"name", "TEXT"}, {"data", "TEXT"}}));
        for (const char* table : {"Table2", "Table3", "Table4"})
            EXPECT_TRUE(Select(path, std::string("select * from ") + table).empty()) << table;
        // The file's indexes come along, once per key.
        EXPECT_EQ(Select(path,
                         "select tbl_name, group_concat(name) from (select * from sqlite_master where type = "
                         "'index' order by name) group by tbl_name order by tbl_name"),
                  (Rows{{"Table1", "Table1#0,Table1#1"},
                        {"Table2", "Table2#0,Table2#1,Table2#2,Table2#3"},
                        {"Table3", "Table3#0"},
                        {"Table4", "Table4#0"}}));
        ForgetAccessImports();
    }
}

// Runs mdb-export on every table and compares its text with the imported copy's; a second
// opinion on each value, from libmdb's own conversions.
Rows ExportedRows(const std::string& path, const std::string& table) {
    const std::string cmd =
        "mdb-export -H -Q -d '\t' -D '%Y-%m-%d' -T '%Y-%m-%d %H:%M:%S' '" + path + "' '" + table + "'";
    Rows rows;
    std::FILE* p = popen(cmd.c_str(), "r");
    if (!p) return rows;
    std::string all;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) all.append(buf, n);
    pclose(p);
    std::istringstream lines(all);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> row;
        size_t pos = 0;
        for (;;) {
            size_t tab = line.find('\t', pos);
            std::string cell = line.substr(pos, tab == std::string::npos ? std::string::npos : tab - pos);
            if (cell.size() > 9 && cell.ends_with(" 00:00:00")) cell.resize(cell.size() - 9);
            row.push_back(cell);
            if (tab == std::string::npos) break;
            pos = tab + 1;
        }
        rows.push_back(std::move(row));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool HaveMdbExport() { return std::system("command -v mdb-export >/dev/null 2>&1") == 0; }

void ExpectSameAsMdbExport(const std::string& path, Rows (*select)(const std::string&, const std::string&)) {
    for (const char* table : {"Table1", "Table2", "Table3", "Table4"}) {
        Rows ours = select(path, std::string("select * from ") + table);
        for (auto& row : ours)
            for (auto& cell : row)
                if (cell == "<null>") cell.clear();
        std::sort(ours.begin(), ours.end());
        EXPECT_EQ(ours, ExportedRows(path, table)) << table;
    }
}

Table1Row AlmanacRow() {
    Table1Row row;
    row.a = "庚寅年 三月十八";
    row.b = "嫁娶 祭祀 出行 “宜”";
    row.c = 7;
    row.d = -12;
    row.e = -100000;
    row.f = 2.5;
    row.gDays = static_cast<double>(JetDayNumber(2010, 5, 1));
    row.hTenThousandths = -123456;
    row.i = true;
    return row;
}

TEST_F(AccessTest, SameValuesAsMdbExport) {
    if (!HaveMdbExport()) GTEST_SKIP() << "mdb-export (Debian package mdbtools) is not installed";
    for (const char* sample : {kJet4, kJet3}) {
        SCOPED_TRACE(sample);
        ExpectSameAsMdbExport(Unpack(sample, std::string(sample) + ".mdb"), Select);
    }
    // With Chinese text added; the date is of a common year, where libmdb's own dates are right.
    const std::string path = Unpack(kJet4, "chinese.mdb");
    ASSERT_EQ(InsertTable1Row(path, AlmanacRow()), "");
    ExpectSameAsMdbExport(path, Select);
}

TEST_F(AccessTest, TopAndDateLiteralsOnTheAccessCopy) {
    Unpack(kJet4);
    struct Case {
        const char* sql;
        std::optional<std::vector<std::string>> first;
    } cases[] = {
        {"Select top 1 * from Table1 where G = #1974-9-21#", kTable1[1]},
        {"Select top 1 * from Table1 where G = #12/12/1981#", kTable1[0]},
        {"Select top 1 A from Table1 where G = #1981-12-12 00:00:00#", std::vector<std::string>{"a"}},
        {"Select top 1 * from Table1 where G = #2010-5-1#", std::nullopt},
        // Jet compares text without regard to case.
        {"select B from Table1 where A = 'ABCDEFG'", std::vector<std::string>{"hijklmnop"}},
        {"select A from Table1 where A like 'ABC%'", std::vector<std::string>{"abcdefg"}},
    };
    for (const Case& c : cases) EXPECT_EQ(LookupRow(GetFileConnStr(), c.sql), c.first) << c.sql;

    Query q;
    q.SetConnectionString(GetFileConnStr());
    q.SetSql("Select top 1 * from Table1");
    q.Open();
    EXPECT_EQ(q.RecordCount(), 1);
    q.SetSql("Select * from Table1");
    q.Open();
    EXPECT_EQ(q.RecordCount(), 2);
}

// What the almanac does, on an Access file in place of VorFile.dll. libmdb cannot create a
// table or rename one, so the row goes into the sample's Table1 (its G is a DATETIME) and
// the almanac's statement is asked of that table and column.
TEST_F(AccessTest, ChineseRowsAddedWithMdbInsertRowAreFoundByDate) {
    const std::string path = Unpack(kJet4);
    Table1Row leap;
    leap.a = "甲辰年 正月二十";
    leap.b = "宜：祭祀 祈福；忌：动土";
    leap.c = 255;
    leap.d = 32767;
    leap.e = -2147483647 - 1;
    leap.f = -0.125;
    leap.gDays = static_cast<double>(JetDayNumber(2024, 2, 29)) + 0.75;
    leap.hTenThousandths = 9223372036854775807LL;
    leap.i = false;
    ASSERT_EQ(InsertTable1Row(path, AlmanacRow()), "");
    ASSERT_EQ(InsertTable1Row(path, leap), "");

    Query almanac;  // a window's query, bound once
    almanac.SetConnectionString(GetFileConnStr());
    almanac.SetSql("Select top 1 * from Table1 where G = #2010-5-1#");
    almanac.Open();
    ASSERT_EQ(almanac.RecordCount(), 1);
    EXPECT_EQ(almanac.FieldByName("A").AsString(), "庚寅年 三月十八");
    EXPECT_EQ(almanac.FieldByName("b").AsString(), "嫁娶 祭祀 出行 “宜”");
    EXPECT_EQ(almanac.FieldByName("G").AsString(), "2010-05-01");
    EXPECT_EQ(almanac.FieldByName("H").AsString(), "-12.3456");
    EXPECT_EQ(almanac.FieldByName("I").AsFloat(), 1);

    // 29 February, where libmdb 1.0.0's own conversion is a day off, and a time of day.
    EXPECT_EQ(
        LookupRow(GetFileConnStr(), "Select top 1 * from Table1 where G = #2024-2-29 18:00#"),
        (std::vector<std::string>{"甲辰年 正月二十", "宜：祭祀 祈福；忌：动土", "255", "32767", "-2147483648",
                                  "-0.125", "2024-02-29 18:00:00", "922337203685477.5807", "0"}));
    EXPECT_FALSE(LookupRow(GetFileConnStr(), "Select top 1 * from Table1 where G = #2024-2-29#").has_value());
    EXPECT_FALSE(
        LookupRow(GetFileConnStr(), "Select top 1 * from Table1 where G = #2024-3-1 18:00#").has_value());
    EXPECT_EQ(LookupRow(GetFileConnStr(), "select count(*) from Table1"), std::vector<std::string>{"4"});
    // The almanac's own statement needs a huangdao table, which this file cannot have.
    EXPECT_THROW(LookupRow(GetFileConnStr(), "Select top 1 * from huangdao where gn = #2010-5-1#"),
                 AbortCommand);
}

// Jet 3 keeps text in the code page named in its header. The sample's is 1252, which holds no
// Chinese; a copy whose header says 936 (GBK) takes and gives back Chinese text.
TEST_F(AccessTest, Jet3TextInTheCodePageOfItsHeader) {
    const std::string path = Unpack(kJet3);
    std::string bytes = ReadFile(path);
    // The header from 0x18 on is RC4-enciphered with a fixed key: XOR with old ^ new
    // changes the code page at 0x3C without knowing the key stream.
    ASSERT_GT(bytes.size(), 0x3Eu);
    bytes[0x3C] = static_cast<char>(bytes[0x3C] ^ (0xE4 ^ 0xA8));  // 1252 = 0x04E4 -> 936 = 0x03A8
    bytes[0x3D] = static_cast<char>(bytes[0x3D] ^ (0x04 ^ 0x03));
    WriteFile(path, bytes);
    Table1Row row = AlmanacRow();
    row.a = "农历 黄道";
    row.b = "吉日";
    ASSERT_EQ(InsertTable1Row(path, row), "");
    EXPECT_EQ(LookupRow(GetFileConnStr(), "select A, B, G from Table1 where G = #2010-5-1#"),
              (std::vector<std::string>{"农历 黄道", "吉日", "2010-05-01"}));
    EXPECT_EQ(LookupRow(GetFileConnStr(), "select A from Table1 where C = 2"),
              std::vector<std::string>{"abcdefg"});
}

struct FileId {
    ino_t inode;
    long long mtimeNs;
    bool operator==(const FileId&) const = default;
};
FileId IdOf(const std::string& path) {
    struct stat st {};
    stat(path.c_str(), &st);
    return {st.st_ino, static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
}

TEST_F(AccessTest, OneImportPerVersionOfTheFile) {
    const std::string path = Unpack(kJet4);
    const std::string copy = ImportAccessDatabase(path);
    EXPECT_EQ(fs::path(copy).parent_path(), fs::path(dir_.File("cache")) / "kelvaro");
    const FileId first = IdOf(copy);

    // Every lookup shares it: the same copy, untouched, in this process and in a later one.
    EXPECT_EQ(LookupRow(GetFileConnStr(), "select A from Table1 where C = 2"),
              std::vector<std::string>{"abcdefg"});
    EXPECT_EQ(ImportAccessDatabase(dir_.path().string() + "//VorFile.dll"), copy);
    ForgetAccessImports();
    EXPECT_EQ(ImportAccessDatabase(path), copy);
    EXPECT_EQ(IdOf(copy), first);
    EXPECT_EQ(CacheFiles().size(), 1u);

    // A changed file is imported again and its earlier copy removed.
    ASSERT_EQ(InsertTable1Row(path, AlmanacRow()), "");
    EXPECT_EQ(LookupRow(GetFileConnStr(), "select A from Table1 where C = 7"),
              std::vector<std::string>{"庚寅年 三月十八"});
    const std::string second = ImportAccessDatabase(path);
    EXPECT_NE(second, copy);
    EXPECT_EQ(CacheFiles(), std::vector<std::string>{fs::path(second).filename().string()});

    // A removed file fails the open, though its copy is still on disk.
    fs::remove(path);
    EXPECT_THROW(LookupRow(GetFileConnStr(), "select A from Table1"), AbortCommand);
    EXPECT_THROW(ImportAccessDatabase(path), QueryError);
    EXPECT_TRUE(fs::exists(second));

    // A removed copy is made again.
    Unpack(kJet4);
    const std::string third = ImportAccessDatabase(path);
    fs::remove(third);
    EXPECT_EQ(ImportAccessDatabase(path), third);
    EXPECT_TRUE(fs::exists(third));
}

TEST_F(AccessTest, CacheDirectoryFollowsXdgThenHome) {
    const std::string path = Unpack(kJet4);
    {
        ScopedEnv xdg("XDG_CACHE_HOME", nullptr);
        ScopedEnv home("HOME", dir_.File("home").c_str());
        EXPECT_EQ(AccessCacheDir(), dir_.File("home") + "/.cache/kelvaro");
        EXPECT_EQ(fs::path(ImportAccessDatabase(path)).parent_path(),
                  fs::path(dir_.File("home")) / ".cache" / "kelvaro");
        ScopedEnv relative("XDG_CACHE_HOME", "relative/cache");  // not absolute: ignored
        EXPECT_EQ(AccessCacheDir(), dir_.File("home") + "/.cache/kelvaro");
    }
    EXPECT_EQ(AccessCacheDir(), dir_.File("cache") + "/kelvaro");
    ForgetAccessImports();
    EXPECT_EQ(fs::path(ImportAccessDatabase(path)).parent_path(), fs::path(dir_.File("cache")) / "kelvaro");
    EXPECT_EQ(fs::status(dir_.File("cache") + "/kelvaro").permissions() & fs::perms::all,
              fs::perms::owner_all);
}

// Zeroes `count` pages from `first`.
std::string ZeroPages(std::string bytes, size_t pageSize, size_t first, size_t count = 1) {
    for (size_t p = first; p < first + count && (p + 1) * pageSize <= bytes.size(); ++p)
        std::fill(bytes.begin() + static_cast<long>(p * pageSize),
                  bytes.begin() + static_cast<long>((p + 1) * pageSize), '\0');
    return bytes;
}

// The pages of a given kind: data pages (type 1) of the table whose definition is on
// `owner`, or long-value pages (memo data, marked "LVAL").
std::vector<size_t> PagesOf(const std::string& bytes, size_t pageSize, std::optional<std::uint32_t> owner) {
    std::vector<size_t> pages;
    for (size_t p = 1; (p + 1) * pageSize <= bytes.size(); ++p) {
        const char* page = bytes.data() + p * pageSize;
        if (page[0] != 1) continue;
        std::uint32_t o;
        std::memcpy(&o, page + 4, 4);
        if (owner ? o == *owner : std::memcmp(page + 4, "LVAL", 4) == 0) pages.push_back(p);
    }
    return pages;
}

// The definition page of Table1: the table-definition page (type 2) whose data pages hold
// the two rows; found by libmdb's catalogue in a sound copy would need libmdb here, so the
// sample's layout is searched instead.
std::uint32_t Table1Definition(const std::string& bytes, size_t pageSize) {
    for (size_t p = 1; (p + 1) * pageSize <= bytes.size(); ++p) {
        if (bytes[p * pageSize] != 2) continue;
        auto data = PagesOf(bytes, pageSize, static_cast<std::uint32_t>(p));
        // Table1's only data page holds its two rows; the sample's other tables are empty.
        for (size_t d : data) {
            std::uint16_t rows;
            std::memcpy(&rows, bytes.data() + d * pageSize + (pageSize == 4096 ? 12 : 8), 2);
            if (rows == 2) return static_cast<std::uint32_t>(p);
        }
    }
    return 0;
}

TEST_F(AccessTest, DamagedCopiesFailTheOpenQuickly) {
    struct Case {
        std::string name;
        std::string bytes;
    };
    std::vector<Case> cases;
    std::mt19937 rng(20240229);
    for (const auto& [sample, pageSize] : {std::pair{kJet4, size_t{4096}}, std::pair{kJet3, size_t{2048}}}) {
        const std::string good = ReadFile(Unpack(sample, "sound.mdb"));
        ASSERT_GT(good.size(), 16 * pageSize);
        const std::string tag = std::string(sample) + ": ";
        std::string random(good.size(), '\0');
        for (char& c : random) c = static_cast<char>(rng());
        const std::uint32_t table1 = Table1Definition(good, pageSize);
        ASSERT_NE(table1, 0u) << sample;
        const auto table1Data = PagesOf(good, pageSize, table1);
        ASSERT_FALSE(table1Data.empty());
        std::string badVersion = good;
        badVersion[0x14] = 7;

        cases.push_back({tag + "zero bytes", ""});
        cases.push_back({tag + "random bytes", random});
        cases.push_back(
            {tag + "first page, then random bytes", good.substr(0, pageSize) + random.substr(pageSize)});
        cases.push_back({tag + "the header page alone", good.substr(0, pageSize)});
        cases.push_back({tag + "the header's first bytes alone", good.substr(0, 0x15)});
        cases.push_back({tag + "truncated to half", good.substr(0, good.size() / 2 / pageSize * pageSize)});
        cases.push_back(
            {tag + "truncated before Table1's rows", good.substr(0, table1Data.front() * pageSize)});
        cases.push_back({tag + "truncated mid-page", good.substr(0, good.size() - 100)});
        cases.push_back({tag + "unknown version byte", badVersion});
        cases.push_back({tag + "catalogue page zeroed", ZeroPages(good, pageSize, 2)});
        cases.push_back({tag + "Table1's definition zeroed", ZeroPages(good, pageSize, table1)});
        cases.push_back({tag + "Table1's rows zeroed", ZeroPages(good, pageSize, table1Data.front())});
    }

    const std::string target = dir_.File("VorFile.dll");
    for (const Case& c : cases) {
        WriteFile(target, c.bytes);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_THROW(LookupRow(GetFileConnStr(), "select A from Table1"), AbortCommand) << c.name;
        // A generous guard against a hang; the import's own speed is measured in bench/store.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.name;
        // Nothing half-made is left in the cache.
        for (const std::string& name : CacheFiles())
            EXPECT_EQ(name.find(".tmp"), std::string::npos) << c.name << name;
        // A damaged file is not imported again on every lookup, nor does it ever start working.
        EXPECT_THROW(LookupRow(GetFileConnStr(), "select A from Table1"), AbortCommand) << c.name;
    }
    EXPECT_TRUE(CacheFiles().empty());
}

// libmdb 1.0.0 reads these samples for ever when one page of a long memo chain in a system
// table is zeroed (found by zeroing each page in turn); the wall clock ends the import.
TEST_F(AccessTest, AnImportThatHangsIsStopped) {
    for (const auto& [sample, pageSize, page] :
         {std::tuple{kJet4, size_t{4096}, size_t{705}}, std::tuple{kJet3, size_t{2048}, size_t{47}}}) {
        const std::string good = ReadFile(Unpack(sample, "sound.mdb"));
        ASSERT_EQ(PagesOf(good, pageSize, std::nullopt).size() > 0, true);
        const std::string path = dir_.File("VorFile.dll");
        WriteFile(path, ZeroPages(good, pageSize, page));
        const auto start = std::chrono::steady_clock::now();
        try {
            ImportAccessDatabase(path);
            ADD_FAILURE() << sample << ": the damaged copy was imported";
        } catch (const QueryError& e) {
            EXPECT_NE(std::string(e.what()).find("took too long"), std::string::npos) << e.what();
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << sample;
        EXPECT_THROW(LookupRow(GetFileConnStr(), "select A from Table1"), AbortCommand) << sample;
        ForgetAccessImports();
    }
}

// Random damage past the header: whatever libmdb makes of it, the open ends within the
// limits, and this process goes on.
TEST_F(AccessTest, RandomDamageNeverReachesTheProgram) {
    const std::string good = ReadFile(Unpack(kJet4, "sound.mdb"));
    std::mt19937 rng(81);
    const std::string target = dir_.File("VorFile.dll");
    int failed = 0;
    for (int copy = 0; copy < 24; ++copy) {
        std::string bytes = good;
        std::uniform_int_distribution<size_t> at(4096, 40 * 4096);  // the pages that hold the structure
        for (int i = 0; i < 48; ++i) bytes[at(rng)] = static_cast<char>(rng());
        WriteFile(target, bytes);
        ForgetAccessImports();
        const auto start = std::chrono::steady_clock::now();
        try {
            LookupRow(GetFileConnStr(), "select * from Table1");
        } catch (const AbortCommand&) {
            ++failed;
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << copy;
    }
    RecordProperty("failed_opens", failed);
}

}  // namespace
