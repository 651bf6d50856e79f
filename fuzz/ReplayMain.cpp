// Stand-in driver for builds without libFuzzer: feeds the seed files given on the command line
// (files, or folders of files), then a fixed number of seeded pseudo-random inputs: mostly
// mutations of the seeds, some plain random bytes, so the fuzz targets run in every test build.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The files named, folders expanded to their regular files in name order.
void addSeeds(const std::filesystem::path& path, std::vector<std::string>& seeds) {
    if (!std::filesystem::exists(path)) {
        std::fprintf(stderr, "no seed file or folder %s\n", path.c_str());
        std::exit(2);
    }
    if (!std::filesystem::is_directory(path)) {
        seeds.push_back(readFile(path));
        return;
    }
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(path))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) seeds.push_back(readFile(file));
}

// A few of libFuzzer's mutations: overwrite bytes, insert a copy of a span, erase a span,
// cut the tail, splice in a span of another seed.
class Mutator {
public:
    explicit Mutator(const std::vector<std::string>& seeds) : m_seeds(seeds) {}

    std::string mutate() {
        std::string input = m_seeds[pick(m_seeds.size())];
        for (int m = 0, n = 1 + static_cast<int>(pick(4)); m < n && !input.empty(); ++m) {
            switch (pick(5)) {
                case 0:
                    overwrite(input);
                    break;
                case 1:
                    input.insert(pick(input.size() + 1), span(input));
                    break;
                case 2:
                    input.erase(pick(input.size()), 1 + pick(16));
                    break;
                case 3:
                    input.resize(pick(input.size() + 1));
                    break;
                default:
                    input.insert(pick(input.size() + 1), span(m_seeds[pick(m_seeds.size())]));
                    break;
            }
        }
        return input;
    }

    std::string random() {
        std::string input(pick(4096), '\0');
        for (auto& c : input) c = static_cast<char>(m_engine());
        return input;
    }

    std::size_t pick(std::size_t bound) { return bound == 0 ? 0 : m_engine() % bound; }

private:
    void overwrite(std::string& input) {
        for (int i = 0, n = 1 + static_cast<int>(pick(8)); i < n; ++i)
            input[pick(input.size())] = static_cast<char>(m_engine());
    }
    std::string span(const std::string& from) {
        const std::size_t start = pick(from.size());
        return from.substr(start, 1 + pick(64));
    }

    const std::vector<std::string>& m_seeds;
    std::mt19937 m_engine{12345};
};

// The input being run, saved to "replay-crash.bin" in the current folder when the target dies
// on a signal, so that a failure can be replayed and kept as a regression input.
const std::string* g_current = nullptr;

extern "C" void saveCurrentInput(int signal) {
    const int fd = ::open("replay-crash.bin", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0 && g_current) {
        [[maybe_unused]] ssize_t n = ::write(fd, g_current->data(), g_current->size());
        ::close(fd);
        const char note[] = "fuzz replay: the failing input is in replay-crash.bin\n";
        n = ::write(STDERR_FILENO, note, sizeof note - 1);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void run(const std::string& input) {
    g_current = &input;
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    g_current = nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 1000;
    std::vector<std::string> seeds;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--runs=", 7) == 0)
            runs = std::atoi(argv[i] + 7);
        else
            addSeeds(argv[i], seeds);
    }
    for (int signal : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP})
        std::signal(signal, saveCurrentInput);
    for (const auto& seed : seeds) run(seed);
    Mutator mutator(seeds);
    for (int r = 0; r < runs; ++r)
        run(!seeds.empty() && r % 4 != 3 ? mutator.mutate() : mutator.random());
    std::printf("%zu seeds and %d inputs replayed\n", seeds.size(), runs);
    return 0;
}
