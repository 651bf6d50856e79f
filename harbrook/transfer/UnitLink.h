#pragma once
// The transfers over USB through the transfer library: the send loop (one Trans call, then the
// library's messages turned into the progress window's counter and bar until the transfer ends;
// a busy unit is asked again) and the fetch loop that brings the unit's points into the work
// folder.
#include <chrono>
#include <string>

class CTransferData;
class TransferProgress;
class TransferPrompts;

namespace points {
class CPointData;
}

class UnitLink {
public:
    using TransCall = int (*)();

    static constexpr const char* kSendTitle = "転送中";
    static constexpr const char* kSendMessage =
        "ナビゲーションのＨＤＤへデータを転送中です。\r\rしばらくお待ちください。";
    static constexpr const char* kFetchMessage =
        "ナビゲーションのＨＤＤからデータを転送中です。\r\rしばらくお待ちください。";
    // The pause with the full bar after a successful send.
    static constexpr std::chrono::milliseconds kFinishPause{300};

    UnitLink(TransferProgress& progress, TransferPrompts& prompts)
        : m_progress(progress), m_prompts(prompts) {}

    // Sends the work folder (given to the library before) with `trans`; the store's transfer file
    // names drive the counter. On failure the window is closed and the library's text shown.
    bool Send(const CTransferData& store, TransCall trans);
    // Fetches the unit's point files into the work folder given to the library before; the store
    // lists the files it expects.
    bool Fetch(points::CPointData& store);

    // The library's last result (0 after success).
    unsigned LastResult() const { return m_result; }
    // True when the user cancelled during the last transfer.
    bool Cancelled() const { return m_cancelled; }
    void SetFinishPause(std::chrono::milliseconds pause) { m_finishPause = pause; }

private:
    struct Loop;
    bool Run(Loop& loop);
    void TakeMessages(Loop& loop);
    void OnFileProgress(Loop& loop, const char* path, int percent);
    void Idle(const Loop& loop);
    bool Fail();

    TransferProgress& m_progress;
    TransferPrompts& m_prompts;
    unsigned m_result = 0;
    bool m_cancelled = false;
    std::chrono::milliseconds m_finishPause = kFinishPause;
};
