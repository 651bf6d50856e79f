#pragma once
// Reads a PCM WAV file: parses the RIFF header field by field up to the first sample, then hands
// out the sample bytes. The input is untrusted: every read is checked and an unexpected chunk
// ends the parse.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <mood/MoodConstants.h>

namespace mood {

class WaveSource {
public:
    enum OpenResult : int { kOpened = 0, kOpenFailed = 1, kBadHeader = 2 };

    WaveSource() = default;
    ~WaveSource();
    WaveSource(const WaveSource&) = delete;
    WaveSource& operator=(const WaveSource&) = delete;

    // Closes any open file, opens `path` and reads the header; on success the file position is
    // the first sample. A failure leaves the file closed; a path of kMaxPath bytes or more cannot
    // be opened, nor can anything but a regular file. The data size is bounded by the bytes the
    // file holds after the header.
    int Open(const char* path);
    void Close();
    bool IsOpen() const { return m_file != nullptr; }

    // Reads up to `size` bytes of samples, never beyond the data; returns the count read. A read
    // error closes the file, so later reads read nothing.
    std::size_t Read(void* buffer, std::size_t size);

    // 0 when no file is open.
    std::uint32_t SampleRate() const { return IsOpen() ? m_sampleRate : 0; }
    std::uint16_t Channels() const { return IsOpen() ? m_channels : 0; }
    std::uint16_t BitsPerSample() const { return IsOpen() ? m_bitsPerSample : 0; }
    std::uint32_t DataSize() const { return IsOpen() ? m_dataSize : 0; }
    std::uint16_t FormatTag() const { return m_formatTag; }
    std::uint32_t FactSampleCount() const { return m_factSampleCount; }
    // Header bytes consumed by the last successful parse.
    std::uint32_t HeaderBytes() const { return m_headerBytes; }

private:
    bool ReadHeader();
    void BoundDataByFile();
    bool ReadBytes(void* out, std::size_t size);
    bool ReadTag(char (&tag)[4]);
    bool ReadU16(std::uint16_t& value);
    bool ReadU32(std::uint32_t& value);
    bool Skip(std::uint32_t size);

    char m_riffTag[4] = {};
    std::uint32_t m_riffSize = 0;
    char m_formTag[4] = {};
    char m_formatChunkTag[4] = {};
    std::uint32_t m_formatChunkSize = 0;
    std::uint16_t m_formatTag = 0;
    std::uint16_t m_channels = 0;
    std::uint32_t m_sampleRate = 0;
    std::uint32_t m_byteRate = 0;
    std::uint16_t m_blockAlign = 0;
    std::uint16_t m_bitsPerSample = 0;
    char m_factTag[4] = {};
    std::uint32_t m_factSize = 0;
    std::uint32_t m_factSampleCount = 0;
    char m_dataTag[4] = {};
    std::uint32_t m_dataSize = 0;
    std::uint32_t m_headerBytes = 0;
    std::uint32_t m_dataLeft = 0;
    char m_path[kMaxPath] = {};
    std::FILE* m_file = nullptr;
};

}  // namespace mood
