// ShowMonth of the calendar window, offscreen: filling the 74 grid labels of one month.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "calendar/DateWin.h"
#include "platform/FakePlatform.h"

using namespace std::chrono;

namespace {

void BM_ShowMonth(benchmark::State& state) {
    FakePlatform fake;
    TFRM_Date window;
    window.show();
    int step = 0;
    for (auto _ : state) {
        // A different month each time, so nothing is left as it was.
        const year_month_day date = year{1901 + step % 150} / month(unsigned(1 + step % 12)) / 15;
        window.ShowMonth(date);
        ++step;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ShowMonth)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The month drawn and painted, as the user sees it after a click on a spin button.
void BM_ShowMonthAndPaint(benchmark::State& state) {
    FakePlatform fake;
    TFRM_Date window;
    window.show();
    int step = 0;
    for (auto _ : state) {
        const year_month_day date = year{1901 + step % 150} / month(unsigned(1 + step % 12)) / 15;
        window.ShowMonth(date);
        benchmark::DoNotOptimize(window.grab());
        ++step;
    }
}
BENCHMARK(BM_ShowMonthAndPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
