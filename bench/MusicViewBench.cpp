// The music view's UPDATE (limit 100 ms each): the panes refilled from a store of 999 playlists
// with the playlists shown, and with one playlist of 99 tracks shown; both panes repainted.
#include <music/view/MusicView.h>

#include <music/MusicData.h>
#include <platform/Cp932.h>
#include <shell/gui/AppData.h>
#include <songbase/Songbase.h>
#include <testsupport/TestAudio.h>
#include <ui/SkinList.h>
#include <ui/SkinTree.h>

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

// 999 playlists with Japanese titles; the first holds 99 copies of one tagged track.
void fillStore(CMusicData& doc) {
    const std::string title = platform::utf8ToCp932("港町ストーリー第").value();
    for (int list = 0; list < kMaxPlayLists; ++list)
        doc.NewPlayList((title + std::to_string(list + 1)).c_str());
    const std::string tone = testsupport::toneFile("bench_view.mp3", 44100, 2, "libmp3lame",
                                                   128000, 1, " -metadata title=海辺の朝");
    doc.AddFile(0, tone);
    Songbase_Track record{};
    doc.CopyOutTrack(0, 0, &record);
    for (int track = 1; track < kMaxTracksPerList; ++track) doc.InsertTrack(0, track, record);
}

void timeUpdate(benchmark::State& state, int shown) {
    CAppData app;
    fillStore(app.m_MusicData);
    CMusicView view(app);
    view.resize(1000, 700);
    view.show();
    view.onCommand(32791);
    view.ShowPlayList(shown);
    QApplication::processEvents();
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        view.onCommand(32791);
        view.PlayTree()->viewport()->repaint();
        view.TransferList()->viewport()->repaint();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
    state.counters["rows"] = view.TransferList()->model()->rowCount();
    app.m_MusicData.ClearAll();
}

void BM_Update999PlayLists(benchmark::State& state) {
    timeUpdate(state, -1);
}
BENCHMARK(BM_Update999PlayLists)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Update99TracksShown(benchmark::State& state) {
    timeUpdate(state, 0);
}
BENCHMARK(BM_Update99TracksShown)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
