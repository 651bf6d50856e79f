// Feeds arbitrary bytes to the format check and the track information, once named .mp3 and
// once named .wma, so both the MPEG and the ASF paths (and our own ASF/ID3 readers) see them.
#include <soundkit/Soundkit.h>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const std::string& scratchFolder() {
    static const std::string folder = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/soundkit-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data())) std::abort();
        std::atexit([] {
            for (const char* name : {"/input.mp3", "/input.wma"}) std::remove((scratchFolder() + name).c_str());
            ::rmdir(scratchFolder().c_str());
        });
        return pattern;
    }();
    return folder;
}

void exercise(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
    CSoundkit kit;
    int code = kit.CheckFormat(path.c_str());
    if (code < 0 || code > 9) std::abort();
    AVT_Tk_DetailInfo detail{};
    unsigned short track = 0;
    std::uint32_t fileSize = 0;
    if (kit.GetInfo(path.c_str(), &detail, &track, &fileSize) == 1) {
        // Whatever the tags held, the text fields stay terminated.
        if (detail.title[sizeof detail.title - 1] != 0 || detail.artist[sizeof detail.artist - 1] != 0)
            std::abort();
        if (detail.seconds >= 60) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    exercise(scratchFolder() + "/input.mp3", data, size);
    exercise(scratchFolder() + "/input.wma", data, size);
    return 0;
}
