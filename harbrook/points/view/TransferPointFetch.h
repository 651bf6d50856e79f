#pragma once
// The point view's fetch over USB: the transfer library's fetch loop with the progress window
// over the point view and the program's dialogs; the work folder lives as long as this object.
#include <points/view/UnitPointFetch.h>

#include <shell/gui/DialogPrompts.h>
#include <shell/gui/TransferProgressDlg.h>
#include <transfer/PointFetch.h>

class CAppData;
class QWidget;

class TransferPointFetch : public UnitPointFetch {
public:
    TransferPointFetch(CAppData& app, QWidget* view);

    Result Run() override;
    bool Stage(int& count) override { return m_fetch.Stage(count); }
    bool Merge() override { return m_fetch.Merge(); }

private:
    CTransferProgressDlg m_progress;
    DialogPrompts m_prompts;
    PointFetch m_fetch;
};
