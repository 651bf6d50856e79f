// Stand-in driver for builds without libFuzzer: feeds files given on the command line, then a
// fixed number of seeded pseudo-random inputs (random bytes and mutations of the files), so the
// fuzz targets run in every test build.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    int runs = 1000;
    std::vector<std::string> seeds;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--runs=", 7) == 0) {
            runs = std::atoi(argv[i] + 7);
        } else {
            std::ifstream in(argv[i], std::ios::binary);
            std::stringstream s;
            s << in.rdbuf();
            seeds.push_back(s.str());
        }
    }
    for (const auto& seed : seeds)
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(seed.data()), seed.size());
    std::mt19937 engine(12345);
    for (int r = 0; r < runs; ++r) {
        std::string input;
        if (!seeds.empty() && r % 2 == 0) {
            input = seeds[engine() % seeds.size()];
            for (int m = 0, n = 1 + engine() % 8; m < n && !input.empty(); ++m)
                input[engine() % input.size()] = static_cast<char>(engine());
            if (engine() % 4 == 0) input.resize(engine() % (input.size() + 1));
        } else {
            input.resize(engine() % 4096);
            for (auto& c : input) c = static_cast<char>(engine());
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    }
    std::printf("%d inputs replayed\n", runs + static_cast<int>(seeds.size()));
    return 0;
}
