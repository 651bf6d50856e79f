// fuzz_seeds ROOT: writes the seed corpus of every fuzz target into ROOT/<target>/. Music files
// are made with the ffmpeg command and cached like test audio ($HARBROOK_TEST_CACHE). Inputs that
// once crashed a reader (fuzz/regressions/<target>/) join their target's seeds.
#include "Seeds.h"

#include <cstdio>
#include <exception>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

void addRegressions(const fs::path& root) {
    const fs::path regressions = HARBROOK_FUZZ_REGRESSIONS;
    if (!fs::is_directory(regressions)) return;
    for (const auto& target : fs::directory_iterator(regressions)) {
        if (!target.is_directory()) continue;
        fs::create_directories(root / target.path().filename());
        for (const auto& input : fs::directory_iterator(target.path()))
            fs::copy_file(input.path(),
                          root / target.path().filename() /
                              ("regression-" + input.path().filename().string()),
                          fs::copy_options::overwrite_existing);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds ROOT\n");
        return 2;
    }
    const std::string root = argv[1];
    try {
        fuzzseeds::writeSoundkitSeeds(root);
        fuzzseeds::writeWaveSourceSeeds(root);
        fuzzseeds::writeEditDataSeeds(root);
        fuzzseeds::writeInspectSeeds(root);
        fuzzseeds::writeMydbSeeds(root);
        fuzzseeds::writePointSeeds(root);
        fuzzseeds::writeTextaidSeeds(root);
        fuzzseeds::writeTagCharsetSeeds(root);
        addRegressions(root);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fuzz_seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}
