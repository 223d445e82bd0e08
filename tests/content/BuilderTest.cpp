// kelvaro-content on small source folders: what it writes, and how it fails.
#include <gtest/gtest.h>
#include <lzma.h>
#include <sqlite3.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "content/Builder.h"
#include "content/Sources.h"
#include "numerology/Unscramble.h"
#include "tests/support/SqliteFixture.h"
#include "text/Gbk.h"

namespace fs = std::filesystem;

namespace {

std::string Xz(const std::string& text) {
    std::string out(lzma_stream_buffer_bound(text.size()), '\0');
    size_t pos = 0;
    if (lzma_easy_buffer_encode(6, LZMA_CHECK_CRC64, nullptr, reinterpret_cast<const uint8_t*>(text.data()),
                                text.size(), reinterpret_cast<uint8_t*>(out.data()), &pos,
                                out.size()) != LZMA_OK)
        std::abort();
    out.resize(pos);
    return out;
}

const char* kHeader = "gn\tnn\tsuici\ttszf\twuhang\tcong\tpzbj\tjsyq\tyi\txsyq\tji\tjishi\n";

std::string Day(const std::string& date, const std::string& jishi = "") {
    return date +
           "\t农历某日\t甲辰年(龙) 丙寅月 甲辰日\t占门栖 房内东\t覆灯火 满执位\t冲狗(戊戌) 煞南\t甲不开仓 "
           "辰不哭泣\t守日\t嫁娶\t厌对\t入宅\t" +
           (jishi.empty()
                ? "甲子凶 乙丑凶 丙寅吉 丁卯凶 戊辰吉 己巳吉 庚午凶 辛未凶 壬申吉 癸酉吉 甲戌凶 乙亥吉"
                : jishi) +
           "\n";
}

const std::string kPng = std::string("\x89PNG\r\n\x1a\n", 8) + "rest of a picture";

// A complete, valid source folder for the three days 2024-02-09 .. 2024-02-11.
class SourceFolder : public ::testing::Test {
public:
    void SetUp() override {
        const fs::path real = fs::path(KELVARO_SOURCE_DIR) / "content";
        for (const char* f : {"bihua-overrides.tsv", "chenggu-weights.tsv", "readings/chenggu.tsv"})
            Put(f, ReadFile((real / f).string()));
        Put("huangdao.tsv.xz",
            Xz(std::string(kHeader) + Day("2024-02-09") + Day("2024-02-10") + Day("2024-02-11")));
        Put("readings/namefx/21.txt", "\n大吉之数，\n名利双收。\n\n");
        Put("readings/sancai/木火土.txt", "木生火，火生土。");
        Put("readings/shouji/78.txt", "title: 大展鸿图\njx: 吉\n\n信用得固，名利双收。\n");
        Put("readings/ndeq/白羊座.txt", "白羊座的情商。");
        Put("articles/a1.txt", "Tite: 姓名原理\n\n第一行\n第二行\n");
        Put("pictures/16/1.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
        Put("pictures/16/1.txt", "第一页");
        Put("pictures/16/2.png", kPng);
        Put("pictures/16/2.txt", "第二页");
        options.sources = src;
        options.unihan = KELVARO_UNIHAN_DIR;
        options.out = dir.path() / "out";
        options.firstDay = "2024-02-09";
        options.lastDay = "2024-02-11";
    }
    void Put(const std::string& name, const std::string& bytes) {
        fs::create_directories((src / name).parent_path());
        WriteFile((src / name).string(), bytes);
    }
    std::vector<std::vector<std::string>> Rows(const std::string& file, const std::string& sql) {
        sqlite3* db = nullptr;
        sqlite3_open_v2((options.out / file).c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* stmt = nullptr;
        std::vector<std::vector<std::string>> rows;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK) {
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                std::vector<std::string> row;
                for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                    const auto* p = static_cast<const char*>(sqlite3_column_blob(stmt, i));
                    row.emplace_back(p ? p : "", static_cast<size_t>(sqlite3_column_bytes(stmt, i)));
                }
                rows.push_back(row);
            }
        } else {
            ADD_FAILURE() << sqlite3_errmsg(db) << " in " << sql;
        }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return rows;
    }

