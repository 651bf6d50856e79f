// harbrook-cli detect: the mood detection of each music file, as the music transfer would store
// it. MP3 and WMA files are decoded to a temporary WAV file first (deleted afterwards); a .wav
// file is analysed as it is.
#include "Command.h"
#include "FileListArgs.h"
#include "Interrupt.h"
#include "Messages.h"

#include <mood/MoodDetector.h>
#include <soundkit/Soundkit.h>

#include <platform/Event.h>
#include <platform/TempName.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace {

constexpr const char* kUsage =
    "usage: harbrook-cli detect [--tsv] FILE...\n"
    "  --tsv  path, return code (-1: not decoded), analysis status and the 38 result words,\n"
    "         tab-separated, one line per file\n";
constexpr int kNotDecoded = -1;

struct Detection {
    int code = kNotDecoded;
    std::int32_t status = 0;
    mood::MoodResult result{};
};

bool isWave(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".wav";
}

// Detection can only be cancelled when it reports its end somewhere; nothing listens here.
class Silent : public platform::MessageTarget {
public:
    void post(unsigned, platform::WParam, platform::LParam) override {}
    platform::LParam send(unsigned, platform::WParam, platform::LParam) override { return 0; }
};
constexpr unsigned kCompletionMessage = 1;

// Runs `work` on a worker thread; a signal meanwhile calls `stop` once, and the work ends early.
void runStoppable(const std::function<void()>& work, const std::function<void()>& stop) {
    std::atomic<bool> done{false};
    std::thread worker([&] {
        work();
        done.store(true);
    });
    bool stopped = false;
    while (!done.load()) {
        if (!stopped && cli::interruptSignal() != 0) {
            stop();
            stopped = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    worker.join();
}

Detection detect(mood::MoodDetector& detector, const std::string& path) {
    Detection d;
    std::string wav = path;
    if (!isWave(path)) {
        // Created exclusively: a planted file or link is never written through.
        wav = platform::tempFileName(platform::tempFolder(), "$$$", 0);
        if (wav.empty()) return d;
        CSoundkit kit;
        bool decoded = false;
        runStoppable([&] { decoded = kit.DecodeRun(path.c_str(), wav.c_str()) == 1; },
                     [&] { kit.DecodeStop(); });
        if (!decoded || cli::interruptSignal() != 0) {
            std::remove(wav.c_str());
            return d;
        }
    }
    Silent silent;
    platform::Event cancel;
    runStoppable(
        [&] {
            d.code = detector.Detect(wav.c_str(), &d.result, &d.status, &silent, 0,
                                     kCompletionMessage, &cancel);
        },
        [&] { cancel.set(); });
    if (wav != path) std::remove(wav.c_str());
    return d;
}

void printTsv(const std::string& path, const Detection& d) {
    std::printf("%s\t%d\t%d", cli::printable(path).c_str(), d.code, d.status);
    for (std::int32_t w : d.result.words) std::printf("\t%d", w);
    std::printf("\n");
}

const char* noteName(int pitchClass) {
    static const char* const kNames[12] = {"A",  "Bb", "B", "C",  "C#", "D",
                                           "Eb", "E",  "F", "F#", "G",  "Ab"};
    return pitchClass >= 0 && pitchClass < 12 ? kNames[pitchClass] : "?";
}

std::string keyText(const std::int32_t* key) {
    if (key[mood::kKeyWeight] == 0) return "-";
    return std::string(noteName(key[mood::kKeyRoot])) +
           (key[mood::kKeyMode] == 0 ? " major" : " minor");
}

std::string clock(int seconds) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d:%02d", seconds / 60, seconds % 60);
    return buffer;
}

const char* codeText(int code) {
    switch (code) {
    case kNotDecoded: return cli::tr("cannot be decoded");
    case mood::kDetectOpenFailed: return cli::tr("cannot be opened");
    case mood::kDetectBadHeader: return cli::tr("not a WAV file the detector can read");
    case mood::kDetectTooShort: return cli::tr("shorter than 60 seconds");
    default: return cli::tr("not analysed");
    }
}

// A refusal or a failed analysis goes to stderr; the result of an analysis to stdout.
void printReadable(const std::string& path, const Detection& d) {
    if (d.code != mood::kDetectCompleted) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s: [%d] %s\n", cli::printable(path).c_str(), d.code,
                     codeText(d.code));
        return;
    }
    if (d.status != mood::kStatusSuccess) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s: %s\n", cli::printable(path).c_str(),
                     cli::format(cli::tr("analysis failed (status %d)"), d.status).c_str());
        return;
    }
    const std::int32_t* w = d.result.words;
    std::printf("%s: key %s, second key %s; chord changes %d; pulse %d; highlight %s-%s\n",
                cli::printable(path).c_str(), keyText(w + mood::kWordKey1).c_str(),
                keyText(w + mood::kWordKey2).c_str(), w[mood::kWordChordChangeRate],
                w[mood::kWordPulseA], clock(w[mood::kWordSectionStartTime]).c_str(),
                clock(w[mood::kWordSectionEndTime]).c_str());
}

int run(const std::vector<std::string>& args) {
    cli::FileListArgs parsed;
    if (!cli::parseFileListArgs(args, "detect", kUsage, parsed)) return cli::kExitUsage;
    const bool tsv = parsed.tsv;
    const std::vector<std::string>& files = parsed.files;
    // The detector is large (fixed buffers for the longest track): one on the heap for all files.
    auto detector = std::make_unique<mood::MoodDetector>();
    cli::InterruptGuard interrupts;
    bool allAnalysed = true;
    for (const auto& path : files) {
        if (const std::string problem = cli::inputProblem(path); !problem.empty()) {
            cli::reportFailure("detect", path, problem);
            allAnalysed = false;
            if (tsv)
                printTsv(path, Detection{isWave(path) ? mood::kDetectOpenFailed : kNotDecoded});
            continue;
        }
        const Detection d = detect(*detector, path);
        if (cli::interruptSignal() != 0) break;
        allAnalysed = allAnalysed && d.code == mood::kDetectCompleted &&
                      d.status == mood::kStatusSuccess;
        tsv ? printTsv(path, d) : printReadable(path, d);
    }
    std::fflush(stdout);
    if (cli::interruptSignal() != 0) return cli::interruptedExitCode();
    return allAnalysed ? cli::kExitOk : cli::kExitFailed;
}

}  // namespace

HARBROOK_CLI_COMMAND(detect, "detect", "detect [--tsv] FILE...",
                     "mood detection (keys, chord changes, pulse, highlight) of each file", run);
