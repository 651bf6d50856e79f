#include <shell/gui/DialogPrompts.h>

#include <shell/gui/AppData.h>
#include <shell/gui/DriveSelectDlg.h>
#include <shell/gui/MessageDlg.h>

#include <ui/SkinContext.h>

namespace {

DialogPrompts::ReportViewer& reportViewer() {
    static DialogPrompts::ReportViewer viewer;
    return viewer;
}

}  // namespace

void DialogPrompts::SetReportViewer(ReportViewer viewer) { reportViewer() = std::move(viewer); }

int DialogPrompts::Ask(const std::string& text, int type) {
    return ShowMessage(QString::fromStdString(text), type);
}

void DialogPrompts::ShowCheckReport(CMusicData& music) {
    if (reportViewer()) {
        reportViewer()(music);
    } else {
        Tell(music.ErrorText());
    }
}

std::string DialogPrompts::ChooseDrive(int mode) {
    CAppData& data = m_data;
    CDriveSelectDlg dialog(
        [&data, mode](const std::string& root) -> std::uint64_t {
            if (mode == 0) return data.m_MusicData.MediaBytes(root);
            if (mode == 1) return data.m_MyDbData.MediaBytes(root);
            return data.m_PointData.MediaBytes(root);
        },
        ui::SkinContext::MainFrame());
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.Result().toStdString();
}
