#include <shell/gui/Accelerators.h>

#include <shell/CommandIds.h>

#include <QKeyEvent>

namespace {

constexpr auto kCtrl = Qt::ControlModifier;
constexpr auto kAlt = Qt::AltModifier;
constexpr auto kShiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
constexpr auto kNone = Qt::NoModifier;

}  // namespace

const std::vector<CAccelerators::Entry>& CAccelerators::MainTable() {
    static const std::vector<Entry> table = {
        {kCtrl | Qt::Key_A, cmd::kPointsSaveAll},
        {kCtrl | Qt::Key_C, cmd::kEditCopy},
        {kCtrl | Qt::Key_N, cmd::kPointsLoadNew},
        {kCtrl | Qt::Key_O, cmd::kFileOpen},
        {kCtrl | Qt::Key_S, cmd::kFileSave},
        {kCtrl | Qt::Key_V, cmd::kEditPaste},
        {kCtrl | Qt::Key_X, cmd::kEditCut},
        {kAlt | Qt::Key_F, cmd::kMenuFile},
        {kAlt | Qt::Key_E, cmd::kMenuEdit},
        {kAlt | Qt::Key_V, cmd::kMenuView},
        {kAlt | Qt::Key_H, cmd::kMenuHelp},
        {kNone | Qt::Key_Delete, cmd::kEditClear},
        {kShiftCtrl | Qt::Key_Delete, cmd::kRowDelete},
        {kShiftCtrl | Qt::Key_Insert, cmd::kRowInsert},
        {kAlt | Qt::Key_Up, cmd::kMoveUp},
        {kAlt | Qt::Key_Down, cmd::kMoveDown},
        {kNone | Qt::Key_Return, cmd::kEdit},
        {kAlt | Qt::Key_Return, cmd::kProperties},
        {kNone | Qt::Key_F5, cmd::kRefresh},
        {kNone | Qt::Key_F6, cmd::kModeMusic},
        {kNone | Qt::Key_F7, cmd::kModeMyDb},
        {kNone | Qt::Key_F8, cmd::kModePoints},
    };
    return table;
}

std::optional<int> CAccelerators::Lookup(QKeyCombination keys) {
    Qt::Key key = keys.key();
    if (key == Qt::Key_Enter) key = Qt::Key_Return;
    const Qt::KeyboardModifiers modifiers =
        keys.keyboardModifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier);
    for (const Entry& entry : MainTable()) {
        if (entry.keys.key() == key && entry.keys.keyboardModifiers() == modifiers) {
            return entry.command;
        }
    }
    return std::nullopt;
}

std::optional<int> CAccelerators::Lookup(const QKeyEvent& event) {
    return Lookup(QKeyCombination(event.modifiers(), static_cast<Qt::Key>(event.key())));
}

bool CAccelerators::ReachesFrameWhileEditing(QKeyCombination keys) {
    const Qt::Key key = keys.key();
    return keys.keyboardModifiers().testFlag(Qt::AltModifier) ||
           (key >= Qt::Key_F1 && key <= Qt::Key_F35);
}
