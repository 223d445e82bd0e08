// The main window from nothing to shown, offscreen, and the memory the process holds then.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <fstream>
#include <memory>
#include <string>

#include "app/Startup.h"
#include "app/Unt_Main.h"

namespace {
long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

void BM_MainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<TFrmmain> window(StartKelvaro(*qApp));
        window->show();
        QApplication::processEvents();  // lay out and draw the first frame
        benchmark::DoNotOptimize(window.get());
    }
    state.counters["rss_MB"] = static_cast<double>(ResidentKb()) / 1024.0;
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
