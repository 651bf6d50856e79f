// The removable-media copier moving a folder of files, driven Step() by Step() as the transfer
// command drives it. The folder comes from $HARBROOK_COPIER_SRC (plain files, not recursive) and
// goes to $HARBROOK_COPIER_DST; without them a 64 MiB set is made in the temporary folder.
// bench/copier.sh runs this against `cp` on the same disk.
#include <transfer/TransferData.h>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class FolderCopy : public CTransferData {
public:
    FolderCopy() { SetCompletionPause(std::chrono::milliseconds(0)); }
    bool Load(const std::string&) override { return true; }
    bool Save(const std::string&) override { return true; }

    bool CopyToMedia(const std::string& sourceFolder, const std::string& destFolder,
                     platform::MessageTarget* progress, platform::Event* cancel) override {
        ClearCopyLists();
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(sourceFolder)) {
            if (entry.is_regular_file()) files.push_back(entry.path());
        }
        for (const fs::path& file : files) {
            m_SourcePaths.push_back(file.string());
            m_DestPaths.push_back((fs::path(destFolder) / file.filename()).string());
        }
        return CTransferData::CopyToMedia(sourceFolder, destFolder, progress, cancel);
    }
};

// Swallows the progress messages, as a progress window would take them.
class CountingTarget : public platform::MessageTarget {
public:
    void post(unsigned, platform::WParam, platform::LParam) override { ++count; }
    platform::LParam send(unsigned, platform::WParam, platform::LParam) override {
        ++count;
        return 0;
    }
    long count = 0;
};

std::string envOr(const char* name, std::string (*fallback)()) {
    const char* value = std::getenv(name);
    return value && *value ? std::string(value) : fallback();
}

fs::path defaultSource() {
    fs::path folder = fs::temp_directory_path() / "harbrook-copier-bench-src";
    if (fs::exists(folder)) return folder;
    fs::create_directories(folder);
    std::string chunk(1 << 20, '\0');
    for (std::size_t i = 0; i < chunk.size(); ++i) chunk[i] = static_cast<char>(i * 2654435761u >> 24);
    for (int f = 0; f < 16; ++f) {
        std::ofstream out(folder / ("TRACK" + std::to_string(f) + ".PPD"), std::ios::binary);
        for (int mb = 0; mb < 4; ++mb) out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    }
    return folder;
}

void BM_CopierFolder(benchmark::State& state) {
    const std::string source = envOr("HARBROOK_COPIER_SRC", [] { return defaultSource().string(); });
    const std::string dest = envOr("HARBROOK_COPIER_DST", [] {
        return (fs::temp_directory_path() / "harbrook-copier-bench-dst").string();
    });
    std::uint64_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(dest);
        fs::create_directories(dest);
        state.ResumeTiming();
        FolderCopy copy;
        CountingTarget target;
        if (!copy.CopyToMedia(source, dest, &target, nullptr)) {
            state.SkipWithError("CopyToMedia failed");
            return;
        }
        while (copy.Step()) {
        }
        if (!copy.Succeeded()) {
            state.SkipWithError("copy failed");
            return;
        }
        for (const auto& entry : fs::directory_iterator(dest)) bytes += entry.file_size();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

}  // namespace

BENCHMARK(BM_CopierFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

BENCHMARK_MAIN();
