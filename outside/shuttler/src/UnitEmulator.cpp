#include "UnitEmulator.h"

#include "TransferJob.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace shuttler {

namespace {

// Faults for trying the user interface by hand: $HARBROOK_SHUTTLER_FAULTS holds
// "busy=N,fail=N,code=N,delay=MS" (any subset, comma-separated).
ShuttlerFaults faultsFromEnvironment() {
    ShuttlerFaults faults;
    const char* spec = std::getenv("HARBROOK_SHUTTLER_FAULTS");
    std::string text = spec ? spec : "";
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        std::string item = text.substr(start, end - start);
        start = end + 1;
        std::size_t equals = item.find('=');
        if (equals == std::string::npos) continue;
        std::string key = item.substr(0, equals);
        long value = std::strtol(item.c_str() + equals + 1, nullptr, 10);
        if (key == "busy") faults.busyCount = static_cast<int>(value);
        if (key == "fail") faults.failAfterFiles = static_cast<int>(value);
        if (key == "code") faults.failCode = static_cast<unsigned>(value);
        if (key == "delay") faults.chunkDelay = std::chrono::milliseconds(value);
    }
    return faults;
}

}  // namespace

UnitEmulator& UnitEmulator::instance() {
    static UnitEmulator emulator;
    return emulator;
}

UnitEmulator::~UnitEmulator() { release(); }

int UnitEmulator::initialize(platform::MessageTarget* target, int log) {
    m_queue.setTarget(target);
    m_log = log != 0;
    m_initialized = true;
    m_faults = faultsFromEnvironment();
    if (m_log) std::fprintf(stderr, "shuttler: unit folder \"%s\"\n", unitFolder().c_str());
    return 1;
}

void UnitEmulator::release() {
    stop();
    joinWorker(true);
    m_queue.clear();
    m_queue.setTarget(nullptr);
    m_initialized = false;
}

std::string UnitEmulator::unitFolder() const {
    if (!m_unitFolder.empty()) return m_unitFolder;
    const char* env = std::getenv("HARBROOK_UNIT_DIR");
    return env ? std::string(env) : std::string();
}

bool UnitEmulator::connected() const {
    std::string folder = unitFolder();
    std::error_code ec;
    return !folder.empty() && fs::is_directory(folder, ec);
}

void UnitEmulator::setWorkFolder(const char* folder) {
    m_workFolder = folder ? folder : "";
    if (!m_workFolder.empty() && m_workFolder.back() != '/') m_workFolder += '/';
}

TransferPlan UnitEmulator::planFor(TransferKind kind) const {
    const fs::path unit = unitFolder();
    const fs::path work = m_workFolder;
    switch (kind) {
    case TransferKind::MusicToNavi:
        return planMusicSend(unit, work);
    case TransferKind::MyDbToNavi:
        return planMyDbSend(unit, work);
    case TransferKind::MapToNavi:
        return planPointSend(unit, work);
    case TransferKind::MapToPc:
        return planPointFetch(unit, work);
    }
    return {};
}

int UnitEmulator::refuse(unsigned code) {
    if (m_log) std::fprintf(stderr, "shuttler: refused with %u\n", code);
    m_queue.push(CShuttler::kMsgResult, code);
    m_queue.push(CShuttler::kMsgEnd, 0);
    return 0;
}

int UnitEmulator::start(TransferKind kind) {
    joinWorker(false);
    // A transfer still running: the caller did not wait for its end; report busy (its own
    // messages stay queued).
    if (m_worker.joinable()) return refuse(CShuttler::kBusy);
    m_queue.clear();  // the previous transfer's records end here
    if (!m_initialized) return refuse(CShuttler::kNotInitialized);
    if (m_faults.busyCount > 0) {
        --m_faults.busyCount;
        return refuse(CShuttler::kBusy);
    }
    if (!connected()) return refuse(CShuttler::kNotConnected);
    if (m_workFolder.empty()) return refuse(CShuttler::kNoSource);

    ShuttlerFaults faults = m_faults;
    m_faults.failAfterFiles = -1;  // a failure is injected once
    m_stop = false;
    m_ended = false;
    m_worker = std::thread([this, plan = planFor(kind), faults, log = m_log]() mutable {
        TransferJob job(std::move(plan), m_queue, m_stop, faults, log);
        unsigned result = job.run();
        if (log) std::fprintf(stderr, "shuttler: result %u\n", result);
        m_ended = true;
        m_queue.push(CShuttler::kMsgResult, result);
        m_queue.push(CShuttler::kMsgEnd, 0);
    });
    return 1;
}

void UnitEmulator::stop() {
    m_stop = true;
    joinWorker(false);
}

void UnitEmulator::joinWorker(bool wait) {
    if (m_worker.joinable() && (wait || m_ended)) m_worker.join();
}

}  // namespace shuttler
