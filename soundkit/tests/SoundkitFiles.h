#pragma once
// Music files for the Soundkit tests, made with ffmpeg on first use and cached in the build
// folder. Variants the encoders cannot produce (other format tags, channel counts, DRM, huge
// sizes, hand-written ID3 tags) are derived from real files by patching their bytes.
#include <testsupport/Id3Bytes.h>

#include <cstdint>
#include <string>

namespace soundkit_test {

// A 1-second tone; `extra` adds ffmpeg output options (tags, ...).
std::string mp3(int rate, int channels, int bitRate, const std::string& extra = "",
                double seconds = 1.0);
std::string wma(const std::string& codec, int rate, int channels, int bitRate,
                const std::string& extra = "", double seconds = 1.0);

// A copy of `source` named `name` in the cache whose ASF WAVEFORMATEX field at `offset`
// (0 format tag, 2 channels, 8 average bytes per second) holds `value`.
std::string patchWaveFormat(const std::string& source, const std::string& name, int offset,
                            std::uint32_t value);
// A copy of `source` with a Content Encryption Object added to its ASF header.
std::string withContentEncryption(const std::string& source, const std::string& name);
// A copy of `source` with an object (16-byte GUID as stored, then `body`) added at the start of
// its ASF header.
std::string withHeaderObject(const std::string& source, const std::string& name,
                             const std::string& guid, const std::string& body);
// A copy of `source` extended with zero bytes to `size` (sparse, so cheap on disk).
std::string extended(const std::string& source, const std::string& name, std::uint64_t size);
// A copy of `source` under another name.
std::string copyAs(const std::string& source, const std::string& name);

using testsupport::id3v1Tag;
using testsupport::id3v2Comment;
using testsupport::id3v2Frame;
using testsupport::id3v2Tag;

// `prefix` + the MPEG frames of an untagged MP3 + `suffix`, written to `name` in the cache.
std::string taggedMp3(const std::string& name, const std::string& prefix,
                      const std::string& suffix);

}  // namespace soundkit_test
