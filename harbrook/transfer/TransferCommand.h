#pragma once
// The transfer command: sends the active mode's data (music, myDB or points) to the unit over
// USB, or copies it to a removable drive the user picks when no unit is connected. Every run
// builds the unit's files in a fresh work folder, which is deleted on every path.
#include <chrono>
#include <functional>
#include <string>

class AppSettings;
class CMusicData;
class CMyDbData;
class CTransferData;
class TransferProgress;
class TransferPrompts;
class WorkFolder;

namespace points {
class CPointData;
}

class TransferCommand {
public:
    static constexpr const char* kSpaceQuestion =
        "作業ドライブ容量が十分でない可能性があります。\r\r続行しますか？";
    static constexpr const char* kDetectTitle = "曲調検出中";
    static constexpr const char* kDetectMessage =
        "曲調検出中です。\r\rしばらくお待ちください。";
    static constexpr const char* kPrepareTitle = "転送準備中";
    static constexpr const char* kPrepareMessage =
        "転送準備中です。\r\rしばらくお待ちください。";
    static constexpr const char* kCopyTitle = "転送中";
    static constexpr const char* kCopyMessage =
        "リムーバブルメディアへデータを転送中です。\r\rしばらくお待ちください。";
    static constexpr const char* kFolderFailed = "ファイルが書き込めません。";
    // Added to a failed music build's message under the file it names, and the summary of the
    // tracks sent without their mood analysis (the number first).
    static constexpr const char* kChangedSinceCheck = "チェック後に変更されたファイルです。";
    static constexpr const char* kAnalysisLost =
        "曲の曲調検出ができませんでした。\rこれらの曲は曲調検出なしで転送されました。";

    enum class Outcome {
        NotStarted,  // the user declined, the data failed its check or no drive was chosen
        Done,        // sent or copied
        Failed,      // the reason has been shown
        Cancelled,
    };

    struct Stores {
        CMusicData& music;
        CMyDbData& myDb;
        points::CPointData& points;
    };
    struct Hooks {
        std::function<bool()> usbConnected;
        std::function<void()> refresh;          // points sent: the frame re-reads the view
        std::function<void()> broadcastUpdate;  // after a copy attempt: every view redraws
    };

    TransferCommand(Stores stores, AppSettings& settings, TransferProgress& progress,
                    TransferPrompts& prompts, Hooks hooks);

    // Runs the whole command for mode 0 (music), 1 (myDB) or 2 (points).
    Outcome Run(int mode);

    // Where the work folder goes instead of the setting's choice (the command line).
    void SetWorkBase(std::string folder) { m_workBase = std::move(folder); }
    // Pauses with a full bar (0 for tests and the command line).
    void SetPauses(std::chrono::milliseconds pause) { m_pause = pause; }

private:
    bool PrepareFolder(WorkFolder& folder);
    bool Validate(int mode, bool usb);
    CTransferData& StoreOf(int mode);
    Outcome SendOverUsb(int mode, const std::string& folder);
    Outcome CopyToDrive(int mode, const std::string& folder);
    bool RunBuildJob(const std::string& folder);
    std::string MusicFailureText() const;
    void TellMusicOutcome();
    void TellLostAnalyses();
    Outcome Send(const CTransferData& store, int (*trans)());
    void CopyStepLoop(CTransferData& store, const std::string& folder, const std::string& drive);
    Outcome CopyOutcome(CTransferData& store);

    Stores m_stores;
    AppSettings& m_settings;
    TransferProgress& m_progress;
    TransferPrompts& m_prompts;
    Hooks m_hooks;
    std::string m_workBase;
    std::chrono::milliseconds m_pause{300};
};
