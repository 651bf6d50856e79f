// harbrook-cli build: turns music folders and files (or a saved edit data file) into the unit's
// music database folder DIR/AVMTR, with or without mood detection, as the transfer does.
#include "Command.h"
#include "FileListArgs.h"
#include "Interrupt.h"
#include "Messages.h"

#include <mood/MoodCache.h>
#include <music/MusicData.h>

#include <platform/Cp932.h>
#include <platform/Event.h>
#include <platform/MessageTarget.h>
#include <platform/TempName.h>
#include <songbase/Songbase.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: harbrook-cli build --out DIR [--no-detect] [--jobs N] [--no-cache] [--open EDITFILE] "
    "[--save EDITFILE] SOURCE...\n";
struct Options {
    std::string out;
    bool detect = true;
    int jobs = cli::coreCount();
    bool cache = true;
    std::string open;
    std::string save;
    std::vector<std::string> sources;
};

// Returns false on a usage error.
bool parseOptions(const std::vector<std::string>& args, Options* o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--no-detect") {
            o->detect = false;
        } else if (arg == "--no-cache") {
            o->cache = false;
        } else if (arg == "--jobs") {
            if (!hasValue || !cli::parseJobs(args[++i], o->jobs)) {
                cli::reportFailure("build", cli::tr("--jobs takes a number from 1 to 64"));
                return false;
            }
        } else if ((arg == "--out" || arg == "--open" || arg == "--save") && hasValue) {
            std::string& value = arg == "--out" ? o->out : arg == "--open" ? o->open : o->save;
            value = args[++i];
        } else if (arg == "--") {
            o->sources.insert(o->sources.end(), args.begin() + static_cast<long>(i) + 1, args.end());
            break;
        } else if (arg.size() > 1 && arg[0] == '-') {
            cli::reportFailure(
                "build", cli::format(cli::tr("unknown option '%s'"), cli::printable(arg).c_str()));
            return false;
        } else {
            o->sources.push_back(arg);
        }
    }
    return !o->out.empty() && (!o->sources.empty() || !o->open.empty());
}

// The report's lines as terminal lines.
void printReport(const std::string& report) {
    std::string text = report;
    std::replace(text.begin(), text.end(), '\r', '\n');
    std::fprintf(stderr, "%s", text.c_str());
}

// --- Building the transfer list ---

// A source that did not make it into the transfer list, and why.
struct NotAdded {
    std::string path;
    std::string reason;
};

// Adds folders (one playlist each) and loose files (the "New Album" playlist) with absolute
// paths, so that a saved edit data file finds its music from any folder. Every file that is not
// added is kept with its reason, and adding goes on with the next source.
class ListBuilder {
public:
    explicit ListBuilder(CMusicData& doc) : m_doc(doc) {}

    void AddFolder(const fs::path& folder);
    void AddFile(const fs::path& file);
    const std::vector<NotAdded>& NotAddedSources() const { return m_notAdded; }

private:
    int NewPlayList(const std::string& utf8Title);
    bool Add(int list, const std::string& path);
    // Deletes the playlist of `folder` when none of its files was added, and says so.
    void RemoveIfEmpty(int list, const std::string& folder);
    void Refuse(const std::string& path, const std::string& reason);

    CMusicData& m_doc;
    int m_target = -1;  // the "New Album" playlist that loose files go to
    std::vector<NotAdded> m_notAdded;
};

fs::path absolutePath(const fs::path& path) {
    std::error_code ec;
    fs::path full = fs::absolute(path, ec).lexically_normal();
    if (!full.has_filename()) full = full.parent_path();  // "." or "dir/"
    return full;
}

// The reason the check wrote at the end of the report's newest line.
std::string lastReportReason(const std::string& report) {
    std::string line = report.substr(0, report.find_last_not_of('\r') + 1);
    line = line.substr(line.find_last_of('\r') + 1);
    return line.substr(line.find_last_of('\t') + 1);
}

int ListBuilder::NewPlayList(const std::string& utf8Title) {
    const auto title = platform::utf8ToCp932(utf8Title);
    if (m_doc.NewPlayList(title ? title->c_str() : nullptr) != 0) return -1;
    return CSongbase::GetPlayListCount() - 1;
}

void ListBuilder::Refuse(const std::string& path, const std::string& reason) {
    m_notAdded.push_back({path, reason});
}

bool ListBuilder::Add(int list, const std::string& path) {
    if (const std::string problem = cli::inputProblem(path); !problem.empty()) {
        Refuse(path, problem);
        return false;
    }
    const int result = m_doc.AddFile(list, path);
    if (result == CMusicData::kEAbort) Refuse(path, m_doc.ErrorText());
    if (result != 0 && result != CMusicData::kEAbort)
        Refuse(path, lastReportReason(m_doc.ReportText()));
    return result == 0;
}

void ListBuilder::RemoveIfEmpty(int list, const std::string& folder) {
    if (CSongbase::GetTrackCount(list) != 0) return;
    m_doc.Delete(list, -1);
    m_doc.NoteRemovedPlayList(fs::path(folder).filename().string());
    cli::reportFailure("build", folder, lastReportReason(m_doc.ReportText()));
}

