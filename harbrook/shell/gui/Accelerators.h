#pragma once
// The frame's accelerator table: key combinations that send a command while no menu is open and
// the frame is enabled.
#include <QKeyCombination>

#include <optional>
#include <vector>

class QKeyEvent;

class CAccelerators {
public:
    struct Entry {
        QKeyCombination keys;
        int command;
    };

    // Table 128 of the main frame.
    static const std::vector<Entry>& MainTable();

    // The command bound to a key combination, if any. The keypad's modifier is ignored, so the
    // keypad's Enter and Delete count as the main keys.
    static std::optional<int> Lookup(QKeyCombination keys);
    static std::optional<int> Lookup(const QKeyEvent& event);

    // While a text or choice editor has the focus it keeps its own keys (Enter, Delete, Ctrl+C,
    // ...); only Alt combinations and function keys still reach the frame.
    static bool ReachesFrameWhileEditing(QKeyCombination keys);
};
