// The myDB view with a 10000-row file, painted on the offscreen platform at the main frame's
// usual size: opening the file until the grid's first paint (target under 300 ms), UPDATE after
// one cell edit including the repaint (under 50 ms), and one scroll step with its repaint (a
// frame: under 16 ms).
#include "MydbSample.h"

#include <mydb/view/MyDbTableModel.h>
#include <mydb/view/MyDbView.h>
#include <shell/CommandIds.h>
#include <shell/gui/AppData.h>
#include <shell/gui/FileDialog.h>
#include <ui/SkinContext.h>
#include <ui/SkinList.h>

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

namespace {

std::string g_file;
std::unique_ptr<CMyDbView> g_view;

void paintNow() {
    QCoreApplication::sendPostedEvents();  // the grid lays its items out on the next turn
    g_view->Grid()->viewport()->repaint();
}

void BM_OpenToFirstPaint(benchmark::State& state) {
    CFileDialog::SetChooser([](QWidget*, int, int, const QString&, QString& path) {
        path = QString::fromStdString(g_file);
        return true;
    });
    for (auto _ : state) {
        g_view->onCommand(cmd::kFileOpen);
        paintNow();
    }
    state.counters["rows"] = theAppData().m_MyDbData.GetRowCount();
}

void BM_UpdateAfterCellEdit(benchmark::State& state) {
    CMyDbData& store = theAppData().m_MyDbData;
    MyDbRow row;
    int index = 0;
    for (auto _ : state) {
        store.GetRow(index, row);
        mydb::setField(row, MyDbField::No, index % 2 ? "12" : "34");
        store.ReplaceRow(index, row);
        g_view->onCommand(cmd::kUpdate);
        paintNow();
        index = (index + 997) % store.GetRowCount();
    }
}

void BM_ScrollFrame(benchmark::State& state) {
    QScrollBar* bar = g_view->Grid()->verticalScrollBar();
    bar->setValue(0);
    int step = 3;
    for (auto _ : state) {
        if (bar->value() + step > bar->maximum() || bar->value() + step < 0) step = -step;
        bar->setValue(bar->value() + step);
        paintNow();
    }
}

BENCHMARK(BM_OpenToFirstPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateAfterCellEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollFrame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ui::FixedEffectSettings quiet;
    quiet.sound = false;
    ui::SkinContext::SetSettings(&quiet);

    char folder[] = "/tmp/harbrook-mydbview-bench-XXXXXX";
    if (!::mkdtemp(folder)) return 1;
    g_file = std::string(folder) + "/MYDB.txt";
    if (!benchsample::writeBytes(g_file, benchsample::myDbFile())) return 1;

    g_view = std::make_unique<CMyDbView>(theAppData());
    g_view->resize(714, 437);  // the view container of a 720 x 540 main frame
    g_view->show();
    QApplication::processEvents();  // the window is exposed: repaints paint from now on
    paintNow();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_view.reset();
    std::remove(g_file.c_str());
    ::rmdir(folder);
    return 0;
}
