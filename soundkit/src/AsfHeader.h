#pragma once
// Reads the header object of an ASF (WMA) file for the details FFmpeg does not expose: whether
// the content is DRM-protected, whether the encoder marked it variable bit rate, and the audio
// stream's WAVEFORMATEX exactly as stored. Every size and count read from the file is checked
// against the bytes actually present.
#include "WaveFormat.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace soundkit {

class AsfHeader {
public:
    // The largest header we read from disk (album art can make headers a few MiB long).
    static constexpr std::uint64_t kMaxHeaderBytes = 32u << 20;

    enum class ReadResult { NotAsf, Ok, Malformed };
    // Reads and parses the header at the start of the file. Malformed: the file starts like
    // ASF but its header object cannot be read whole.
    ReadResult read(const std::string& path);
    // Parses header bytes (the header object from offset 0).
    bool parse(std::span<const std::uint8_t> bytes);
    // Whether `bytes` start with the header object's GUID, as every ASF file does.
    static bool startsHeader(std::span<const std::uint8_t> bytes);

    bool encrypted() const { return m_encrypted; }
    bool variableBitRate() const { return m_vbr; }
    int audioStreamCount() const { return m_audioStreams; }
    // The first audio stream's format, when it has one.
    const std::optional<WaveFormat>& audioFormat() const { return m_audio; }

private:
    void parseObjects(std::span<const std::uint8_t> bytes, int depth);
    void parseStreamProperties(std::span<const std::uint8_t> body);
    void parseExtendedContent(std::span<const std::uint8_t> body);
    void parseHeaderExtension(std::span<const std::uint8_t> body, int depth);

    bool m_encrypted = false;
    bool m_vbr = false;
    int m_audioStreams = 0;
    std::optional<WaveFormat> m_audio;
};

}  // namespace soundkit
