#pragma once
// CModeTabBar: the three mode tabs under the menu bar. Choosing a tab (or the View menu's mode
// command) selects it and tells the frame with SELCHANGED; the frame then switches modes or puts
// the selection back. Only the selected tab is shown pressed.
#include <shell/CommandTarget.h>
#include <shell/Mode.h>
#include <ui/SkinImage.h>

#include <QWidget>

#include <array>
#include <functional>

class CSkinButton;

namespace platform {
class MessageTarget;
}

class CModeTabBar : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int kHeight = 34;
    static constexpr int kModeCount = ::kModeCount;

    // SELCHANGED is posted to `commands`; `activeMode` tells the frame's active mode.
    CModeTabBar(QWidget* parent, platform::MessageTarget* commands, std::function<int()> activeMode);

    bool IsComplete() const { return m_complete; }
    // Shows tab `mode` pressed and the others released.
    void SetSelection(int mode);
    int Selection() const { return m_selection; }
    CSkinButton* Tab(int mode) const { return m_tabs[static_cast<std::size_t>(mode)]; }

    bool onCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    platform::MessageTarget* m_commands;
    std::function<int()> m_activeMode;
    CSkinImage m_top;
    CSkinImage m_body;
    CSkinImage m_right;
    std::array<CSkinButton*, kModeCount> m_tabs{};
    int m_selection = -1;
    bool m_complete = true;
};
