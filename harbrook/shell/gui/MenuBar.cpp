#include <shell/gui/MenuBar.h>

#include <shell/CommandIds.h>
#include <shell/gui/MenuResources.h>
#include <ui/SkinButton.h>
#include <ui/SkinContext.h>
#include <ui/SkinIds.h>

#include <platform/MessageTarget.h>

#include <QPainter>

namespace {

constexpr int kButtonWidth = 43;
constexpr int kButtonStep = 73;
constexpr int kIndicatorRightMargin = 4;
constexpr std::array<int, 4> kButtonImages = {ui::image::kMenuFile, ui::image::kMenuEdit,
                                              ui::image::kMenuView, ui::image::kMenuHelp};

}  // namespace

CMenuBar::CMenuBar(QWidget* parent, platform::MessageTarget* commands, Hooks hooks)
    : QWidget(parent), m_commands(commands), m_hooks(std::move(hooks)) {
    m_complete = m_background.Load(ui::image::kMenuBarBackground) &&
                 m_indicator.Load(ui::image::kUsbIndicator);
    for (int i = 0; i < 4; ++i) {
        auto* button = new CSkinButton(this);
        if (!button->SetImage(kButtonImages[static_cast<std::size_t>(i)])) m_complete = false;
        button->SetPressActs(true);
        button->Create(QRect(i * kButtonStep, 0, kButtonWidth, kHeight), this, cmd::kMenuFile + i);
        m_buttons[static_cast<std::size_t>(i)] = button;
    }
    m_popup = new CSkinPopupMenu(this);
    // A click outside closes the popup without reaching the button under it, so pressing the open
    // menu's button closes that menu rather than opening it again.
    m_popup->setAttribute(Qt::WA_NoMouseReplay);
    connect(m_popup, &CSkinPopupMenu::closed, this, &CMenuBar::OnPopupClosed);
    connect(m_popup, &CSkinPopupMenu::neighbourRequested, this, &CMenuBar::OnNeighbour);
    connect(m_popup, &CSkinPopupMenu::commandChosen, this, &CMenuBar::OnChosen);
    connect(&m_indicatorTimer, &QTimer::timeout, this, &CMenuBar::StepIndicator);
    m_indicatorTimer.start(kIndicatorIntervalMs);
}

bool CMenuBar::onCommand(int id) {
    if (id < cmd::kMenuFile || id > cmd::kMenuHelp) return false;
    OpenMenu(id - cmd::kMenuFile);
    return true;
}

std::vector<CSkinPopupMenu::Entry> CMenuBar::BuildEntries(int index) const {
    const int mode = m_hooks.activeMode ? m_hooks.activeMode() : 0;
    return CSkinPopupMenu::EntriesOf(MenuResources::Popup(MenuResources::MenuIdForMode(mode), index),
                                     m_hooks.commandEnabled, m_hooks.commandText);
}

void CMenuBar::OpenMenu(int index) {
    if (index < 0 || index >= 4) return;
    if (m_popup->isVisible()) m_popup->close();
    const bool entering = m_openIndex < 0;
    m_openIndex = index;
    m_lastIndex = index;
    if (entering) Q_EMIT menuLoopEntered();
    CSkinButton* button = m_buttons[static_cast<std::size_t>(index)];
    button->SetLatched(true);
    m_popup->SetEntries(BuildEntries(index));
    m_popup->Popup(button->mapToGlobal(QPoint(0, button->height())));
}

void CMenuBar::OnPopupClosed() {
    if (m_openIndex < 0) return;
    m_buttons[static_cast<std::size_t>(m_openIndex)]->SetLatched(false);
    m_openIndex = -1;
    Q_EMIT menuLoopExited();
}

void CMenuBar::OnNeighbour(int step) {
    // The popup has closed already; open the neighbour, wrapping from Help to File and back.
    OpenMenu((m_lastIndex + step + 4) % 4);
}

void CMenuBar::OnChosen(int id) {
    platform::postTo(m_commands, ui::kWmCommand, static_cast<platform::WParam>(id), 0);
}

void CMenuBar::StepIndicator() {
    const bool connected = m_hooks.usbConnected && m_hooks.usbConnected();
    const int target = connected ? ui::kUsbIndicatorFrames - 1 : 0;
    if (m_indicatorFrame == target) return;
    m_indicatorFrame += m_indicatorFrame < target ? 1 : -1;
    update(IndicatorRect());
}

QRect CMenuBar::IndicatorRect() const {
    const int frameHeight = m_indicator.Height() / ui::kUsbIndicatorFrames;
    return {width() - m_indicator.Width() - kIndicatorRightMargin, 0, m_indicator.Width(), frameHeight};
}

void CMenuBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_background.Draw(painter, 0, 0, width(), height(), 0, 0, m_background.Width(),
                      m_background.Height());
    const QRect indicator = IndicatorRect();
    m_indicator.DrawFrame(painter, indicator.x(), indicator.y(), m_indicatorFrame,
                          ui::kUsbIndicatorFrames);
}
