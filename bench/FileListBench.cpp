// The PC file list: from choosing a folder of 10 000 music files to the list's first paint with
// rows (limit 150 ms), and the folder read alone. The folder is made once in a temporary place.
#include <ui/PcFilePane.h>
#include <ui/ShellFolders.h>
#include <ui/SkinList.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr int kFiles = 10000;

const QString& bigFolder() {
    static QTemporaryDir work;
    static const QString folder = [] {
        const QString path = work.filePath(QStringLiteral("big"));
        QDir().mkpath(path);
        QDir().mkpath(work.filePath(QStringLiteral("empty")));
        for (int i = 0; i < kFiles; ++i) {
            const char* extension = i % 4 == 0 ? "wma" : "mp3";
            QFile file(QStringLiteral("%1/トラック %2 Harbour Lights.%3")
                           .arg(path)
                           .arg((i * 7919) % kFiles, 5, 10, QLatin1Char('0'))
                           .arg(QLatin1String(extension)));
            if (!file.open(QIODevice::WriteOnly) || !file.resize(1000000 + i * 397)) std::abort();
        }
        return path;
    }();
    return folder;
}

QString emptyFolder() {
    return QFileInfo(bigFolder()).path() + QStringLiteral("/empty");
}

// Notes the first paint of a list's viewport that has rows to show.
class PaintWatch : public QObject {
public:
    PaintWatch(QAbstractItemView* list) : m_list(list) {
        list->viewport()->installEventFilter(this);
    }
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_list->model()->rowCount() > 0) painted = true;
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractItemView* m_list;
};

void showAndWait(CPcFilePane& pane, const QString& folder) {
    bool filled = false;
    const auto connection =
        QObject::connect(pane.Files(), &FileListModel::filled, [&filled] { filled = true; });
    pane.ShowFolder(folder);
    while (!filled) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QObject::disconnect(connection);
}

void BM_FileListFirstPaint(benchmark::State& state) {
    float split = 0.3f;
    std::vector<std::uint32_t> widths{210, 105, 170, 95};
    std::string saved;
    CPcFilePane pane(split, widths, saved);
    pane.resize(900, 600);
    pane.show();
    PaintWatch watch(pane.FileList());
    for (auto _ : state) {
        showAndWait(pane, emptyFolder());
        QApplication::processEvents();
        watch.painted = false;
        QElapsedTimer timer;
        timer.start();
        pane.ShowFolder(bigFolder());
        while (!watch.painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
    state.counters["rows"] = pane.Files()->rowCount();
}

void BM_EnumFiles(benchmark::State& state) {
    const QString folder = bigFolder();
    std::vector<ShellItem> items;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            CShellFolders().EnumFiles(folder, items, static_cast<int>(state.range(0))));
    }
    state.counters["rows"] = static_cast<double>(items.size());
}

BENCHMARK(BM_FileListFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnumFiles)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    bigFolder();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
