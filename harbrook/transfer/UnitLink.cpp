#include "transfer/UnitLink.h"

#include "transfer/TransferData.h"
#include "transfer/TransferProgress.h"
#include "transfer/TransferPrompts.h"

#include <points/CPointData.h>

#include <outside/Shuttler.h>

#include <cstring>
#include <thread>

struct UnitLink::Loop {
    TransCall trans = nullptr;
    const CTransferData* store = nullptr;
    points::CPointData* fetchStore = nullptr;  // fetch: rebuilds the list from a received path
    std::chrono::milliseconds pollSleep{1};
    std::string current;   // the transfer file name being counted
    int base = 0;          // its position: 10 x its index
    bool counting = true;  // fetch: false until a file other than the first arrives
    std::string first;

    const std::vector<std::string>& Names() const { return store->TransferFileNames(); }
    int Count() const { return static_cast<int>(Names().size()); }
};

bool UnitLink::Send(const CTransferData& store, TransCall trans) {
    Loop loop;
    loop.trans = trans;
    loop.store = &store;
    m_progress.SetTitle(kSendTitle);
    m_progress.SetMessage(kSendMessage);
    m_progress.SetRange(0, 10 * loop.Count());
    m_progress.SetPos(0);
    m_progress.SetCounter(1, loop.Count());
    if (!Run(loop)) return Fail();
    m_progress.SetRange(0, 1);
    m_progress.SetPos(1);
    m_progress.Repaint();
    std::this_thread::sleep_for(m_finishPause);
    return true;
}

bool UnitLink::Fetch(points::CPointData& store) {
    Loop loop;
    loop.trans = &CShuttler::TransMapToPc;
    loop.store = &store;
    loop.fetchStore = &store;
    loop.pollSleep = std::chrono::milliseconds(10);
    loop.counting = false;
    store.ListUnitFiles({});
    if (loop.Count() > 0) loop.first = loop.Names().front();
    m_progress.SetTitle(kSendTitle);
    m_progress.SetMessage(kFetchMessage);
    m_progress.SetRange(0, 10 * loop.Count());
    m_progress.SetPos(0);
    return Run(loop) || Fail();
}

// One Trans call per round; a busy unit (8) is asked again until it answers otherwise or the
// user cancels.
bool UnitLink::Run(Loop& loop) {
    m_cancelled = false;
    while (true) {
        // Without a result message the transfer did not succeed.
        m_result = CShuttler::kStopped;
        loop.trans();
        TakeMessages(loop);
        CShuttler::TransStop();
        ShuttlerMsg msg;
        while (ShuttlerGetMessage(&msg)) std::this_thread::yield();
        if (m_result == CShuttler::kOk) return true;
        if (m_result != CShuttler::kBusy) return false;
        Idle(loop);  // a busy unit is asked again after a breath, not in a tight loop
        m_progress.Pump();
        if (m_progress.CancelEvent().isSet()) {
            m_cancelled = true;
            return false;
        }
    }
}

void UnitLink::TakeMessages(Loop& loop) {
    while (true) {
        ShuttlerMsg msg;
        const bool taken = ShuttlerGetMessage(&msg) != 0;
        if (taken && msg.message == CShuttler::kMsgEnd) return;
        if (taken && msg.message == CShuttler::kMsgFileProgress && msg.wParam == 0 &&
            msg.lParam != 0) {
            const auto* record = reinterpret_cast<const ShuttlerFileProgress*>(msg.lParam);
            OnFileProgress(loop, record->path, record->percent);
        } else if (taken && msg.message == CShuttler::kMsgResult) {
            m_result = static_cast<unsigned>(msg.wParam);
        }
        if (!taken) Idle(loop);
        m_progress.Pump();
        if (m_progress.CancelEvent().isSet()) {
            m_cancelled = true;
            CShuttler::TransStop();
        }
    }
}

void UnitLink::Idle(const Loop& loop) { std::this_thread::sleep_for(loop.pollSleep); }

void UnitLink::OnFileProgress(Loop& loop, const char* path, int percent) {
    const std::string fullPath(path, ::strnlen(path, sizeof(ShuttlerFileProgress::path)));
    const std::string_view name = CTransferData::BareFileName(fullPath);
    if (!loop.counting) {
        if (CTransferData::SameFileName(name, loop.first)) return;
        // The second file names where the record file landed: the full list comes from it.
        loop.fetchStore->ListUnitFiles(fullPath);
        m_progress.SetRange(0, 10 * loop.Count());
        loop.counting = true;
    }
    if (!CTransferData::SameFileName(name, loop.current)) {
        const int index = loop.store->FindTransferFileName(name);
        if (index >= 0) {
            m_progress.SetCounter(index + 1, loop.Count());
            loop.current = loop.Names()[static_cast<std::size_t>(index)];
            loop.base = 10 * index;
        }
    }
    if (!loop.current.empty()) m_progress.SetPos(loop.base + percent / 10);
}

bool UnitLink::Fail() {
    m_progress.End();
    const char* text = CShuttler::GetErrorString(m_result);
    if (text && *text) m_prompts.Tell(text);
    return false;
}
