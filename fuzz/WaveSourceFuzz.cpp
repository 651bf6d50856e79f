// Fuzzes the mood detector's untrusted input: WAV files as they stand, WAV files with a
// well-formed header in front of arbitrary samples (so the frame loop and the analysis run), and
// arbitrary frame records straight into the track analysis.
#include <mood/FrameRecord.h>
#include <mood/MoodDetector.h>
#include <mood/TrackAnalysis.h>
#include <mood/WaveSource.h>

#include <platform/TempName.h>

#include "NonRegularInputs.h"

#include <unistd.h>

#include <algorithm>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

mood::MoodDetector& detector() {
    static auto instance = std::make_unique<mood::MoodDetector>();
    return *instance;
}

const std::string& scratchPath() {
    static const std::string path =
        platform::tempFolder() + "harbrook-wavefuzz-" + std::to_string(::getpid()) + ".wav";
    return path;
}

void put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

// A header chosen by the first input bytes: rate (one of the table or not), channels, bits,
// format chunk size, optional fact chunk, and a data size that mostly stays below a minute so
// the replay stays fast. The samples follow; a long claim repeats them to fill it, else the
// header's size and the samples present disagree as they happen to.
std::string waveFor(const std::uint8_t* p, std::size_t size) {
    static const std::uint32_t kRates[] = {8000, 11025, 12000, 16000, 22050, 24000,
                                           32000, 44100, 48000, 96000, 0};
    auto at = [&](std::size_t i) -> std::uint32_t { return i < size ? p[i] : 0; };
    const std::uint32_t rate = kRates[at(1) % 11];
    const std::uint32_t channels = at(2) % 4;
    const std::uint32_t bits = (at(3) % 3 + 1) * 8;
    const std::uint32_t formatSize = 16 + at(4) % 4;
    const bool fact = at(5) & 1;
    // One input in sixteen claims a minute or a little more: the whole frame loop and analysis.
    const std::uint32_t bytesPerSecond = rate * channels * bits / 8;
    const std::uint32_t dataSize =
        (at(5) & 0xF0) == 0xF0 ? bytesPerSecond * (60 + at(6) % 16) : at(6) << 8 | at(7);
    std::string h = "RIFF";
    put(h, 0, 4);
    h += "WAVEfmt ";
    put(h, formatSize, 4);
    put(h, 1, 2);
    put(h, channels, 2);
    put(h, rate, 4);
    put(h, rate * channels * bits / 8, 4);
    put(h, channels * bits / 8, 2);
    put(h, bits, 2);
    h.append(formatSize - 16, '\0');
    if (fact) {
        h += "fact";
        put(h, 4, 4);
        put(h, 0, 4);
    }
    h += "data";
    put(h, dataSize, 4);
    const std::size_t end = h.size() + dataSize;
    const std::string samples(reinterpret_cast<const char*>(p) + std::min<std::size_t>(size, 8),
                              size - std::min<std::size_t>(size, 8));
    const bool analysable = channels >= 1 && channels <= 2 && bits <= 16;
    if (dataSize > 0xFFFF && analysable && !samples.empty()) {
        while (h.size() < end) h += samples;
        h.resize(end - (at(7) & 0x0F) * 4096);  // sometimes cut short
        return h;
    }
    return h + samples;
}

void detectFile(const std::string& bytes) {
    std::FILE* f = std::fopen(scratchPath().c_str(), "wb");
    if (!f) return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    // The data the source hands out is never more than the file holds, whatever the header says.
    mood::WaveSource source;
    if (source.Open(scratchPath().c_str()) == mood::WaveSource::kOpened &&
        std::uint64_t(source.HeaderBytes()) + source.DataSize() > bytes.size())
        __builtin_trap();
    mood::MoodResult result;
    std::int32_t status = 0;
    detector().Detect(scratchPath().c_str(), &result, &status, nullptr, 0, 0, nullptr);
}

// Arbitrary levels and chords as well-formed records, repeated to more than 162 frames.
void analyseRecords(const std::uint8_t* p, std::size_t size) {
    static auto analysis = std::make_unique<mood::TrackAnalysis>();
    std::vector<std::uint16_t> words;
    const std::size_t frames = size / 8;
    if (frames == 0) return;
    const std::size_t total = frames < 170 ? 170 * (1 + p[0] % 4) : frames;
    for (std::size_t i = 0; i < total; ++i) {
        const std::uint8_t* r = p + (i % frames) * 8;
        mood::FrameRecordFields f;
        f.gainShift = r[0] % 16;
        f.midLevel = r[1];
        f.lowLevel = r[2];
        f.peak = (r[3] << 8 | r[4]) & 0x7FFF;
        f.root0 = r[5] % 12;
        f.type0 = r[5] / 12 % 7;
        f.root1 = r[6] % 12;
        f.type1 = r[6] / 12 % 7;
        f.centre = r[7];
        f.roughness = r[1] ^ r[7];
        words.resize(words.size() + 6);
        mood::PackFrameRecord(f, words.data() + words.size() - 6);
    }
    mood::MoodResult result;
    analysis->Analyse(words.data(), static_cast<int>(words.size()), result);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::requireNonRegularInputsRefused("WAV source", [](const std::string& path) {
        mood::WaveSource source;
        return source.Open(path.c_str()) != mood::WaveSource::kOpenFailed;
    });
    if (size == 0) return 0;
    const std::string raw(reinterpret_cast<const char*>(data), size);
    // WAV files (the seeds among them) go in as they stand; other inputs choose a mode.
    switch (raw.compare(0, 4, "RIFF") == 0 ? 0 : data[0] % 3) {
    case 0: detectFile(raw); break;
    case 1: detectFile(waveFor(data, size)); break;
    default: analyseRecords(data + 1, size - 1); break;
    }
    std::remove(scratchPath().c_str());
    return 0;
}
