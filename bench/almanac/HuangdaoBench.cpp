// The almanac window on the built VorFile.dll, offscreen: one "测算" (date check, lookup of the
// row, summary and lines written into the window), and one whole opening from a command.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "almanac/huangdao.h"
#include "platform/FakePlatform.h"
#include "store/ConnStr.h"

namespace {

// A different day each time, spread over the years the table holds.
QDate DayOf(int step) { return QDate(1901, 1, 1).addDays((step * 367) % 54787); }

void BM_LookupAndLayout(benchmark::State& state) {
    FakePlatform fake;
    ScopedProgramDir programDir(KELVARO_BIN_DIR);
    TFormHuangdao window;
    window.show();
    auto* year = window.findChild<QComboBox*>(QStringLiteral("SYear"));
    auto* month = window.findChild<QComboBox*>(QStringLiteral("SMonth"));
    auto* day = window.findChild<QComboBox*>(QStringLiteral("Sday"));
    auto* run = window.findChild<QPushButton*>(QStringLiteral("RzBitBtn1"));
    auto* summary = window.findChild<QLabel*>(QStringLiteral("Label1"));
    int step = 0;
    for (auto _ : state) {
        const QDate date = DayOf(step++);
        year->setEditText(QString::number(date.year()));
        month->setEditText(QString::number(date.month()));
        day->setEditText(QString::number(date.day()));
        run->click();
        state.PauseTiming();
        const QString key = QStringLiteral("%1-%2-%3").arg(date.year()).arg(date.month()).arg(date.day());
        if (!summary->text().startsWith(key + QStringLiteral("  农历")) || !fake.errors.isEmpty()) {
            state.SkipWithError("the day's row was not shown");
            break;
        }
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookupAndLayout)->Unit(benchmark::kMicrosecond);

// "查询" in the main window: the check, a new window built, shown and filled, then closed.
void BM_OpenAlmanacWindow(benchmark::State& state) {
    FakePlatform fake;
    ScopedProgramDir programDir(KELVARO_BIN_DIR);
    int step = 0;
    for (auto _ : state) {
        const QDate date = DayOf(step++);
        TFormHuangdao* window = OpenAlmanacFor(QString::number(date.year()), QString::number(date.month()),
                                               QString::number(date.day()), nullptr);
        state.PauseTiming();
        const bool shown = window && !window->findChild<QLabel*>(QStringLiteral("Label1"))->text().isEmpty();
        delete window;
        if (!shown || !fake.errors.isEmpty()) {
            state.SkipWithError("the window showed no entry");
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenAlmanacWindow)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
