#include <testsupport/TestAudio.h>

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace testsupport {

std::string testCacheDir() {
    const char* env = std::getenv("HARBROOK_TEST_CACHE");
    std::string dir = env && *env ? env : HARBROOK_DEFAULT_TEST_CACHE;
    std::error_code ec;
    fs::create_directories(dir, ec);
    return dir;
}

std::string shellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

std::string ffmpegFile(const std::string& name, const std::string& ffmpegArgs) {
    fs::path target = fs::path(testCacheDir()) / name;
    if (fs::exists(target)) return target.string();
    fs::path tmp = target;
    tmp.replace_filename(".tmp-" + std::to_string(::getpid()) + "-" + target.filename().string());
    std::string cmd = "ffmpeg -hide_banner -loglevel error -nostdin -y " + ffmpegArgs + " " +
                      shellQuote(tmp.string());
    if (std::system(cmd.c_str()) != 0) {
        std::fprintf(stderr, "test audio: command failed: %s\n", cmd.c_str());
        fs::remove(tmp);
        return {};
    }
    // Another test process may have made the same file meanwhile and be reading it: never
    // replace it (a new file under the old name looks like a source changed after its check).
    const bool placed = ::link(tmp.c_str(), target.c_str()) == 0 || errno == EEXIST;
    fs::remove(tmp);
    return placed ? target.string() : std::string();
}

std::string toneFile(const std::string& name, int rate, int channels, const std::string& codec,
                     int bitRate, double seconds, const std::string& extra) {
    std::ostringstream args;
    args << "-f lavfi -i " << shellQuote("sine=frequency=440:sample_rate=" + std::to_string(rate) +
                                         ":duration=" + std::to_string(seconds))
         << " -ac " << channels << " -ar " << rate << " -c:a " << codec;
    if (bitRate > 0) args << " -b:a " << bitRate;
    args << " -map_metadata -1 " << extra;
    return ffmpegFile(name, args.str());
}

std::string writeCacheFile(const std::string& name, const std::string& bytes) {
    fs::path target = fs::path(testCacheDir()) / name;
    fs::create_directories(target.parent_path());
    std::ofstream(target, std::ios::binary | std::ios::trunc).write(bytes.data(),
                                                                    static_cast<std::streamsize>(bytes.size()));
    return target.string();
}

}  // namespace testsupport
