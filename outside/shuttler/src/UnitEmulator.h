#pragma once
// The emulated unit behind CShuttler's static interface: the unit folder, the work folder, the
// worker thread of the running transfer and its message queue. One instance per process.
#include "MessageQueue.h"
#include "TransferPlan.h"

#include <outside/Shuttler.h>

#include <atomic>
#include <string>
#include <thread>

namespace shuttler {

enum class TransferKind { MusicToNavi, MyDbToNavi, MapToNavi, MapToPc };

class UnitEmulator {
public:
    static UnitEmulator& instance();
    ~UnitEmulator();

    int initialize(platform::MessageTarget* target, int log);
    void release();

    void setUnitFolder(const std::string& folder) { m_unitFolder = folder; }
    // The set folder, else $HARBROOK_UNIT_DIR, else empty.
    std::string unitFolder() const;
    bool connected() const;
    void setWorkFolder(const char* folder);

    int start(TransferKind kind);
    void stop();
    bool take(ShuttlerMsg& msg) { return m_queue.take(msg); }
    void injectFaults(const ShuttlerFaults& faults) { m_faults = faults; }

private:
    UnitEmulator() = default;
    TransferPlan planFor(TransferKind kind) const;
    // Queues a result and the end without starting a worker; returns 0.
    int refuse(unsigned code);
    // Joins a worker that has queued its end (or, with `wait`, any worker).
    void joinWorker(bool wait);

    bool m_initialized = false;
    bool m_log = false;
    std::string m_unitFolder;
    std::string m_workFolder;
    ShuttlerFaults m_faults;
    MessageQueue m_queue;
    std::thread m_worker;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_ended{true};
};

}  // namespace shuttler
