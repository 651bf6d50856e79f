#pragma once
// A progress window and prompts for transfer tests: the progress window records what it shows
// and can press its cancel button after a number of pumps; the prompts answer from a script.
#include <transfer/TransferProgress.h>
#include <transfer/TransferPrompts.h>

#include <points/CPointData.h>

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

class RecordingProgress : public TransferProgress {
public:
    std::vector<std::string> titles;
    std::vector<std::string> counters;
    std::vector<int> positions;
    int begun = 0;
    int ended = 0;
    int pumps = 0;
    int cancelAtPump = -1;  // presses cancel at this pump

protected:
    bool OnBegin(bool) override {
        ++begun;
        return true;
    }
    void OnEnd() override { ++ended; }
    void Refresh() override {
        const ProgressModel& m = Model();
        if (titles.empty() || titles.back() != m.Title()) titles.push_back(m.Title());
        const std::string counter = m.CounterText();
        if (!counter.empty() && (counters.empty() || counters.back() != counter))
            counters.push_back(counter);
        if (positions.empty() || positions.back() != m.Position()) positions.push_back(m.Position());
    }
    void ProcessEvents() override {
        if (++pumps == cancelAtPump) RequestCancel();
    }
};

class ScriptedPrompts : public TransferPrompts {
public:
    std::deque<int> answers;  // answers to questions; Yes when empty
    std::vector<std::string> shown;
    std::string drive;
    int reports = 0;

    int Ask(const std::string& text, int type) override {
        shown.push_back(text);
        if (type == kTypeOk) return kOk;
        if (answers.empty()) return kYes;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowCheckReport(CMusicData&) override { ++reports; }
    std::string ChooseDrive(int) override { return drive; }
};

// Adds a point named `name` in the lowest free slot of `store`; the slot, or -1.
inline int addTestPoint(points::CPointData& store, const char* name) {
    points::PointEntry entry{};
    std::snprintf(entry.name, sizeof entry.name, "%s", name);
    entry.longitude = 503083400;
    entry.latitude = 128371000;
    const int slot = store.FindFreeSlot();
    return store.PutPoint(slot, &entry) ? slot : -1;
}
