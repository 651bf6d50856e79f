#pragma once
// The transfers' questions and messages answered by the program's dialogs: the message dialog,
// the music check report and the drive dialog over the main frame.
#include <transfer/TransferPrompts.h>

#include <cstdint>
#include <functional>
#include <string>

class CAppData;

class DialogPrompts : public TransferPrompts {
public:
    // Shows the music check report; without one the report's message alone is shown.
    using ReportViewer = std::function<void(CMusicData& music)>;
    static void SetReportViewer(ReportViewer viewer);

    explicit DialogPrompts(CAppData& data) : m_data(data) {}

    int Ask(const std::string& text, int type) override;
    void ShowCheckReport(CMusicData& music) override;
    std::string ChooseDrive(int mode) override;

private:
    CAppData& m_data;
};
