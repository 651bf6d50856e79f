#include "SetLanding.h"

#include <outside/Shuttler.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <system_error>

namespace fs = std::filesystem;

namespace shuttler {

namespace {

// Exchanges two existing names in one step; false when the file system cannot do it.
bool exchange(const fs::path& a, const fs::path& b) {
#ifdef RENAME_EXCHANGE
    return ::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0;
#else
    (void)a;
    (void)b;
    errno = EINVAL;
    return false;
#endif
}

}  // namespace

fs::path SetLanding::previousPath() const {
    fs::path old = m_plan.staging;
    old.replace_extension(".shuttler-old");
    return old;
}

unsigned SetLanding::prepare() const {
    if (m_plan.landing == TransferPlan::Landing::Direct) return CShuttler::kOk;
    std::error_code ec;
    // A swap interrupted between its two renames left the previous set under its old name.
    if (!fs::exists(m_plan.target, ec) && fs::exists(previousPath(), ec)) {
        fs::rename(previousPath(), m_plan.target, ec);
    }
    fs::remove_all(previousPath(), ec);
    fs::remove_all(m_plan.staging, ec);
    fs::create_directories(m_plan.target.parent_path(), ec);
    if (ec) return CShuttler::kWriteFailed;
    if (m_plan.landing == TransferPlan::Landing::SwapFolder) {
        fs::create_directory(m_plan.staging, ec);
        if (ec) return CShuttler::kWriteFailed;
    }
    return CShuttler::kOk;
}

void SetLanding::discard() const {
    if (m_plan.landing == TransferPlan::Landing::Direct) return;
    std::error_code ec;
    fs::remove_all(m_plan.staging, ec);
}

unsigned SetLanding::land() const {
    std::error_code ec;
    switch (m_plan.landing) {
    case TransferPlan::Landing::Direct:
        return CShuttler::kOk;
    case TransferPlan::Landing::ReplaceFile:
        fs::rename(m_plan.staging, m_plan.target, ec);
        return ec ? CShuttler::kWriteFailed : CShuttler::kOk;
    case TransferPlan::Landing::SwapFolder:
        return landFolder();
    }
    return CShuttler::kWriteFailed;
}

void SetLanding::keepPreviousFiles() const {
    for (const std::string& name : m_plan.keepFromPrevious) {
        std::error_code ec;
        const fs::path from = m_plan.target / name;
        const fs::path to = m_plan.staging / name;
        if (fs::exists(to, ec) || !fs::is_regular_file(from, ec)) continue;
        // A second name for the same file costs nothing; copy where links are not possible.
        fs::create_hard_link(from, to, ec);
        if (ec) fs::copy_file(from, to, ec);
    }
}

unsigned SetLanding::landFolder() const {
    std::error_code ec;
    if (!fs::exists(m_plan.target, ec)) {
        fs::rename(m_plan.staging, m_plan.target, ec);
        return ec ? CShuttler::kWriteFailed : CShuttler::kOk;
    }
    keepPreviousFiles();
    if (exchange(m_plan.staging, m_plan.target)) {
        fs::remove_all(m_plan.staging, ec);  // now the previous set
        return CShuttler::kOk;
    }
    // Two renames; prepare() of the next transfer repairs a crash between them.
    fs::rename(m_plan.target, previousPath(), ec);
    if (ec) return CShuttler::kWriteFailed;
    fs::rename(m_plan.staging, m_plan.target, ec);
    if (ec) {
        std::error_code restoreError;
        fs::rename(previousPath(), m_plan.target, restoreError);
        return CShuttler::kWriteFailed;
    }
    fs::remove_all(previousPath(), ec);
    return CShuttler::kOk;
}

}  // namespace shuttler
