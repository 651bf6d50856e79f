#include "SoundkitFiles.h"

#include <testsupport/ScratchDir.h>
#include <testsupport/TestAudio.h>

#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;
using testsupport::readFile;
using testsupport::toneFile;
using testsupport::writeCacheFile;

namespace soundkit_test {
namespace {

const std::string kAudioMedia("\x40\x9E\x69\xF8\x4D\x5B\xCF\x11\xA8\xFD\x00\x80\x5F\x5C\x44\x2B", 16);
const std::string kContentEncryption("\xFB\xB3\x11\x22\x23\xBD\xD2\x11\xB4\xB7\x00\xA0\xC9\x55\xFC\x6E", 16);
constexpr std::size_t kWaveFormatInStreamProperties = 54;  // after the audio media GUID

std::string le(std::uint64_t value, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>(value >> (8 * i));
    return s;
}

std::uint64_t readLe(const std::string& s, std::size_t offset, int bytes) {
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= std::uint64_t(static_cast<unsigned char>(s[offset + i])) << (8 * i);
    return v;
}

std::string bitRateName(int bitRate) { return std::to_string(bitRate); }

}  // namespace

std::string mp3(int rate, int channels, int bitRate, const std::string& extra, double seconds) {
    std::string name = "sk_" + std::to_string(rate) + "_" + std::to_string(channels) + "_" +
                       bitRateName(bitRate) + "_" + std::to_string(static_cast<int>(seconds * 10)) +
                       (extra.empty() ? "" : "_" + std::to_string(std::hash<std::string>{}(extra))) + ".mp3";
    return toneFile(name, rate, channels, "libmp3lame", bitRate, seconds, extra);
}

std::string wma(const std::string& codec, int rate, int channels, int bitRate,
                const std::string& extra, double seconds) {
    std::string name = "sk_" + codec + "_" + std::to_string(rate) + "_" + std::to_string(channels) +
                       "_" + bitRateName(bitRate) + "_" + std::to_string(static_cast<int>(seconds * 10)) +
                       (extra.empty() ? "" : "_" + std::to_string(std::hash<std::string>{}(extra))) + ".wma";
    return toneFile(name, rate, channels, codec, bitRate, seconds, extra);
}

std::string patchWaveFormat(const std::string& source, const std::string& name, int offset,
                            std::uint32_t value) {
    std::string bytes = readFile(source);
    std::size_t at = bytes.find(kAudioMedia);
    if (at == std::string::npos) throw std::runtime_error("no ASF audio stream in " + source);
    int width = offset == 4 || offset == 8 ? 4 : 2;
    bytes.replace(at + kWaveFormatInStreamProperties + static_cast<std::size_t>(offset),
                  static_cast<std::size_t>(width), le(value, width));
    return writeCacheFile(name, bytes);
}

std::string withContentEncryption(const std::string& source, const std::string& name) {
    // Secret data, protection type, key id and license URL, all empty.
    return withHeaderObject(source, name, kContentEncryption,
                            le(0, 4) + le(0, 4) + le(0, 4) + le(0, 4));
}

std::string withHeaderObject(const std::string& source, const std::string& name,
                             const std::string& guid, const std::string& body) {
    std::string bytes = readFile(source);
    std::string object = guid + le(24 + body.size(), 8) + body;
    bytes.replace(16, 8, le(readLe(bytes, 16, 8) + object.size(), 8));
    bytes.replace(24, 4, le(readLe(bytes, 24, 4) + 1, 4));
    bytes.insert(30, object);
    return writeCacheFile(name, bytes);
}

std::string extended(const std::string& source, const std::string& name, std::uint64_t size) {
    std::string target = copyAs(source, name);
    fs::resize_file(target, size);
    return target;
}

std::string copyAs(const std::string& source, const std::string& name) {
    return writeCacheFile(name, readFile(source));
}

std::string taggedMp3(const std::string& name, const std::string& prefix, const std::string& suffix) {
    std::string audio = readFile(mp3(44100, 2, 128000, "-write_xing 0 -id3v2_version 0"));
    return writeCacheFile(name, prefix + audio + suffix);
}

}  // namespace soundkit_test
