#pragma once
// Writes a 16-bit PCM WAV file with the 46-byte header (an 18-byte format chunk) that the mood
// detector's reader expects. The file is truncated when opened, so nothing of an earlier, longer
// file survives behind the new samples; the header goes in last, once the size is known.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace soundkit {

class WavWriter {
public:
    static constexpr std::size_t kHeaderSize = 46;
    // RIFF sizes are 32-bit: a larger file could not describe itself.
    static constexpr std::uint64_t kMaxFileSize = 0xFFFFFFFFull;

    explicit WavWriter(std::uint64_t maxFileSize = kMaxFileSize);
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    // Creates or truncates `path` and reserves room for the header. A symbolic link is not
    // followed: the output is always the named file itself.
    bool open(const std::string& path);
    bool isOpen() const { return m_fd >= 0; }
    // Appends samples; false on a write error or when the file would grow past its limit.
    bool write(const std::uint8_t* data, std::size_t size);
    // Flushes and writes the header for `channels` x 16-bit samples at `sampleRate`; closes.
    bool finish(int sampleRate, int channels);

    // The 46 header bytes for a file of `fileSize` bytes.
    static std::string header(std::uint64_t fileSize, int sampleRate, int channels);

private:
    bool flush();
    bool writeAll(const std::uint8_t* data, std::size_t size);
    void close();

    int m_fd = -1;
    std::uint64_t m_maxFileSize;
    std::uint64_t m_size = 0;  // bytes in the file, header room included
    std::vector<std::uint8_t> m_buffer;
};

}  // namespace soundkit
