#pragma once
// A reader must refuse what is not a regular file instead of reading it: a FIFO without writer
// would hang it, /dev/zero would feed it without end. Run once per fuzz process, so a reader
// that forgets the check hangs or aborts the fuzzer at once.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fuzzsupport {

// `load(path)` returns true when it read the file; it must return false for every path here.
template <typename Load>
void requireNonRegularInputsRefused(const char* reader, Load load) {
    static bool done = false;
    if (done) return;
    done = true;
    const std::string fifo = (std::filesystem::temp_directory_path() /
                              ("harbrook-fuzz-fifo-" + std::to_string(::getpid())))
                                 .string();
    if (::mkfifo(fifo.c_str(), 0600) != 0) std::abort();
    const bool refused = !load(fifo) && !load(std::string("/dev/zero"));
    ::unlink(fifo.c_str());
    if (!refused) {
        std::fprintf(stderr, "%s read a FIFO or /dev/zero\n", reader);
        std::abort();
    }
}

}  // namespace fuzzsupport
