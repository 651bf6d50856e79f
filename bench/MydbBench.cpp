// myDB store: load, check and save of a full 10000-row file. The file is the one named by
// HARBROOK_MYDB_BENCH_FILE (bench/mydb.sh passes the file it also converts with iconv), or a
// generated one. `MydbBench --write-sample FILE` writes the generated file and exits.
#include "MydbSample.h"

#include <mydb/MyDbData.h>

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const std::string& benchFolder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/harbrook-mydb-bench-XXXXXX";
        return std::string(::mkdtemp(pattern) ? pattern : "/tmp");
    }();
    return folder;
}

const std::string& inputFile() {
    static const std::string path = [] {
        if (const char* given = std::getenv("HARBROOK_MYDB_BENCH_FILE")) return std::string(given);
        std::string generated = benchFolder() + "/MYDB.txt";
        benchsample::writeBytes(generated, benchsample::myDbFile());
        return generated;
    }();
    return path;
}

void fail(benchmark::State& state, const CMyDbData& store) {
    state.SkipWithError(("result code " + std::to_string(store.ResultCode())).c_str());
}

void BM_MydbLoad(benchmark::State& state) {
    CMyDbData store;
    for (auto _ : state) {
        if (!store.Load(inputFile())) return fail(state, store);
    }
    state.counters["rows"] = store.GetRowCount();
}

void BM_MydbCheck(benchmark::State& state) {
    CMyDbData store;
    if (!store.Load(inputFile())) return fail(state, store);
    for (auto _ : state) benchmark::DoNotOptimize(store.Check());
}

void BM_MydbSave(benchmark::State& state) {
    CMyDbData store;
    if (!store.Load(inputFile())) return fail(state, store);
    const std::string out = benchFolder() + "/saved.txt";
    for (auto _ : state) {
        if (!store.Save(out)) return fail(state, store);
    }
}

// What the ratio against iconv is taken from: the whole open-check-save round.
void BM_MydbLoadCheckSave(benchmark::State& state) {
    const std::string out = benchFolder() + "/saved.txt";
    for (auto _ : state) {
        CMyDbData store;
        if (!store.Load(inputFile())) return fail(state, store);
        benchmark::DoNotOptimize(store.Check());
        if (!store.Save(out)) return fail(state, store);
    }
}

BENCHMARK(BM_MydbLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MydbCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MydbSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MydbLoadCheckSave)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-sample") == 0)
        return benchsample::writeBytes(argv[2], benchsample::myDbFile()) ? 0 : 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove((benchFolder() + "/saved.txt").c_str());
    std::remove((benchFolder() + "/MYDB.txt").c_str());
    ::rmdir(benchFolder().c_str());
    return 0;
}
