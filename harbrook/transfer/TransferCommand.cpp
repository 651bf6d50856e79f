#include "transfer/TransferCommand.h"

#include "transfer/TransferProgress.h"
#include "transfer/TransferPrompts.h"
#include "transfer/UnitLink.h"
#include "transfer/WorkFolder.h"

#include <music/MusicData.h>
#include <mydb/MyDbData.h>
#include <points/CPointData.h>
#include <shell/AppSettings.h>

#include <outside/Shuttler.h>

#include <filesystem>
#include <system_error>
#include <thread>

namespace {

constexpr int kMusic = 0;
constexpr int kMyDb = 1;
constexpr int kPoints = 2;
constexpr int kPointCheckUsb = 1;
constexpr int kPointCheckMedia = 2;

}  // namespace

TransferCommand::TransferCommand(Stores stores, AppSettings& settings, TransferProgress& progress,
                                 TransferPrompts& prompts, Hooks hooks)
    : m_stores(stores),
      m_settings(settings),
      m_progress(progress),
      m_prompts(prompts),
      m_hooks(std::move(hooks)) {}

TransferCommand::Outcome TransferCommand::Run(int mode) {
    if (mode < kMusic || mode > kPoints) return Outcome::NotStarted;
    WorkFolder folder;
    if (!PrepareFolder(folder)) return Outcome::NotStarted;
    const bool usb = m_hooks.usbConnected && m_hooks.usbConnected();
    if (!Validate(mode, usb)) return Outcome::NotStarted;

    const std::uint64_t free = folder.FreeBytes();
    const std::uint64_t needed = mode == kMusic   ? m_stores.music.RequiredBytes()
                                 : mode == kMyDb ? m_stores.myDb.RequiredBytes()
                                                 : m_stores.points.RequiredBytes();
    if (!(free != 0 && needed < free) &&
        m_prompts.Ask(kSpaceQuestion, TransferPrompts::kTypeYesNo) != TransferPrompts::kYes) {
        return Outcome::NotStarted;
    }
    if (!folder.Create()) {
        m_prompts.Tell(kFolderFailed);
        return Outcome::Failed;
    }
    const Outcome outcome = usb ? SendOverUsb(mode, folder.Path())
                                : CopyToDrive(mode, folder.Path());
    m_progress.End();
    if (mode == kMusic && outcome == Outcome::Done) TellLostAnalyses();
    return outcome;  // the work folder goes with `folder`
}

bool TransferCommand::PrepareFolder(WorkFolder& folder) {
    if (!m_workBase.empty()) {
        folder.ChooseIn(m_workBase);
        return true;
    }
    return folder.Choose(m_settings, m_prompts);
}

bool TransferCommand::Validate(int mode, bool usb) {
    if (mode == kMusic) {
        if (m_stores.music.TransferCheck()) return true;
        m_prompts.ShowCheckReport(m_stores.music);
        return false;
    }
    const bool valid = mode == kMyDb
                           ? m_stores.myDb.Check()
                           : m_stores.points.Check(usb ? kPointCheckUsb : kPointCheckMedia);
    if (!valid) m_prompts.Tell(StoreOf(mode).ErrorText());
    return valid;
}

CTransferData& TransferCommand::StoreOf(int mode) {
    if (mode == kMusic) return m_stores.music;
    if (mode == kMyDb) return m_stores.myDb;
    return m_stores.points;
}

TransferCommand::Outcome TransferCommand::SendOverUsb(int mode, const std::string& folder) {
    if (mode == kMusic) {
        if (!m_progress.Begin(true)) return Outcome::Failed;
        if (!RunBuildJob(folder)) {
            m_progress.End();
            const bool cancelled = m_stores.music.ResultCode() == CTransferData::kCancelled;
            TellMusicOutcome();
            return cancelled ? Outcome::Cancelled : Outcome::Failed;
        }
        CShuttler::SetPath(folder.c_str());
        return Send(m_stores.music, &CShuttler::TransMusicToNavi);
    }
    CTransferData& store = StoreOf(mode);
    const bool written = mode == kMyDb ? m_stores.myDb.WriteForUsb(folder)
                                       : m_stores.points.WriteForUsb(folder);
    if (!written) {
        m_prompts.Tell(store.ErrorText());
        return Outcome::Failed;
    }
    if (!m_progress.Begin(false)) return Outcome::Failed;
    CShuttler::SetPath(folder.c_str());
    const Outcome outcome =
        Send(store, mode == kMyDb ? &CShuttler::TransMyDBToNavi : &CShuttler::TransMapToNavi);
    if (outcome == Outcome::Done && mode == kPoints) {
        m_stores.points.MarkSent();
        if (m_hooks.refresh) m_hooks.refresh();
    }
    return outcome;
}

TransferCommand::Outcome TransferCommand::Send(const CTransferData& store, int (*trans)()) {
    UnitLink link(m_progress, m_prompts);
    link.SetFinishPause(m_pause);
    if (link.Send(store, trans)) {
        m_progress.End();
        return Outcome::Done;
    }
    return link.Cancelled() ? Outcome::Cancelled : Outcome::Failed;
}

