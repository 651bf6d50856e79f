#pragma once
// CMenuBar: the frame's menu bar. Four menu buttons (File, Edit, View, Help) open the active
// mode's menu popup as a skinned popup menu whose item states the frame decides; a chosen command
// is posted to the frame. The USB indicator at the right end slides toward its lit frame while the
// unit is connected and back while it is not.
#include <shell/CommandTarget.h>
#include <shell/gui/SkinPopupMenu.h>
#include <ui/SkinImage.h>

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>

class CSkinButton;

namespace platform {
class MessageTarget;
}

class CMenuBar : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int kHeight = 16;
    static constexpr int kIndicatorIntervalMs = 50;

    struct Hooks {
        std::function<int()> activeMode;          // 0, 1, 2
        std::function<bool(int)> commandEnabled;  // an item's enabled state
        std::function<bool()> usbConnected;       // drives the indicator
        // An item's text when it differs from the menu's (empty: the menu's text).
        std::function<std::optional<std::string>(int)> commandText;
    };

    // Chosen commands are posted to `commands` as WM_COMMAND.
    CMenuBar(QWidget* parent, platform::MessageTarget* commands, Hooks hooks);

    bool IsComplete() const { return m_complete; }

    // Opens popup `index` (0 File .. 3 Help) of the active mode's menu below its button.
    void OpenMenu(int index);
    // The entries popup `index` of the active mode's menu shows now, with their states.
    std::vector<CSkinPopupMenu::Entry> BuildEntries(int index) const;
    bool IsMenuOpen() const { return m_openIndex >= 0; }
    int OpenIndex() const { return m_openIndex; }
    CSkinPopupMenu* PopupMenu() const { return m_popup; }
    CSkinButton* MenuButton(int index) const { return m_buttons[static_cast<std::size_t>(index)]; }

    // The indicator's frame: 0 (unplugged) to 4 (connected).
    int IndicatorFrame() const { return m_indicatorFrame; }
    // One step of the indicator's timer.
    void StepIndicator();

    bool onCommand(int id) override;

Q_SIGNALS:
    // A popup opened (the menu loop starts) or closed (it ends).
    void menuLoopEntered();
    void menuLoopExited();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OnPopupClosed();
    void OnNeighbour(int step);
    void OnChosen(int id);
    QRect IndicatorRect() const;

    platform::MessageTarget* m_commands;
    Hooks m_hooks;
    CSkinImage m_background;
    CSkinImage m_indicator;
    std::array<CSkinButton*, 4> m_buttons{};
    CSkinPopupMenu* m_popup = nullptr;
    int m_openIndex = -1;
    int m_lastIndex = 0;  // the popup opened last, for its neighbours
    int m_indicatorFrame = 0;
    QTimer m_indicatorTimer;
    bool m_complete = true;
};
