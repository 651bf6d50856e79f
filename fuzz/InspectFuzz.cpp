// harbrook-cli inspect dumps whatever file it is given: any bytes must be dumped as one of the
// unit's music files or an edit data file, or refused, with exit status 0 or 1 and no access
// outside the file. The dump itself is discarded.
#include "support/MemoryFile.h"

#include <Command.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const cli::Command& inspectCommand() {
    static const cli::Command* command = [] {
        for (const auto& c : cli::commands())
            if (std::strcmp(c.name, "inspect") == 0) return &c;
        std::abort();
    }();
    return *command;
}

// The command prints through stdout and stderr; for one run both go to /dev/null. Only the C
// streams are swapped: the sanitizers and libFuzzer keep reporting on the real descriptors.
class QuietStreams {
public:
    QuietStreams() : m_out(stdout), m_err(stderr) { stdout = stderr = sink(); }
    ~QuietStreams() {
        std::fflush(sink());
        stdout = m_out;
        stderr = m_err;
    }

private:
    static std::FILE* sink() {
        static std::FILE* const devNull = std::fopen("/dev/null", "w");
        if (!devNull) std::abort();
        return devNull;
    }
    std::FILE* m_out;
    std::FILE* m_err;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> args{fuzzsupport::memoryFile(data, size)};
    int status;
    {
        QuietStreams quiet;
        status = inspectCommand().run(args);
    }
    if (status != cli::kExitOk && status != cli::kExitFailed) std::abort();
    return 0;
}
