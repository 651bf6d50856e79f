#include <shell/gui/ModeTabBar.h>

#include <shell/CommandIds.h>
#include <ui/SkinButton.h>
#include <ui/SkinContext.h>
#include <ui/SkinIds.h>

#include <platform/MessageTarget.h>

#include <QPainter>

namespace {

constexpr std::array<int, CModeTabBar::kModeCount> kTabX = {12, 174, 336};
constexpr std::array<int, CModeTabBar::kModeCount> kTabImages = {
    ui::image::kTabMusic, ui::image::kTabMyDb, ui::image::kTabPoints};
constexpr int kTabY = 12;
constexpr QSize kTabSize{162, 22};

int modeOfCommand(int id) {
    return id >= cmd::kModeMusic && id <= cmd::kModePoints ? id - cmd::kModeMusic : -1;
}

}  // namespace

CModeTabBar::CModeTabBar(QWidget* parent, platform::MessageTarget* commands,
                         std::function<int()> activeMode)
    : QWidget(parent), m_commands(commands), m_activeMode(std::move(activeMode)) {
    m_complete = m_top.Load(ui::image::kTabBarTop) && m_body.Load(ui::image::kTabBarBody) &&
                 m_right.Load(ui::image::kTabBarRight);
    for (int mode = 0; mode < kModeCount; ++mode) {
        auto* tab = new CSkinButton(this);
        if (!tab->SetImage(kTabImages[static_cast<std::size_t>(mode)])) m_complete = false;
        tab->Create(QRect(QPoint(kTabX[static_cast<std::size_t>(mode)], kTabY), kTabSize), this,
                    cmd::kModeMusic + mode);
        m_tabs[static_cast<std::size_t>(mode)] = tab;
    }
}

void CModeTabBar::SetSelection(int mode) {
    m_selection = mode;
    for (int i = 0; i < kModeCount; ++i) m_tabs[static_cast<std::size_t>(i)]->SetLatched(i == mode);
}

bool CModeTabBar::onCommand(int id) {
    const int mode = modeOfCommand(id);
    if (mode < 0) return false;
    SetSelection(mode);
    platform::postTo(m_commands, ui::kWmCommand, cmd::kSelChanged, 0);
    return true;
}

std::optional<bool> CModeTabBar::commandEnabled(int id) {
    const int mode = modeOfCommand(id);
    if (mode < 0) return std::nullopt;
    // Choosing the point mode again fetches the points again, so that tab stays enabled.
    return id == cmd::kModePoints || m_activeMode() != mode;
}

void CModeTabBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    m_top.Draw(painter, 0, 0, w, m_top.Height(), 0, 0, m_top.Width(), m_top.Height());
    const int bodyY = m_top.Height();
    const int bodyHeight = height() - bodyY;
    m_body.Draw(painter, 0, bodyY, w - m_right.Width(), bodyHeight, 0, 0, m_body.Width(),
                m_body.Height());
    m_right.Draw(painter, w - m_right.Width(), bodyY);
}
