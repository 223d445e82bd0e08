// Targets: the full content build under 20 s; one almanac lookup on the built VorFile.dll,
// with a fresh query as the almanac window's first lookup makes it, under 1 ms.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "store/ConnStr.h"
#include "store/Query.h"

namespace {

// The builder as the build runs it: a process of its own, so Unihan is read every time.
void BM_FullContentBuild(benchmark::State& state) {
    const auto out = std::filesystem::temp_directory_path() / "kelvaro-content-bench";
    const std::string command = std::string(KELVARO_CONTENT_TOOL) +
                                " --sources " KELVARO_SOURCE_DIR "/content --unihan " + KELVARO_UNIHAN_DIR +
                                " --out " + out.string() + " > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("kelvaro-content failed");
    std::filesystem::remove_all(out);
}
BENCHMARK(BM_FullContentBuild)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

void BM_AlmanacLookupFreshQuery(benchmark::State& state) {
    ScopedProgramDir dir(KELVARO_BIN_DIR "/");
    // Walk through the years so that no lookup finds its page in a warm cache of its own.
    static const char* const kKeys[] = {"2024-02-10", "2010-5-1",   "1901-01-01",
                                        "1975-7-19",  "2050-12-31", "1999-12-31"};
    size_t i = 0;
    for (auto _ : state) {
        Query q;
        q.SetConnectionString(GetFileConnStr());
        q.SetSql(std::string("Select top 1 * from huangdao where gn = #") + kKeys[i++ % 6] + "#");
        q.Open();
        if (q.IsEmpty()) state.SkipWithError("no row");
        benchmark::DoNotOptimize(q.FieldByName("yi").AsString());
        benchmark::DoNotOptimize(q.FieldByName("jishi").AsString());
    }
}
BENCHMARK(BM_AlmanacLookupFreshQuery)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
