// The point view's command routing and enabling rules, and the commands on single points. The
// file, fetch and map commands are in PointCommandsFiles.cpp and PointCommandsMap.cpp.
#include <points/view/PointCommands.h>

#include <points/view/PointDialogs.h>
#include <points/view/PointListModel.h>

#include <points/CPointData.h>

#include <outside/Atlasgate.h>
#include <shell/CommandIds.h>
#include <shell/Mode.h>
#include <shell/gui/AppData.h>
#include <shell/gui/MessageDlg.h>

const char* const PointCommands::kPropertiesText = "ﾌﾟﾛﾊﾟﾃｨ(&R)\tAlt+Enter";
const char* const PointCommands::kNewPointText = "新規地点登録(&N)\tAlt+Enter";

namespace {

constexpr int kPointMode = ModeIndex(Mode::Points);

}  // namespace

PointCommands::PointCommands(CAppData& app, PointListModel& model, QWidget* owner, ListHooks hooks)
    : m_app(app), m_model(model), m_owner(owner), m_hooks(std::move(hooks)) {
    SetDialogs(nullptr);
}

PointCommands::~PointCommands() = default;

void PointCommands::SetDialogs(std::unique_ptr<points::NewPointDialogs> dialogs) {
    if (!dialogs) {
        dialogs = std::make_unique<PointDialogs>(m_app.m_PointData, m_app.m_Settings, m_owner,
                                                 [this] { return m_model.GroupNames(); });
    }
    m_dialogs = std::move(dialogs);
}

bool PointCommands::PointModeActive() const {
    return m_app.m_Settings.view == kPointMode;
}

int PointCommands::SelectedRow() const {
    const int row = m_hooks.selectedRow ? m_hooks.selectedRow() : -1;
    return row >= 0 && row < m_model.rowCount() ? row : -1;
}

int PointCommands::SelectedSlot() const {
    return m_model.SlotAt(SelectedRow());
}

bool PointCommands::AnyChangedPoint() const {
    for (int slot : m_model.Rows().Slots())
        if (m_app.m_PointData.GetPointState(slot) == points::kStateChanged) return true;
    return false;
}

void PointCommands::ShowStoreError() const {
    ShowMessage(QString::fromStdString(m_app.m_PointData.ErrorText()), CMessageDlg::kInformation);
}

// ---------------------------------------------------------------- routing

bool PointCommands::onCommand(int id) {
    // Always, whichever mode is active.
    switch (id) {
        case cmd::kInit:
        case cmd::kUpdate:
            m_model.Update();
            return true;
        case cmd::kSavePt:
            Save(points::CPointData::kSelectListed);
            return true;
        case cmd::kClearNavi:
            ClearNavi();
            return true;
        case cmd::kFetch:
            Fetch();
            return true;
        case cmd::kForceOrvane:
            if (CAtlasgate::IsInstalled()) {
                std::int32_t longitude = 0, latitude = 0;
                CAtlasgate::GetLonLat(&longitude, &latitude);
            }
            return true;
        default:
            break;
    }
    if (!PointModeActive()) return false;
    switch (id) {
        case cmd::kRefresh:
            m_model.ClearRows();
            m_model.Update();
            return true;
        case cmd::kFileNew:
            NewDocument();
            return true;
        case cmd::kFileOpen:
            Open(points::CPointData::kAddToPcPoints);
            return true;
        case cmd::kPointsLoadNew:
            Open(points::CPointData::kReplacePcPoints);
            return true;
        case cmd::kFileSave:
            Save(points::CPointData::kSelectChanged);
            return true;
        case cmd::kPointsSaveAll:
            Save(points::CPointData::kSelectListed);
            return true;
        case cmd::kEdit:
            if (SelectedRow() >= 0 && m_hooks.editRow) m_hooks.editRow(SelectedRow());
            return true;
        case cmd::kEditClear:
            DeleteRow();
            return true;
        case cmd::kEditCopy:
            CopyRow();
            return true;
        case cmd::kEditCut:
            CopyRow();
            DeleteRow();
            return true;
        case cmd::kEditPaste:
            Paste();
            return true;
        case cmd::kProperties:
            Properties();
            return true;
        case cmd::kPointNew:
            if (m_hooks.selectRow) m_hooks.selectRow(-1);
            Properties();
            return true;
        case cmd::kShowOnMap:
            ShowOnMap();
            return true;
        case cmd::kTakeFromMap:
            TakeFromMap();
            return true;
        default:
            return false;
    }
}