// The job's texts start with detection when it analyses tracks and switch to the preparation
// texts once it writes the unit files.
bool TransferCommand::RunBuildJob(const std::string& folder) {
    CMusicData& music = m_stores.music;
    bool detecting = m_settings.withDJ != 0;
    m_progress.SetTitle(detecting ? kDetectTitle : kPrepareTitle);
    m_progress.SetMessage(detecting ? kDetectMessage : kPrepareMessage);
    music.SetJobPause(m_pause);
    music.PrepareJob(folder, detecting, &m_progress, &m_progress.CancelEvent(), folder, &m_prompts);
    int step = music.JobStepNumber();
    while (music.JobStep()) {
        if (detecting && music.InFilePhase()) {
            m_progress.SetTitle(kPrepareTitle);
            m_progress.SetMessage(kPrepareMessage);
            detecting = false;
        }
        // While a worker decodes or analyses, the job stays on its step: give it the processor.
        const int now = music.JobStepNumber();
        if (now == step) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        } else {
            std::this_thread::yield();
        }
        step = now;
        m_progress.Pump();
    }
    return music.JobSucceeded();
}

// The music store's message, and below it the file a failed build stopped at with the reason.
std::string TransferCommand::MusicFailureText() const {
    const CMusicData& music = m_stores.music;
    std::string text = music.ErrorText();
    const CMusicData::JobFault& fault = music.LastJobFault();
    if (fault.path.empty()) return text;
    text += "\r\r" + fault.path;
    if (fault.sourceChanged) {
        text += std::string("\r") + kChangedSinceCheck;
    } else if (fault.error != 0) {
        text += "\r" + std::generic_category().message(fault.error);
    }
    return text;
}

// A build whose own first check failed (files changed since the list was checked) shows the
// check report, as the check before the transfer does; otherwise the store's message.
void TransferCommand::TellMusicOutcome() {
    CMusicData& music = m_stores.music;
    const int code = music.ResultCode();
    if (code == CMusicData::kNoPlayList || code == CMusicData::kEmptyPlayList ||
        code == CMusicData::kMusicFileMissing) {
        m_prompts.ShowCheckReport(music);
    } else {
        m_prompts.Tell(MusicFailureText());
    }
}

// After a transfer: how many tracks went without their mood analysis, and the first of them.
void TransferCommand::TellLostAnalyses() {
    const auto& lost = m_stores.music.LostAnalyses();
    if (lost.empty()) return;
    constexpr std::size_t kListed = 5;
    std::string text = std::to_string(lost.size()) + kAnalysisLost + "\r";
    for (std::size_t i = 0; i < lost.size() && i < kListed; ++i)
        text += "\r" + std::filesystem::path(lost[i].path).filename().string();
    if (lost.size() > kListed) text += "\r…";
    m_prompts.Tell(text);
}

TransferCommand::Outcome TransferCommand::CopyToDrive(int mode, const std::string& folder) {
    const std::string drive = m_prompts.ChooseDrive(mode);
    if (drive.empty()) {
        if (m_hooks.broadcastUpdate) m_hooks.broadcastUpdate();
        return Outcome::NotStarted;
    }
    CTransferData& store = StoreOf(mode);
    if (mode == kMusic) {
        if (m_progress.Begin(true) && RunBuildJob(folder)) CopyStepLoop(store, folder, drive);
        m_progress.End();
    } else {
        const bool written = mode == kMyDb ? m_stores.myDb.WriteForMedia(folder)
                                           : m_stores.points.WriteForMedia(folder);
        if (written && m_progress.Begin(false)) {
            CopyStepLoop(store, folder, drive);
            m_progress.End();
            if (mode == kPoints && store.ResultCode() == 0) {
                // The points are on the card now, not yet on the unit; the PC file is unsaved
                // as before.
                const bool modified = m_stores.points.IsModified();
                m_stores.points.MarkSaved();
                m_stores.points.SetModified(modified);
            }
        }
    }
    const Outcome outcome = CopyOutcome(store);
    if (mode == kMusic) {
        TellMusicOutcome();
    } else {
        m_prompts.Tell(store.ErrorText());
    }
    if (m_hooks.broadcastUpdate) m_hooks.broadcastUpdate();
    return outcome;
}

void TransferCommand::CopyStepLoop(CTransferData& store, const std::string& folder,
                                   const std::string& drive) {
    m_progress.SetTitle(kCopyTitle);
    m_progress.SetMessage(kCopyMessage);
    m_progress.SetRange(0, 100);
    m_progress.SetPos(0);
    store.SetCompletionPause(m_pause);
    store.CopyToMedia(folder, drive, &m_progress, &m_progress.CancelEvent());
    while (store.Step()) {
        std::this_thread::yield();
        m_progress.Pump();
    }
}

TransferCommand::Outcome TransferCommand::CopyOutcome(CTransferData& store) {
    if (store.ResultCode() == CTransferData::kOk) return Outcome::Done;
    if (store.ResultCode() == CTransferData::kCancelled) return Outcome::Cancelled;
    return Outcome::Failed;
}
