// The point view's commands on files and on the unit: open, save, new document, fetch and clear.
#include <points/view/PointCommands.h>

#include <points/view/PointListModel.h>
#include <points/view/UnitPointFetch.h>

#include <points/CPointData.h>

#include <shell/gui/AppData.h>
#include <shell/gui/FileDialog.h>
#include <shell/gui/MessageDlg.h>

#include <QFileInfo>

namespace {

const QString kSaveQuestion =
    QStringLiteral("保存されていないデータがあります。\r\r保存しますか？");
const QString kDiscardQuestion = QStringLiteral("更新は失われますがよろしいですか？");
const QString kTooManyQuestion = QStringLiteral(
    "データ件数が200件を超えますので、編集中のデータを消去します。\r\r編集中のデータを保存しますか"
    "？");

}  // namespace

void PointCommands::RememberPointFile(const QString& path) {
    const QFileInfo file(path);
    m_app.m_Settings.ptFileSpec = file.fileName().toStdString();
    m_app.m_Settings.ptIniFolder = (file.absolutePath() + QLatin1Char('/')).toStdString();
}

bool PointCommands::SaveFirst() {
    if (!m_app.m_PointData.IsModified()) return true;
    switch (ShowMessage(kSaveQuestion, CMessageDlg::kYesNoCancel)) {
        case CMessageDlg::kYes:
            Save(points::CPointData::kSelectListed);
            return !m_app.m_PointData.IsModified();
        case CMessageDlg::kNo:
            return true;
        default:
            return false;
    }
}

void PointCommands::Open(int mode) {
    if (!SaveFirst()) return;
    points::CPointData& store = m_app.m_PointData;
    QString path = QString::fromStdString(m_app.m_Settings.ptFileSpec);
    if (!CFileDialog::FileNameDlg(m_owner, CFileDialog::kPointFile, 1,
                                  QString::fromStdString(m_app.m_Settings.ptIniFolder), path)) {
        return;
    }
    if (store.ReadPointFile(path.toStdString(), mode)) {
        RememberPointFile(path);
        m_model.ClearRows();
    } else {
        ShowStoreError();
    }
    m_model.Update();
}

bool PointCommands::Save(int selection) {
    points::CPointData& store = m_app.m_PointData;
    if (!store.Check(m_app.m_UsbState ? 1 : 2)) {
        ShowStoreError();
        return false;
    }
    QString path = QString::fromStdString(m_app.m_Settings.ptFileSpec);
    if (!CFileDialog::FileNameDlg(m_owner, CFileDialog::kPointFile, 0,
                                  QString::fromStdString(m_app.m_Settings.ptIniFolder), path)) {
        return false;
    }
    const bool written = store.WritePointFile(path.toStdString(), selection);
    if (written) {
        RememberPointFile(path);
    } else {
        ShowStoreError();
    }
    m_model.Update();
    return written;
}

void PointCommands::NewDocument() {
    points::CPointData& store = m_app.m_PointData;
    if (store.IsModified() &&
        ShowMessage(kDiscardQuestion, CMessageDlg::kYesNo) != CMessageDlg::kYes) {
        return;
    }
    store.DeletePcPoints();
    if (m_app.m_UsbState) {
        Fetch();
        return;
    }
    m_model.ClearRows();
    m_model.Update();
}

void PointCommands::ClearNavi() {
    m_app.m_PointData.DeleteUnitPoints();
    m_app.m_PointData.SetTransferAllowed(false);
    m_model.ClearRows();
    m_model.Update();
}

void PointCommands::Fetch() {
    if (!m_app.m_UsbState || !m_makeFetch) return;
    points::CPointData& store = m_app.m_PointData;
    bool staged = false;
    {
        const std::unique_ptr<UnitPointFetch> fetch = m_makeFetch();
        switch (fetch->Run()) {
            case UnitPointFetch::Result::NotStarted:
                return;
            case UnitPointFetch::Result::Failed:
                store.DeleteUnitPoints();
                store.SetTransferAllowed(false);
                m_model.ClearRows();
                break;
            case UnitPointFetch::Result::Fetched: {
                int count = 0;
                staged = fetch->Stage(count);
                if (staged) {
                    MergeFetched(*fetch, count);
                } else {
                    ShowStoreError();
                }
                break;
            }
        }
    }  // the work folder goes with the fetch
    if (staged) m_model.ClearRows();
    m_model.Update();
}

bool PointCommands::MergeFetched(UnitPointFetch& fetch, int count) {
    points::CPointData& store = m_app.m_PointData;
    if (!store.CanAddPoints(count)) {
        switch (ShowMessage(kTooManyQuestion, CMessageDlg::kYesNoCancel)) {
            case CMessageDlg::kYes:
                store.SetModified(true);
                Save(points::CPointData::kSelectListed);
                if (store.IsModified()) return false;
                break;
            case CMessageDlg::kNo:
                break;
            default:
                return false;
        }
        store.DeletePcPoints();
    }
    if (fetch.Merge()) return true;
    ShowStoreError();
    return false;
}