    TempDir dir;
    fs::path src = dir.path() / "content";
    BuildOptions options;
};

TEST_F(SourceFolder, BuildsEveryTableFromTheSources) {
    const auto counts = BuildContent(options);
    std::map<std::string, long long> rows, placeholders;
    for (const auto& c : counts) {
        rows[c.table] = c.rows;
        placeholders[c.table] = c.placeholders;
    }
    EXPECT_EQ(counts.size(), 18u);
    EXPECT_GT(rows["bihua"], 20);
    EXPECT_EQ(rows, (std::map<std::string, long long>{{"shouji", 1},
                                                      {"chenggu1", 120},
                                                      {"chenggu2", 12},
                                                      {"chenggu3", 30},
                                                      {"chenggu4", 24},
                                                      {"chenggu", 52},
                                                      {"bihua", rows["bihua"]},
                                                      {"namefx", 1},
                                                      {"sancai", 1},
                                                      {"ndeq", 1},
                                                      {"aiqing", 0},
                                                      {"mingren", 0},
                                                      {"baojian", 0},
                                                      {"qingxv", 0},
                                                      {"shiye", 0},
                                                      {"huangdao", 3},
                                                      {"tuwen", 2},
                                                      {"Noter", 1}}));
    EXPECT_EQ(placeholders["chenggu"], 52);
    EXPECT_EQ(placeholders["namefx"], 0);
    for (const char* f : {"dream.dll", "VorFile.dll", "VorBirth.dll"}) {
        EXPECT_TRUE(fs::exists(options.out / f)) << f;
        EXPECT_FALSE(fs::exists(options.out / (std::string(f) + ".partial"))) << f;
    }

    // Readings are stored scrambled from their GBK bytes, trimmed of blank lines.
    const auto namefx = Rows("VorFile.dll", "select num, content from namefx");
    ASSERT_EQ(namefx.size(), 1u);
    EXPECT_EQ(namefx[0][0], "21");
    EXPECT_EQ(GbkToUtf8(UnscrambleText(namefx[0][1], kReadingKey, kReadingRounds)), "大吉之数，\n名利双收。");
    EXPECT_EQ(Rows("dream.dll", "select num, title, jx, content from shouji"),
              (std::vector<std::vector<std::string>>{{"78", "大展鸿图", "吉", "信用得固，名利双收。"}}));
    EXPECT_EQ(Rows("VorBirth.dll", "select Cid, Tite, content from Noter"),
              (std::vector<std::vector<std::string>>{{"a1", "姓名原理", "第一行\n第二行"}}));
    EXPECT_EQ(
        Rows("VorFile.dll", "select code, page, format, content from tuwen order by page"),
        (std::vector<std::vector<std::string>>{{"16", "1", "svg", "第一页"}, {"16", "2", "png", "第二页"}}));
    EXPECT_EQ(Rows("VorFile.dll", "select picture from tuwen where page = 2")[0][0], kPng);
    EXPECT_EQ(Rows("VorFile.dll", "select gn from huangdao order by gn"),
              (std::vector<std::vector<std::string>>{{"2024-02-09"}, {"2024-02-10"}, {"2024-02-11"}}));
    // Weights are numbers in liang; keys are text.
    EXPECT_EQ(
        Rows("dream.dll", "select typeof(year), typeof(weight), weight from chenggu1 where year = '1984'"),
        (std::vector<std::vector<std::string>>{{"text", "real", "1.2"}}));
}

struct Fault {
    const char* name;
    std::function<void(SourceFolder&)> change;
    const char* message;  // part of the error text
};

class FaultySources : public SourceFolder, public ::testing::WithParamInterface<Fault> {};

