// Edit data files come from the user's disk: any bytes must either load into a store that keeps
// its limits or be refused, and the loaded store must survive edits and unit file writes.
#include "NonRegularInputs.h"
#include "support/MemoryFile.h"

#include <songbase/Songbase.h>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

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

// Random bytes almost never hold plausible counts; half of the inputs whose playlist count does
// not fit their length get small playlist and track counts written into them, so the loaded
// records themselves are fuzzed too. Inputs that fit (real edit data files) are left alone.
std::vector<std::uint8_t> shaped(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> file(data, data + size);
    if (size < 81 || (data[0] & 1) == 0) return file;
    if (80 + (data[34] | data[35] << 8) * sizeof(Songbase_ListRecord) <= size) return file;
    const auto lists = static_cast<std::uint16_t>(data[1] % 3);
    file[34] = static_cast<std::uint8_t>(lists);
    file[35] = 0;
    std::size_t pos = 80;
    for (int i = 0; i < lists && pos + 344 <= size; ++i) {
        const auto tracks = static_cast<std::uint8_t>(data[2 + i] % 4);
        file[pos + 8] = tracks;
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
    const std::vector<std::uint8_t> bytes = shaped(data, size);
    const std::string input = fuzzsupport::memoryFile(bytes.data(), bytes.size());
    if (CSongbase::ReadEditData(input.c_str())) {
        check(size >= 80);
        exercise();
    } else {
        check(CSongbase::GetPlayListCount() == 0);
    }
    CSongbase::Release();
    return 0;
}
