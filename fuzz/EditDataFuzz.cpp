// Edit data files come from the user's disk: any bytes must either load into a store that keeps
// its limits or be refused, and the loaded store must survive edits and unit file writes.
#include <songbase/Songbase.h>

#include "NonRegularInputs.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A private folder for the input and the unit files, removed at exit.
struct Scratch {
    Scratch() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "editdata-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        folder = pattern + "/";
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    std::string folder;
};

const std::string& scratch() {
    static const Scratch dir;
    return dir.folder;
}

// The input lives in memory (a memfd reached through /proc), which keeps the replay fast.
std::string inputPath(const std::string& bytes) {
    static const int fd = ::memfd_create("editdata", 0);
    if (fd < 0 || ::ftruncate(fd, 0) != 0 ||
        ::pwrite(fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size()))
        std::abort();
    return "/proc/self/fd/" + std::to_string(fd);
}

void check(bool condition) {
    if (!condition) __builtin_trap();
}

// Edits on whatever was loaded: the store must stay within its slots.
void exercise() {
    const int lists = CSongbase::GetPlayListCount();
    check(lists <= kMaxPlayLists);
    for (int i = 0; i < lists; ++i) check(CSongbase::GetTrackCount(i) <= kMaxTracksPerList);
    (void)CSongbase::GetMaxDecodeFileSize();
    (void)CSongbase::GetTransFileSize(nullptr);
    // Fresh unit files each time: rewriting a file in place makes ext4 flush it on close.
    std::filesystem::remove(scratch() + "AVMTR.PPD");
    std::filesystem::remove(scratch() + "PLINFO001.PPD");
    CSongbase::WriteAVMTR(scratch().c_str(), nullptr);
    if (lists > 0) {
        CSongbase::WritePLINFO(scratch().c_str(), 0, nullptr);
        CSongbase::SetTrackInfo(0, 0, nullptr);
        CSongbase::ChangeTrackOrder(0, 0, 1);
        CSongbase::ChangePlayListOrder(0, lists - 1);
        CSongbase::DestroyPlayList(0);
    }
    int index = 0;
    if (CSongbase::CreatePlayList(&index)) CSongbase::SetTrackInfo(index, 0, "");
}

// Random bytes almost never hold plausible counts; half of the inputs get small playlist and
// track counts written into them so the loaded records themselves are fuzzed too.
std::string shaped(const std::uint8_t* data, std::size_t size) {
    std::string file(reinterpret_cast<const char*>(data), size);
    if (size < 81 || (data[0] & 1) == 0) return file;
    const auto lists = static_cast<std::uint16_t>(data[1] % 3);
    file[34] = static_cast<char>(lists);
    file[35] = 0;
    std::size_t pos = 80;
    for (int i = 0; i < lists && pos + 344 <= size; ++i) {
        const auto tracks = static_cast<std::uint8_t>(data[2 + i] % 4);
        file[pos + 8] = static_cast<char>(tracks);
        file[pos + 9] = 0;
        pos += 344 + tracks * sizeof(Songbase_Track);
    }
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool initialised = (CSongbase::Initialize(), true);
    (void)initialised;
    fuzzsupport::requireNonRegularInputsRefused("edit data read", [](const std::string& path) {
        const bool read = CSongbase::ReadEditData(path.c_str());
        CSongbase::Release();
        return read;
    });
    const std::string input = inputPath(shaped(data, size));
    if (CSongbase::ReadEditData(input.c_str())) {
        check(size >= 80);
        exercise();
    } else {
        check(CSongbase::GetPlayListCount() == 0);
    }
    CSongbase::Release();
    return 0;
}
