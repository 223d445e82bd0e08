// Target: GetNumberInfo under 200 ns a call.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "numerology/EightyOne.h"

namespace {

void BM_GetNumberInfo(benchmark::State& state) {
    // QQ-like numbers of various lengths, one that reads the fallback, the longest the box takes.
    const std::vector<std::string> numbers = {
        "81", "123456", "10000", "-5", "2863920117", "007", "999999999999999999", "9223372036854775807"};
    size_t i = 0;
    for (auto _ : state) {
        std::string reading = GetNumberInfo(numbers[i]);
        benchmark::DoNotOptimize(reading.data());
        i = (i + 1) % numbers.size();
    }
}
BENCHMARK(BM_GetNumberInfo);

}  // namespace

BENCHMARK_MAIN();