void ListBuilder::AddFolder(const fs::path& folder) {
    const fs::path full = absolutePath(folder);
    const std::string title = full.filename().string();
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(full, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec)) files.push_back(it->path().string());
    }
    if (ec) Refuse(full.string(), cli::systemReason(ec.value()));
    std::sort(files.begin(), files.end());
    const int list = NewPlayList(title.empty() ? full.string() : title);
    if (list < 0) {
        for (const std::string& file : files) Refuse(file, m_doc.ErrorText());
        return;
    }
    for (const std::string& file : files) Add(list, file);
    m_doc.SortByTagTrackNo(list, 0);
    RemoveIfEmpty(list, full.string());
}

void ListBuilder::AddFile(const fs::path& file) {
    const std::string path = absolutePath(file).string();
    const bool created = m_target < 0;
    if (created && (m_target = NewPlayList(CMusicData::kDefaultPlayListName)) < 0) {
        Refuse(path, m_doc.ErrorText());
        return;
    }
    Add(m_target, path);
    if (created && CSongbase::GetTrackCount(m_target) == 0) {
        m_doc.Delete(m_target, -1);
        m_target = -1;
    }
}

void printNotAdded(const std::vector<NotAdded>& sources) {
    for (const NotAdded& n : sources)
        cli::reportFailure("build", n.path, cli::format(cli::tr("not added: %s"), n.reason.c_str()));
}

// --- What went wrong ---

void printJobFault(const CMusicData::JobFault& fault) {
    if (fault.path.empty()) return;
    cli::reportFailure("build", fault.path,
                       fault.sourceChanged ? cli::tr("changed since it was checked")
                       : fault.error != 0  ? cli::systemReason(fault.error)
                                           : cli::tr("cannot be written"));
}

// Lists the tracks built without their mood analysis and sums them up; true when there is one.
bool printLostAnalyses(const std::vector<CMusicData::LostAnalysis>& lost) {
    for (const CMusicData::LostAnalysis& track : lost) {
        cli::reportFailure(
            "build", track.path,
            track.decodeFailed
                ? std::string(cli::tr("no mood analysis: decoding failed"))
                : cli::format(cli::tr("no mood analysis: the detector gave code %d"),
                              track.detectCode));
    }
    if (!lost.empty()) {
        cli::reportFailure(
            "build", cli::format(cli::tr("%zu tracks built without their mood analysis (listed above)"),
                                 lost.size()));
    }
    return !lost.empty();
}

// --- Progress on the terminal ---

// Receives the job's messages: sent ones on this thread, posted ones (decoder and detector
// percentages) from the worker; the line is drawn only from this thread. On a terminal one line
// is redrawn as the percentage moves; otherwise (a log file, a pipe) a line is written per track
// and stage, without percentages.
class TerminalProgress : public platform::MessageTarget {
public:
    void post(unsigned message, platform::WParam, platform::LParam lParam) override {
        if (message == CMusicData::kMsgDecodeProgress || message == CMusicData::kMsgDetectProgress) {
            m_percent.store(static_cast<int>(lParam));
        }
    }
    platform::LParam send(unsigned message, platform::WParam wParam,
                          platform::LParam lParam) override;
    void Draw(bool filePhase);
    void Finish();

private:
    int m_range = 1;
    int m_position = 0;
    int m_fileTotal = 0;
    int m_fileDone = 0;
    int m_tracks = 0;
    std::atomic<int> m_percent{0};
    bool m_filePhase = false;
    bool m_filesCounted = false;
    bool m_terminal = ::isatty(STDERR_FILENO) == 1;
    std::string m_shown;
};

platform::LParam TerminalProgress::send(unsigned message, platform::WParam wParam,
                                        platform::LParam lParam) {
    if (message == CMusicData::kMsgRange) {
        m_range = static_cast<int>(wParam);
        m_tracks = m_range / 2;
    } else if (message == CMusicData::kMsgPosition) {
        m_position = static_cast<int>(wParam);
        m_percent.store(0);
    } else if (message == CMusicData::kMsgFileProgress) {
        m_fileTotal = static_cast<int>(wParam);
        m_fileDone = static_cast<int>(lParam);
        // (total, 0) follows the phase change's (1, 1): from here on the counts are the files'.
        m_filesCounted = m_filesCounted || m_fileDone == 0;
    }
    return 0;
}

