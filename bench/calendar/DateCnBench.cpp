// LunarCodeOf over every day of the supported range, one conversion per date.
#include <benchmark/benchmark.h>

#include <vector>

#include "calendar/DateCn.h"

using namespace std::chrono;

namespace {

std::vector<year_month_day> AllDays() {
    std::vector<year_month_day> dates;
    for (sys_days d = sys_days(year{1901} / 1 / 1); d <= sys_days(year{2050} / 12 / 31); d += days(1))
        dates.emplace_back(d);
    return dates;
}

void BM_LunarCodeOfEveryDay(benchmark::State& state) {
    const std::vector<year_month_day> dates = AllDays();  // 54,787 days
    for (auto _ : state) {
        long sum = 0;
        for (const year_month_day& date : dates) sum += LunarCodeOf(date);
        benchmark::DoNotOptimize(sum);
    }
    // ns_per_date: wall-clock time of one conversion.
    state.SetItemsProcessed(state.iterations() * static_cast<long>(dates.size()));
    state.counters["ns_per_date"] = benchmark::Counter(
        static_cast<double>(state.iterations() * dates.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::OneK::kIs1000);
}
BENCHMARK(BM_LunarCodeOfEveryDay)->Unit(benchmark::kMillisecond)->UseRealTime();

// The names of one day as the calendar window asks for them.
void BM_NamesOfEveryDay(benchmark::State& state) {
    const std::vector<year_month_day> dates = AllDays();
    for (auto _ : state) {
        std::size_t length = 0;
        for (const year_month_day& date : dates)
            length += LunarDayText(date).size() + LunarFestivalText(date).size() + SolarTermText(date).size();
        benchmark::DoNotOptimize(length);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(dates.size()));
}
BENCHMARK(BM_NamesOfEveryDay)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
