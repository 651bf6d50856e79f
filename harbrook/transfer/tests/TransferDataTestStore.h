#pragma once
// A minimal data store for the copier tests: pairs and transfer names are given directly.
#include <transfer/TransferData.h>

#include <chrono>
#include <string>
#include <vector>

class TestStore : public CTransferData {
public:
    TestStore() { SetCompletionPause(std::chrono::milliseconds(0)); }

    bool Load(const std::string&) override { return true; }
    bool Save(const std::string&) override { return true; }

    void AddPair(const std::string& source, const std::string& dest) {
        m_SourcePaths.push_back(source);
        m_DestPaths.push_back(dest);
    }
    void SetNames(std::vector<std::string> names) { m_TransferFileNames = std::move(names); }
    void Fail(int code) { SetResultCode(code); }
    void UseKernelCopy(bool on) { AllowKernelCopy(on); }
    int Append(const std::string& text) { return AddErrorText(text); }

    // Steps until the copy ends; returns the number of Step() calls (capped against hangs).
    int RunToEnd() {
        int steps = 1;
        while (Step() && steps < 100000) ++steps;
        return steps;
    }
};
