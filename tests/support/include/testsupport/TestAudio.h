#pragma once
// Test audio generated at test time with the ffmpeg command and cached by name in the build
// folder ($HARBROOK_TEST_CACHE), so each file is made once per build tree.
#include <string>

namespace testsupport {

// The cache folder, created on demand.
std::string testCacheDir();

// Returns the path of `name` in the cache, running `ffmpeg -y <ffmpegArgs> <tmp>` first when it
// does not exist yet (written to a temporary name, then renamed, so parallel tests never see a
// half-made file). `ffmpegArgs` is inserted into a shell command line as it stands. Fails the
// calling test (ADD_FAILURE is not available here, so it returns "") when ffmpeg fails.
std::string ffmpegFile(const std::string& name, const std::string& ffmpegArgs);

// A tone of `seconds` at `rate` Hz with `channels`, encoded by `codec` ("libmp3lame", "wmav2",
// "wmav1", "pcm_s16le") at `bitRate` bit/s (0: codec default). The extension of `name` chooses
// the container. Extra ffmpeg output options (tags, ...) go in `extra`.
std::string toneFile(const std::string& name, int rate, int channels, const std::string& codec,
                     int bitRate, double seconds, const std::string& extra = "");

// Writes `bytes` to `name` in the cache (always rewritten) and returns the path.
std::string writeCacheFile(const std::string& name, const std::string& bytes);

// Quotes a string for a POSIX shell.
std::string shellQuote(const std::string& s);

}  // namespace testsupport
