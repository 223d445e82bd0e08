// One lookup as a reading makes it: a fresh query, opened on the file, first row read, released.
#include <benchmark/benchmark.h>

#include "store/ConnStr.h"
#include "store/JetSql.h"
#include "store/Lookup.h"
#include "tests/support/SqliteFixture.h"

namespace {
void BM_LookupWithFreshQuery(benchmark::State& state) {
    TempDir dir;
    std::string sql = "CREATE TABLE bihua (hanzi TEXT, num TEXT); BEGIN;";
    for (int i = 1; i <= 40; ++i)
        sql += "INSERT INTO bihua VALUES ('" + std::string(300, 'x') + std::to_string(i) + "', '" +
               std::to_string(i) + "');";
    sql += "INSERT INTO bihua VALUES ('张章', '11'); COMMIT;";
    MakeSqliteDb(dir.File("VorFile.dll"), sql);
    ScopedProgramDir programDir(dir.path().string());
    const std::string statement = "Select num from bihua where hanzi like " + Quote("%张%");
    for (auto _ : state) {
        auto row = LookupRow(GetFileConnStr(), statement);
        benchmark::DoNotOptimize(row);
        if (!row || (*row)[0] != "11") state.SkipWithError("wrong row");
    }
}
BENCHMARK(BM_LookupWithFreshQuery)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