TEST_P(FaultySources, FailLoudlyAndKeepThePreviousFiles) {
    BuildContent(options);
    const std::string before = ReadFile((options.out / "VorFile.dll").string());
    GetParam().change(*this);
    try {
        BuildContent(options);
        ADD_FAILURE() << "built despite: " << GetParam().name;
    } catch (const ContentError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadFile((options.out / "VorFile.dll").string()), before);
    for (const auto& entry : fs::directory_iterator(options.out))
        EXPECT_NE(entry.path().extension(), ".partial") << entry.path();
}

std::string Almanac(const std::vector<std::string>& days) {
    std::string text = kHeader;
    for (const auto& d : days) text += d;
    return Xz(text);
}

const Fault kFaults[] = {
    {"a day missing",
     [](SourceFolder& s) {
         s.Put("huangdao.tsv.xz", Almanac({Day("2024-02-09"), Day("2024-02-11")}));
     },
     "expected the day 2024-02-10"},
    {"a day too many",
     [](SourceFolder& s) {
         s.Put("huangdao.tsv.xz",
               Almanac({Day("2024-02-09"), Day("2024-02-10"), Day("2024-02-11"), Day("2024-02-12")}));
     },
     "a day after 2024-02-11"},
    {"the days end early", [](SourceFolder& s) { s.Put("huangdao.tsv.xz", Almanac({Day("2024-02-09")})); },
     "the days end at 2024-02-09"},
    {"eleven double hours",
     [](SourceFolder& s) {
         s.Put("huangdao.tsv.xz",
               Almanac({Day("2024-02-09"),
                        Day("2024-02-10",
                            "甲子凶 乙丑凶 丙寅吉 丁卯凶 戊辰吉 己巳吉 庚午凶 辛未凶 壬申吉 癸酉吉 甲戌凶"),
                        Day("2024-02-11")}));
     },
     "twelve double hours"},
    {"an empty almanac field",
     [](SourceFolder& s) {
         s.Put("huangdao.tsv.xz",
               Xz(std::string(kHeader) + Day("2024-02-09") + "2024-02-10\t\tx\tx\tx\tx\tx\tx\tx\tx\tx\tx\n"));
     },
     ":3: empty field"},
    {"columns not named", [](SourceFolder& s) { s.Put("huangdao.tsv.xz", Xz(Day("2024-02-09"))); },
     "name the columns"},
    {"a broken xz file", [](SourceFolder& s) { s.Put("huangdao.tsv.xz", Xz(kHeader).substr(0, 20)); },
     "not a complete xz file"},
    {"text GBK cannot hold", [](SourceFolder& s) { s.Put("readings/ndeq/金牛座.txt", "金牛座 😀"); },
     "GBK cannot hold"},
    {"a grid number with a leading zero", [](SourceFolder& s) { s.Put("readings/namefx/07.txt", "x"); },
     "07.txt: the file name must be a grid number"},
    {"an unknown star sign", [](SourceFolder& s) { s.Put("readings/shiye/白羊.txt", "x"); },
     "must be a star sign"},
    {"a mobile key out of range",
     [](SourceFolder& s) { s.Put("readings/shouji/80.txt", "title: t\njx: 吉\n\nx"); }, "a key from 0 to 79"},
    {"a missing header", [](SourceFolder& s) { s.Put("readings/shouji/1.txt", "title: t\n\nx"); },
     "the header jx: is missing"},
    {"an empty reading", [](SourceFolder& s) { s.Put("readings/sancai/金金金.txt", "\n \n"); },
     "the reading is empty"},
    {"not three elements", [](SourceFolder& s) { s.Put("readings/sancai/木火.txt", "x"); }, "three elements"},
    {"an article code that no menu opens", [](SourceFolder& s) { s.Put("articles/a9.txt", "Tite: t\n\nx"); },
     "an article code"},
    {"a bone weight without a reading",
     [](SourceFolder& s) {
         std::string t = ReadFile((s.src / "readings/chenggu.tsv").string());
         t.erase(t.find("\n45\t") + 1, t.find('\n', t.find("\n45\t") + 1) - t.find("\n45\t"));
         s.Put("readings/chenggu.tsv", t);
     },
     "no reading for the weight 45"},
    {"a bone weight no birth reaches",
     [](SourceFolder& s) {
         s.Put("readings/chenggu.tsv", ReadFile((s.src / "readings/chenggu.tsv").string()) + "20\tx\n");
     },
     "no birth weighs 20"},
    {"a weight given twice",
     [](SourceFolder& s) {
         s.Put("chenggu-weights.tsv", ReadFile((s.src / "chenggu-weights.tsv").string()) + "hour\t子\t6\n");
     },
     "key given twice"},
    {"a weight missing",
     [](SourceFolder& s) {
         std::string t = ReadFile((s.src / "chenggu-weights.tsv").string());
         s.Put("chenggu-weights.tsv", t.substr(0, t.rfind("hour\t")));
     },
     "needs 60 years, 12 months, 30 days and 12 hours"},
    {"a picture page gap",
     [](SourceFolder& s) {
         s.Put("pictures/16/4.svg", "<svg/>");
         s.Put("pictures/16/4.txt", "x");
     },
     "without a gap"},
    {"a page with two pictures", [](SourceFolder& s) { s.Put("pictures/16/1.png", kPng); },
     "needs one picture"},
    {"a page without text", [](SourceFolder& s) { s.Put("pictures/16/3.svg", "<svg/>"); }, "has no text"},
    {"a picture that is no PNG", [](SourceFolder& s) { s.Put("pictures/16/2.png", "GIF89a"); }, "is not PNG"},
    {"an illustrated code no menu opens", [](SourceFolder& s) { s.Put("pictures/19/1.txt", "x"); },
     "not the code of an illustrated article"},
    {"an override of a character GBK lacks",
     [](SourceFolder& s) { s.Put("bihua-overrides.tsv", "𠀀\t5\tnot in GBK\n"); }, "is not a GBK character"},
    {"a character of two words left undecided",
     [](SourceFolder& s) {
         std::string list = ReadFile((fs::path(KELVARO_SOURCE_DIR) / "content/bihua-overrides.tsv").string());
         const size_t line = list.find("\n宁\t");
         ASSERT_NE(line, std::string::npos);
         list.erase(line, list.find('\n', line + 1) - line);
         s.Put("bihua-overrides.tsv", list);
     },
     "decide the form names write for 宁"},
};

