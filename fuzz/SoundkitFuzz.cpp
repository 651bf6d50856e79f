// Feeds arbitrary bytes to the format check and the track information, once named .mp3 and
// once named .wma, so both the MPEG and the ASF paths (and our own ASF/ID3 readers) see them.
#include <soundkit/Soundkit.h>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A private temporary folder for the two input files, removed at exit.
class ScratchFolder {
public:
    ScratchFolder() {
        const char* tmp = std::getenv("TMPDIR");
        m_path = std::string(tmp && *tmp ? tmp : "/tmp") + "/soundkit-fuzz-XXXXXX";
        if (!::mkdtemp(m_path.data())) std::abort();
    }
    ~ScratchFolder() {
        std::remove(file("input.mp3").c_str());
        std::remove(file("input.wma").c_str());
        std::remove(file("decoded.wav").c_str());
        ::rmdir(m_path.c_str());
    }
    std::string file(const char* name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

const ScratchFolder& scratchFolder() {
    static const ScratchFolder folder;
    return folder;
}

void exercise(const std::string& path, const std::uint8_t* data, std::size_t size) {
    // A fresh file each time: rewriting a truncated file makes ext4 flush it on close.
    std::remove(path.c_str());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
    CSoundkit kit;
    int code = kit.CheckFormat(path.c_str());
    if (code < 0 || code > 9) std::abort();
    // A playable file has audio: it decodes to at least one sample.
    const std::string wav = scratchFolder().file("decoded.wav");
    if (code == SK_CHECK_OK && (kit.DecodeRun(path.c_str(), wav.c_str()) != 1 ||
                                ::access(wav.c_str(), F_OK) != 0))
        std::abort();
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
    exercise(scratchFolder().file("input.mp3"), data, size);
    exercise(scratchFolder().file("input.wma"), data, size);
    return 0;
}
