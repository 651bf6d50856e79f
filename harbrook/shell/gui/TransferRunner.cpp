#include <shell/gui/TransferRunner.h>

#include <shell/CommandIds.h>
#include <shell/gui/AppData.h>
#include <shell/gui/DialogPrompts.h>
#include <shell/gui/TransferProgressDlg.h>

#include <transfer/TransferCommand.h>

#include <ui/SkinContext.h>

#include <QWidget>

void CTransferRunner::Run(int mode) {
    // The progress window opens over the main frame and disables it while it is open.
    CTransferProgressDlg progress(m_frame);
    DialogPrompts prompts(m_data);
    CAppData& data = m_data;
    TransferCommand command({data.m_MusicData, data.m_MyDbData, data.m_PointData},
                            data.m_Settings, progress, prompts,
                            {[&data] { return data.m_UsbState != 0; },
                             [] { ui::SkinContext::SendCommand(cmd::kRefresh); },
                             [&data] { data.BroadcastUpdate(nullptr); }});
    command.Run(mode);
}