INSTANTIATE_TEST_SUITE_P(Builder, FaultySources, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<Fault>& info) {
                             std::string name;
                             for (char c : std::string(info.param.name))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST_F(SourceFolder, MissingSourcesAndUnihanFail) {
    fs::remove(src / "huangdao.tsv.xz");
    EXPECT_THROW(BuildContent(options), ContentError);
    SetUp();
    options.unihan = dir.path() / "nowhere";
    EXPECT_THROW(BuildContent(options), ContentError);
    EXPECT_FALSE(fs::exists(options.out / "VorFile.dll"));
}

TEST(ReadingFile, HeadersAndBody) {
    const ReadingFile r = ParseReadingFile(
        "\xEF\xBB\xBFtitle: 大吉 \r\njx: 吉\r\n\r\n\r\n正文\r\n第二行\r\n\r\n", {"title", "jx"}, "f");
    EXPECT_EQ(r.headers.at("title"), "大吉");
    EXPECT_EQ(r.headers.at("jx"), "吉");
    EXPECT_EQ(r.body, "正文\n第二行");
    // A file without headers is all body, colons included.
    EXPECT_EQ(ParseReadingFile("note: 不是标题\n正文", {}, "f").body, "note: 不是标题\n正文");
    EXPECT_THROW(ParseReadingFile("title: a\ntitle: b\njx: c\n\nx", {"title", "jx"}, "f"), ContentError);
    EXPECT_THROW(ParseReadingFile("title: a\nother: b\n\nx", {"title", "jx"}, "f"), ContentError);
    EXPECT_THROW(ParseReadingFile("title:\njx: c\n\nx", {"title", "jx"}, "f"), ContentError);
}

}  // namespace
