// Transfers as the transfer command runs them, timed from the outside: a music set copied to a
// card by the music document's copy (data files before their index, each flushed), and the same
// set sent over USB to the emulated unit. Both drive a progress window that records the longest
// gap between two pumps, the time the user interface would have gone without its events.
//
//   TransferBench card SET_FOLDER CARD_FOLDER   (SET_FOLDER holds AVMTR/)
//   TransferBench usb SET_FOLDER UNIT_FOLDER
// Prints the seconds taken and the longest gap in milliseconds. bench/transfer.sh runs both
// against `cp` + `sync`.
#include <music/MusicData.h>
#include <transfer/TransferData.h>
#include <transfer/TransferProgress.h>
#include <transfer/TransferPrompts.h>
#include <transfer/UnitLink.h>

#include <outside/Shuttler.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

class GapProgress : public TransferProgress {
public:
    double LongestGapMs() const { return m_longest.count() / 1000.0; }

protected:
    bool OnBegin(bool) override {
        m_last = Clock::now();
        return true;
    }
    void OnEnd() override {}
    void Refresh() override {}
    void ProcessEvents() override {
        const auto now = Clock::now();
        m_longest = std::max(m_longest,
                             std::chrono::duration_cast<std::chrono::microseconds>(now - m_last));
        m_last = now;
    }

private:
    Clock::time_point m_last = Clock::now();
    std::chrono::microseconds m_longest{0};
};

class QuietPrompts : public TransferPrompts {
public:
    int Ask(const std::string& text, int) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        return kOk;
    }
    void ShowCheckReport(CMusicData&) override {}
    std::string ChooseDrive(int) override { return {}; }
};

// The music set's track files named for the counter, as the build job names them.
class SetStore : public CTransferData {
public:
    explicit SetStore(const fs::path& avmtr) {
        for (const auto& entry : fs::directory_iterator(avmtr)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("TRACK", 0) == 0) m_TransferFileNames.push_back(name);
        }
    }
    bool Load(const std::string&) override { return true; }
    bool Save(const std::string&) override { return true; }
};

int card(const std::string& set, const std::string& drive, GapProgress& progress) {
    CMusicData music;
    music.SetCompletionPause(std::chrono::milliseconds(0));
    progress.Begin(false);
    if (!music.CopyToMedia(set, drive, &progress, &progress.CancelEvent())) return 1;
    while (music.Step()) {
        std::this_thread::yield();
        progress.Pump();
    }
    progress.End();
    return music.ResultCode() == 0 ? 0 : 1;
}

int usb(const std::string& set, const std::string& unit, GapProgress& progress) {
    QuietPrompts prompts;
    CShuttler::SetUnitFolder(unit);
    CShuttler::Initialize(nullptr, 0);
    CShuttler::SetPath(set.c_str());
    SetStore store(fs::path(set) / "AVMTR");
    progress.Begin(true);
    UnitLink link(progress, prompts);
    link.SetFinishPause(std::chrono::milliseconds(0));
    const bool sent = link.Send(store, &CShuttler::TransMusicToNavi);
    progress.End();
    CShuttler::Release();
    return sent ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 || (std::strcmp(argv[1], "card") != 0 && std::strcmp(argv[1], "usb") != 0)) {
        std::fprintf(stderr, "usage: TransferBench card|usb SET_FOLDER TARGET_FOLDER\n");
        return 2;
    }
    GapProgress progress;
    const auto start = Clock::now();
    const int result = std::strcmp(argv[1], "card") == 0 ? card(argv[2], argv[3], progress)
                                                         : usb(argv[2], argv[3], progress);
    const std::chrono::duration<double> took = Clock::now() - start;
    std::printf("%s %.3f s, longest gap between pumps %.1f ms\n", argv[1], took.count(),
                progress.LongestGapMs());
    return result;
}
