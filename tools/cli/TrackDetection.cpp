#include "TrackDetection.h"

#include "Messages.h"

#include <mood/FrameGeometry.h>
#include <platform/TempName.h>

#include <array>
#include <cctype>
#include <cstdio>

namespace cli {
namespace {

// Detection stops on a cancel only when it reports its end somewhere; nothing listens here.
class Silent : public platform::MessageTarget {
public:
    void post(unsigned, platform::WParam, platform::LParam) override {}
    platform::LParam send(unsigned, platform::WParam, platform::LParam) override { return 0; }
};
constexpr unsigned kCompletionMessage = 1;

// The WAV the detector reads: its own rates kept, any other converted to 44 100 Hz, at most
// two channels.
const SoundkitPcmForm& detectorForm() {
    static const std::array<int, 9> rates = mood::AnalysableRates();
    static const SoundkitPcmForm form{2, rates.data(), static_cast<int>(rates.size()), 44100};
    return form;
}

}  // namespace

bool isWaveName(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".wav";
}

TrackDetection::TrackDetection(const mood::MoodCache* cache, platform::Event& cancel)
    : m_cache(cache), m_cancel(cancel), m_detector(std::make_unique<mood::MoodDetector>()) {}

TrackDetection::~TrackDetection() = default;

Detection TrackDetection::Run(const std::string& path) {
    Detection d;
    d.problem = inputProblem(path);
    if (!d.problem.empty()) {
        d.code = isWaveName(path) ? int{mood::kDetectOpenFailed} : kNotDecoded;
        return d;
    }
    const auto key = m_cache ? mood::MoodCache::KeyOf(path) : std::nullopt;
    if (key) {
        if (const auto hit = m_cache->Find(*key)) {
            d.code = hit->code;
            d.status = hit->status;
            d.result = hit->result;
            return d;
        }
    }
    d = Analyse(path);
    if (key && !m_cancel.isSet()) m_cache->Store(*key, {d.code, d.status, d.result});
    return d;
}

Detection TrackDetection::Analyse(const std::string& path) {
    if (isWaveName(path)) {
        Detection d = DetectWave(path);
        if (d.code != mood::kDetectBadHeader) return d;
    }
    return DecodeAndDetect(path);
}

Detection TrackDetection::DetectWave(const std::string& wav) {
    Detection d;
    Silent silent;
    d.code = m_detector->Detect(wav.c_str(), &d.result, &d.status, &silent, 0, kCompletionMessage,
                                &m_cancel);
    return d;
}

Detection TrackDetection::DecodeAndDetect(const std::string& path) {
    Detection d;
    if (m_cancel.isSet()) return d;
    // Created exclusively: a planted file or link is never written through.
    const std::string wav = platform::tempFileName(platform::tempFolder(), "$$$", 0);
    if (wav.empty()) {
        d.decodeError = SoundkitDecodeError::CannotWrite;
        return d;
    }
    CSoundkit().DecodeAnyRun(path.c_str(), wav.c_str(), detectorForm(), &d.decodeError);
    if (d.decodeError == SoundkitDecodeError::None) d = DetectWave(wav);
    std::remove(wav.c_str());
    return d;
}

}  // namespace cli