void TerminalProgress::Draw(bool filePhase) {
    // The caption switches once, as the transfer's progress window does.
    m_filePhase = m_filePhase || filePhase;
    char line[160];
    int percent = m_percent.load();
    if (m_filePhase) {
        percent = m_fileTotal > 0 ? m_fileDone * 100 / m_fileTotal : 0;
        std::snprintf(line, sizeof line, "転送準備中  track %d of %d",
                      std::min(m_fileDone, m_fileTotal), m_fileTotal);
    } else {
        const char* stage = m_position % 2 == 0 ? "decode" : "detect";
        std::snprintf(line, sizeof line, "曲調検出中  track %d of %d  %s", m_position / 2 + 1,
                      m_tracks, stage);
    }
    std::string shown = line;
    if (m_terminal) shown = "\r" + shown + "  " + std::to_string(percent) + "%\x1b[K";
    // A log gets a line per track and stage once there is one to name.
    const bool named = m_filePhase ? m_filesCounted && m_fileDone > 0 : m_tracks > 0;
    if (m_shown == shown || (!m_terminal && !named)) return;
    m_shown = shown;
    std::fputs(shown.c_str(), stderr);
    if (!m_terminal) std::fputs("\n", stderr);
    std::fflush(stderr);
}

void TerminalProgress::Finish() {
    if (m_terminal && !m_shown.empty()) std::fputs("\n", stderr);
}

// --- The job ---

class AlwaysYes : public MusicQuestion {
public:
    bool AskYesNo(const std::string& text) override {
        std::fprintf(stderr, "\n%s -> yes\n", text.c_str());
        return true;
    }
};

// Decoded WAV files go to `temporaryFolder`, never into the output folder.
int runJob(CMusicData& doc, const Options& o, const std::string& temporaryFolder) {
    platform::Event cancel;
    TerminalProgress progress;
    AlwaysYes question;

    doc.SetAnalysisJobs(o.jobs);
    if (o.cache && o.detect) doc.UseMoodCache(mood::MoodCache::DefaultFolder());
    doc.PrepareJob(o.out, o.detect, &progress, &cancel, temporaryFolder, &question);
    doc.SetJobPause(std::chrono::milliseconds(0));  // a terminal needs no pause to show a full bar
    while (true) {
        if (cli::interruptSignal() != 0) cancel.set();
        const int stepBefore = doc.JobStepNumber();
        if (!doc.JobStep()) break;
        progress.Draw(!o.detect || doc.InFilePhase());  // without detection: no detection texts
        // Waiting on a worker: give the core to it instead of spinning.
        if (doc.JobStepNumber() == stepBefore) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    progress.Finish();
    return doc.ResultCode();
}

int run(const std::vector<std::string>& args) {
    Options o;
    if (!parseOptions(args, &o)) {
        std::fprintf(stderr, "%s", kUsage);
        return cli::kExitUsage;
    }
    // Ctrl-C, SIGTERM and SIGHUP from here on cancel the job and remove what it wrote.
    cli::InterruptGuard interrupts;
    CMusicData doc;
    if (!o.open.empty() && !doc.Load(o.open)) {
        const std::string problem = cli::inputProblem(o.open);
        cli::reportFailure("build", o.open, problem.empty() ? doc.ErrorText() : problem);
        return cli::kExitFailed;
    }
    doc.ClearReport();
    ListBuilder builder(doc);
    for (const std::string& source : o.sources) {
        std::error_code ec;
        fs::is_directory(source, ec) ? builder.AddFolder(source) : builder.AddFile(source);
    }
    printNotAdded(builder.NotAddedSources());

    // The job creates AVMTR itself and fails when it exists: that is the one reliable test,
    // also against another build running into the same folder.
    std::error_code ec;
    fs::create_directories(o.out, ec);
    // The job's first step is the transfer check; when it fails nothing has been written.
    const int code = runJob(doc, o, platform::tempFolder());
    if (code == CMusicData::kNoPlayList || code == CMusicData::kEmptyPlayList ||
        code == CMusicData::kMusicFileMissing) {
        printReport(doc.ReportText());
        std::fprintf(stderr, "%s\n", doc.ErrorText().c_str());
        return cli::kExitFailed;
    }
    if (code == CTransferData::kCancelled) {
        doc.DiscardOutput();
        cli::reportFailure("build", cli::tr("cancelled"));
        return cli::interruptSignal() != 0 ? cli::interruptedExitCode() : cli::kExitFailed;
    }
    if (!doc.JobSucceeded()) {
        doc.DiscardOutput();
        printJobFault(doc.LastJobFault());
        std::fprintf(stderr, "%s\n", doc.ErrorText().c_str());
        return cli::kExitFailed;
    }
    std::printf("%s\n", doc.ErrorText().c_str());
    if (!o.save.empty() && !doc.Save(o.save)) {
        std::fprintf(stderr, "%s: %s\n", o.save.c_str(), doc.ErrorText().c_str());
        return cli::kExitFailed;
    }
    const bool analysisLost = printLostAnalyses(doc.LostAnalyses());
    if (const std::size_t n = builder.NotAddedSources().size(); n > 0) {
        cli::reportFailure("build", cli::format(cli::tr("%zu sources not added (listed above)"), n));
        return cli::kExitFailed;
    }
    return analysisLost ? cli::kExitAnalysisLost : cli::kExitOk;
}

}  // namespace

HARBROOK_CLI_COMMAND(build, "build",
                     "build --out DIR [--no-detect] [--jobs N] [--no-cache] [--open F] [--save F] "
                     "SOURCE...",
                     "build the unit's music folder DIR/AVMTR from music folders and files", run);