std::optional<bool> PointCommands::commandEnabled(int id) {
    switch (id) {
        case cmd::kUpdate:
        case cmd::kSavePt:
        case cmd::kClearNavi:
        case cmd::kForceOrvane:
            return true;
        case cmd::kFetch:
            return PointModeActive() && m_app.m_UsbState != 0;
        default:
            break;
    }
    if (!PointModeActive()) return std::nullopt;
    const bool selected = SelectedRow() >= 0;
    switch (id) {
        case cmd::kRefresh:
        case cmd::kFileNew:
        case cmd::kFileOpen:
        case cmd::kPointsLoadNew:
        case cmd::kProperties:
        case cmd::kPointNew:
            return true;
        case cmd::kFileSave:
            return AnyChangedPoint();
        case cmd::kPointsSaveAll:
            return m_model.rowCount() > 0;
        case cmd::kEdit:
        case cmd::kEditClear:
        case cmd::kEditCopy:
        case cmd::kEditCut:
            return selected;
        case cmd::kEditPaste:
            return HasClip() && (selected || m_model.rowCount() == 0);
        case cmd::kShowOnMap:
            return CAtlasgate::IsInstalled() != 0 && selected;
        case cmd::kTakeFromMap:
            return CAtlasgate::IsInstalled() != 0;
        default:
            return std::nullopt;
    }
}

std::optional<std::string> PointCommands::commandText(int id) {
    if (id != cmd::kProperties || !PointModeActive()) return std::nullopt;
    return SelectedRow() >= 0 ? kPropertiesText : kNewPointText;
}

// ---------------------------------------------------------------- single points

void PointCommands::Properties() {
    const int row = SelectedRow();
    if (row >= 0) {
        EditPoint(row);
    } else {
        NewPoint(points::NewPointStart::Choice);
    }
}

void PointCommands::NewPoint(points::NewPointStart start) {
    points::CPointData& store = m_app.m_PointData;
    const int slot = store.FindFreeSlot();
    if (slot < 0) {
        ShowStoreError();
        return;
    }
    auto entry = std::make_unique<points::PointEntry>();
    store.GetPoint(slot, entry.get());
    if (!points::RunNewPointFlow(*m_dialogs, *entry, start)) return;
    if (!store.PutPoint(slot, entry.get())) {
        ShowStoreError();
        return;
    }
    m_model.AppendSlot(slot);
}

void PointCommands::EditPoint(int row) {
    points::CPointData& store = m_app.m_PointData;
    const int slot = m_model.SlotAt(row);
    auto entry = std::make_unique<points::PointEntry>();
    if (store.GetPoint(slot, entry.get()) != 2) return;
    if (!m_dialogs->PointData(*entry)) return;
    store.PutPoint(slot, entry.get());
    m_model.Update();
}

void PointCommands::DeleteRow() {
    const int row = SelectedRow();
    if (row < 0) return;
    m_app.m_PointData.DeletePoint(m_model.SlotAt(row));
    m_model.RemoveRow(row);
}

void PointCommands::CopyRow() {
    const int slot = SelectedSlot();
    if (slot < 0) return;
    auto clip = std::make_unique<points::PointClip>();
    if (m_app.m_PointData.CopyPoint(slot, clip.get())) m_clip = std::move(clip);
}

void PointCommands::Paste() {
    if (!m_clip) return;
    points::CPointData& store = m_app.m_PointData;
    const int row = std::max(SelectedRow(), 0);
    const int slot = store.FindFreeSlot();
    if (slot < 0 || !store.PastePoint(slot, m_clip.get())) {
        ShowStoreError();
        return;
    }
    // The clip stays: pasting again makes another copy.
    m_model.InsertSlot(row, slot);
}
