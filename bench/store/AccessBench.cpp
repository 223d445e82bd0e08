// The Access engine's speed: the first open of the 3 MB Jet 4 sample, import included
// (target under 300 ms), and a lookup on its cached copy (target under 1 ms).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "store/AccessImport.h"
#include "store/ConnStr.h"
#include "store/Lookup.h"
#include "store/Query.h"
#include "tests/store/AccessFixture.h"
#include "tests/support/SqliteFixture.h"

namespace {

namespace fs = std::filesystem;

// The sample as VorFile.dll in a folder of its own, with the cache beside it.
struct Setup {
    Setup() : programDir(dir.path().string()) {
        setenv("XDG_CACHE_HOME", dir.File("cache").c_str(), 1);
        ok = UnpackAccessSample("jet4-test.mdb.gz", dir.File("VorFile.dll"));
    }
    TempDir dir;
    ScopedProgramDir programDir;
    bool ok = false;
};

void BM_FirstOpenOfJet4Sample(benchmark::State& state) {
    Setup setup;
    if (!setup.ok) {
        state.SkipWithError("../shared/fixtures/access is absent");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        ForgetAccessImports();
        fs::remove_all(setup.dir.File("cache"));
        state.ResumeTiming();
        Query q;
        q.SetConnectionString(GetFileConnStr());
        q.SetSql("Select top 1 * from Table1 where G = #1974-9-21#");
        q.Open();
        benchmark::DoNotOptimize(q.RecordCount());
    }
}
BENCHMARK(BM_FirstOpenOfJet4Sample)->Unit(benchmark::kMillisecond);

void BM_LookupOnCachedImport(benchmark::State& state) {
    Setup setup;
    if (!setup.ok) {
        state.SkipWithError("../shared/fixtures/access is absent");
        return;
    }
    ForgetAccessImports();
    const std::string conn = GetFileConnStr();
    LookupRow(conn, "select 1");  // the import, once
    for (auto _ : state) {
        auto row = LookupRow(conn, "Select top 1 * from Table1 where G = #1974-9-21#");
        benchmark::DoNotOptimize(row);
    }
}
BENCHMARK(BM_LookupOnCachedImport)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
