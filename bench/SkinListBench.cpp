// The skinned list over a 10 000-row, 9-column model (the size of a full myDB grid): setting the
// model and painting the first page, and scrolling from top to bottom page by page with a
// synchronous repaint after every page. Reports the slowest repaint as max_ms (wall clock) and
// max_cpu_ms (the thread's own processor time, which other load on the machine barely changes).
#include <ui/SkinList.h>
#include <ui/SkinScrollBar.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace {

constexpr int kRows = 10000;
constexpr int kColumns = 9;

// Texts made on demand, as the views' models read them from their stores.
class GridModel : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kRows;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole) return QVariant();
        switch (index.column()) {
            case 0: return index.row() % 3 ? QStringLiteral("#Track") : QStringLiteral("#Playlist");
            case 1: return QString::number(index.row() % 99 + 1);
            case 2: return QStringLiteral("港の夜明け %1").arg(index.row());
            case 3: return QStringLiteral("みなとのよあけ");
            case 4: return QStringLiteral("Harbour Lights");
            case 5: return QStringLiteral("ロック/ポップス");
            case 6: return QStringLiteral("2024");
            case 7: return QStringLiteral("はーばーらいつ");
            default: return QStringLiteral("候補タイトル");
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
        return QStringLiteral("列 %1 ").arg(section);
    }
};

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// A list the size of the main window's view area, shown.
struct ShownList {
    ShownList() {
        list.resize(1000, 600);
        list.SetColumnWidths({100, 25, 150, 150, 75, 75, 50, 75, 100});
        list.setModel(&model);
        list.show();
        QApplication::processEvents();
    }
    GridModel model;
    CSkinList list;
};

void BM_ListSetModelAndFirstPaint(benchmark::State& state) {
    GridModel model;
    for (auto _ : state) {
        CSkinList list;
        list.resize(1000, 600);
        list.show();
        list.setModel(&model);
        list.viewport()->repaint();
    }
}
BENCHMARK(BM_ListSetModelAndFirstPaint)->Unit(benchmark::kMillisecond);

void BM_ListPageByPage(benchmark::State& state) {
    ShownList shown;
    CSkinScrollBar* bar = shown.list.VerticalBar();
    double slowest = 0;
    double slowestCpu = 0;
    double total = 0;
    double totalCpu = 0;
    int pages = 0;
    for (auto _ : state) {
        bar->setValue(0);
        shown.list.viewport()->repaint();
        while (bar->value() < bar->maximum()) {
            QElapsedTimer clock;
            clock.start();
            const double cpuStart = threadCpuMs();
            bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
            shown.list.viewport()->repaint();
            const double cpu = threadCpuMs() - cpuStart;
            const double ms = clock.nsecsElapsed() / 1e6;
            slowest = std::max(slowest, ms);
            slowestCpu = std::max(slowestCpu, cpu);
            total += ms;
            totalCpu += cpu;
            ++pages;
        }
    }
    state.counters["pages"] = pages / static_cast<double>(state.iterations());
    state.counters["max_ms"] = slowest;
    state.counters["mean_ms"] = total / std::max(1, pages);
    state.counters["max_cpu_ms"] = slowestCpu;
    state.counters["mean_cpu_ms"] = totalCpu / std::max(1, pages);
}
BENCHMARK(BM_ListPageByPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
