// harbrook-cli detect: the mood detection of each music file, as the music transfer would store
// it. Any audio file is accepted: WAV files the detector reads are analysed as they are, every
// other file is decoded to a temporary WAV file first (deleted afterwards). Several files are
// analysed at once (--jobs), results are kept in the mood result cache (--no-cache bypasses
// it), and the rows come out in argument order.
#include "Command.h"
#include "FileListArgs.h"
#include "Interrupt.h"
#include "Messages.h"
#include "OrderedWork.h"
#include "TrackDetection.h"

#include <mood/MoodCache.h>
#include <mood/MoodDetector.h>
#include <soundkit/Soundkit.h>

#include <platform/Event.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: harbrook-cli detect [--tsv] [--jobs N] [--no-cache] FILE...\n";

using cli::Detection;
using cli::kNotDecoded;

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

const char* decodeErrorText(SoundkitDecodeError error) {
    switch (error) {
        case SoundkitDecodeError::NotAudio:
            return cli::tr("not an audio file FFmpeg can read");
        case SoundkitDecodeError::Undecodable:
            return cli::tr("its audio cannot be decoded");
        case SoundkitDecodeError::CannotWrite:
            return cli::tr("the temporary WAV file cannot be written (TMPDIR)");
        default:
            return cli::tr("cannot be decoded");
    }
}

const char* codeText(const Detection& d) {
    switch (d.code) {
        case kNotDecoded:
            return decodeErrorText(d.decodeError);
        case mood::kDetectOpenFailed:
            return cli::tr("cannot be opened");
        case mood::kDetectBadHeader:
            return cli::tr("not a WAV file the detector can read");
        case mood::kDetectTooShort:
            return cli::tr("shorter than 60 seconds");
        default:
            return cli::tr("not analysed");
    }
}

// A refusal or a failed analysis goes to stderr; the result of an analysis to stdout.
void printReadable(const std::string& path, const Detection& d) {
    if (d.code != mood::kDetectCompleted) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s: [%d] %s\n", cli::printable(path).c_str(), d.code, codeText(d));
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

void print(const std::string& path, const Detection& d, bool tsv) {
    if (!d.problem.empty()) {
        std::fflush(stdout);
        cli::reportFailure("detect", path, d.problem);
        if (!tsv) return;
    }
    tsv ? printTsv(path, d) : printReadable(path, d);
}

int run(const std::vector<std::string>& args) {
    cli::FileListArgs parsed;
    if (!cli::parseFileListArgs(args, "detect", kUsage, parsed, cli::kWithJobs | cli::kWithNoCache))
        return cli::kExitUsage;
    const std::vector<std::string>& files = parsed.files;
    const int workers = std::min<int>(parsed.jobs, static_cast<int>(files.size()));
    std::unique_ptr<mood::MoodCache> cache;
    if (!parsed.noCache) cache = std::make_unique<mood::MoodCache>();
    platform::Event cancel;
    std::vector<std::unique_ptr<cli::TrackDetection>> detections;
    for (int w = 0; w < workers; ++w)
        detections.push_back(std::make_unique<cli::TrackDetection>(cache.get(), cancel));

    cli::InterruptGuard interrupts;
    bool allAnalysed = true;
    cli::runInOrder<Detection>(
        files.size(), workers,
        [&](std::size_t i, int worker) { return detections[worker]->Run(files[i]); },
        [&](std::size_t i, const Detection& d) {
            allAnalysed =
                allAnalysed && d.code == mood::kDetectCompleted && d.status == mood::kStatusSuccess;
            print(files[i], d, parsed.tsv);
        },
        [] { return cli::interruptSignal() != 0; },
        [&] {
            cancel.set();
            CSoundkit().DecodeStop();
        });
    std::fflush(stdout);
    if (cache) cache->Prune();
    if (cli::interruptSignal() != 0) return cli::interruptedExitCode();
    return allAnalysed ? cli::kExitOk : cli::kExitFailed;
}

}  // namespace

HARBROOK_CLI_COMMAND(detect, "detect", "detect [--tsv] [--jobs N] [--no-cache] FILE...",
                     "mood detection (keys, chord changes, pulse, highlight) of each file", run);
