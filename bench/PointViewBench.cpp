// The point view's UPDATE with 200 points (limit 50 ms): the rows rebuilt from the store and the
// list repainted: the first fill of an empty list, after the row list was emptied (refresh, fetch),
// after every point changed, and with nothing changed.
#include <points/view/PointListModel.h>
#include <points/view/PointView.h>

#include <points/CPointData.h>
#include <points/PointEntry.h>

#include <platform/Cp932.h>
#include <shell/gui/AppData.h>
#include <ui/SkinList.h>

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int kPoints = 200;

// Gives every point a name, reading and telephone number of full length; `round` varies them.
void writePoints(points::CPointData& store, int round) {
    const std::string name = platform::utf8ToCp932("東京タワー展望台第").value();
    const std::string reading = platform::utf8ToCp932("とうきょうたわーてんぼうだい").value();
    for (int i = 0; i < kPoints; ++i) {
        int slot = points::kFirstUserSlot + i;
        auto entry = std::make_unique<points::PointEntry>();
        store.GetPoint(slot, entry.get());
        std::snprintf(entry->name, sizeof entry->name, "%s%d-%d", name.c_str(), i, round);
        std::snprintf(entry->reading, sizeof entry->reading, "%s", reading.c_str());
        std::snprintf(entry->telephone, sizeof entry->telephone, "03-%04d-%04d", i, round);
        entry->group = static_cast<std::int16_t>(i % 11);
        store.PutPoint(slot, entry.get());
        // A third of the points came from the unit, a third from a PC file.
        store.SetPointState(slot, 1 + i % 3);
    }
}

// One UPDATE and the repaint it asks for, timed.
template <class Prepare>
void timeUpdates(benchmark::State& state, Prepare prepare) {
    CAppData app;
    app.m_Settings.view = 2;
    writePoints(app.m_PointData, 0);
    CPointView view(app);
    view.resize(900, 700);
    view.show();
    view.onCommand(32791);
    QApplication::processEvents();
    int round = 0;
    for (auto _ : state) {
        prepare(app, view, ++round);
        QElapsedTimer timer;
        timer.start();
        view.onCommand(32791);
        view.List()->viewport()->repaint();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
    state.counters["rows"] = view.Model().rowCount();
}

void BM_UpdateFirstFill(benchmark::State& state) {
    CAppData app;
    app.m_Settings.view = 2;
    writePoints(app.m_PointData, 0);
    for (auto _ : state) {
        CPointView view(app);  // an empty list, as at start-up
        view.resize(900, 700);
        view.show();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        view.onCommand(32791);
        view.List()->viewport()->repaint();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
}

void BM_UpdateAfterRefresh(benchmark::State& state) {
    // The row list is emptied (refresh, fetch) and rebuilt in the store's order.
    timeUpdates(state, [](CAppData&, CPointView& view, int) { view.Model().ClearRows(); });
}

void BM_UpdateAllChanged(benchmark::State& state) {
    timeUpdates(state,
                [](CAppData& app, CPointView&, int round) { writePoints(app.m_PointData, round); });
}

void BM_UpdateNothingChanged(benchmark::State& state) {
    timeUpdates(state, [](CAppData&, CPointView&, int) {});
}

BENCHMARK(BM_UpdateFirstFill)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateAfterRefresh)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateAllChanged)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateNothingChanged)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qapp(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
