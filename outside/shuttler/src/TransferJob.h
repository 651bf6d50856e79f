#pragma once
// One transfer as the worker thread runs it: copies the plan's files in chunks, reports each
// file's progress, honours a stop request and injected faults, then lands the set.
#include "MessageQueue.h"
#include "TransferPlan.h"

#include <outside/Shuttler.h>

#include <atomic>
#include <cstddef>

namespace shuttler {

class TransferJob {
public:
    TransferJob(TransferPlan plan, MessageQueue& queue, const std::atomic<bool>& stop,
                ShuttlerFaults faults, bool log);

    // Returns the result code; the caller queues kMsgResult and kMsgEnd.
    unsigned run();

private:
    unsigned copyAll();
    unsigned copyFile(const FilePair& pair);
    unsigned copyChunks(int source, int dest, std::int64_t length, const FilePair& pair);
    bool stopRequested() const;

    TransferPlan m_plan;
    MessageQueue& m_queue;
    const std::atomic<bool>& m_stop;
    ShuttlerFaults m_faults;
    bool m_log;
};

}  // namespace shuttler
