#pragma once
// Puts a staged set in place on the unit: a staged folder is swapped with the previous one by
// rename (atomically where the file system can exchange two names), a staged file is renamed
// over the previous file. Until then the unit's previous set is untouched.
#include "TransferPlan.h"

namespace shuttler {

class SetLanding {
public:
    explicit SetLanding(const TransferPlan& plan) : m_plan(plan) {}

    // Clears what an earlier, interrupted transfer left behind and makes room for the staged
    // files. Returns a result code (0 success).
    unsigned prepare() const;
    // Moves the complete staged set into place. Returns a result code (0 success).
    unsigned land() const;
    // Removes the staged files of a transfer that did not complete.
    void discard() const;

private:
    unsigned landFolder() const;
    void keepPreviousFiles() const;
    std::filesystem::path previousPath() const;

    const TransferPlan& m_plan;
};

}  // namespace shuttler
