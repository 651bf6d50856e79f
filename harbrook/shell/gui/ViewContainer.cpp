#include <shell/gui/ViewContainer.h>

#include <shell/gui/AppData.h>
#include <shell/gui/ModeView.h>
#include <shell/gui/ViewFade.h>
#include <ui/EffectSound.h>
#include <ui/SkinContext.h>
#include <ui/SkinIds.h>

#include <QMouseEvent>

namespace {

std::array<CViewContainer::ViewMaker, CViewContainer::kModeCount>& viewMakers() {
    static std::array<CViewContainer::ViewMaker, CViewContainer::kModeCount> makers;
    return makers;
}

}  // namespace

void CViewContainer::SetViewMaker(int mode, ViewMaker maker) {
    if (mode >= 0 && mode < kModeCount) viewMakers()[static_cast<std::size_t>(mode)] = std::move(maker);
}

CViewContainer::CViewContainer(QWidget* parent, CAppData& appData)
    : QWidget(parent), m_appData(appData) {
    setFocusPolicy(Qt::StrongFocus);
    for (int mode = 0; mode < kModeCount; ++mode) {
        const ViewMaker& maker = viewMakers()[static_cast<std::size_t>(mode)];
        if (maker) {
            const MadeView made = maker(appData);
            SetView(mode, made.widget, made.target);
        } else {
            auto* view = new CModeView(CModeView::NameOfMode(mode));
            SetView(mode, view, view);
        }
    }
}

CViewContainer::~CViewContainer() {
    for (const Slot& slot : m_views) {
        if (slot.target) m_appData.UnregisterView(slot.target);
    }
}

void CViewContainer::SetView(int mode, QWidget* view, CommandTarget* target) {
    if (mode < 0 || mode >= kModeCount || !view || !target) return;
    Slot& slot = m_views[static_cast<std::size_t>(mode)];
    if (slot.target) m_appData.UnregisterView(slot.target);
    delete slot.widget;
    slot = {view, target};
    view->setParent(this);
    view->setGeometry(rect());
    view->setVisible(mode == m_active);
    m_appData.RegisterView(target);
}

QWidget* CViewContainer::View(int mode) const {
    return mode >= 0 && mode < kModeCount ? m_views[static_cast<std::size_t>(mode)].widget : nullptr;
}

CommandTarget* CViewContainer::Target(int mode) const {
    return mode >= 0 && mode < kModeCount ? m_views[static_cast<std::size_t>(mode)].target : nullptr;
}

void CViewContainer::ShowMode(int mode) {
    if (mode < 0 || mode >= kModeCount) mode = 0;
    QWidget* outgoing = View(m_active);
    m_active = mode;
    if (outgoing && outgoing != View(mode)) outgoing->hide();
    QWidget* incoming = View(mode);
    incoming->setGeometry(rect());
    incoming->show();
    incoming->repaint();
}

void CViewContainer::SwitchTo(int mode) {
    PlayEffectSound(ui::sound::kModeChange);
    if (ui::SkinContext::Settings().Animation() && !IsFading() && View(m_active) && isVisible()) {
        StartFade();
    }
    ShowMode(mode);
    if (m_fade) m_fade->raise();
}

void CViewContainer::StartFade() {
    QWidget* outgoing = View(m_active);
    m_fade = new ViewFade(outgoing->grab(), this);
}

std::array<int, CViewContainer::kModeCount> CViewContainer::RoutingOrder() const {
    const int first = m_active >= 0 ? m_active : 0;
    return {first, (first + 1) % kModeCount, (first + 2) % kModeCount};
}

bool CViewContainer::onCommand(int id) {
    for (int mode : RoutingOrder()) {
        CommandTarget* target = Target(mode);
        if (target && target->onCommand(id)) return true;
    }
    return false;
}

std::optional<bool> CViewContainer::commandEnabled(int id) {
    for (int mode : RoutingOrder()) {
        CommandTarget* target = Target(mode);
        if (!target) continue;
        if (std::optional<bool> enabled = target->commandEnabled(id)) return enabled;
    }
    return std::nullopt;
}

std::optional<std::string> CViewContainer::commandText(int id) {
    for (int mode : RoutingOrder()) {
        CommandTarget* target = Target(mode);
        if (!target) continue;
        if (std::optional<std::string> text = target->commandText(id)) return text;
    }
    return std::nullopt;
}

void CViewContainer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (const Slot& slot : m_views) {
        if (slot.widget) slot.widget->setGeometry(rect());
    }
}

void CViewContainer::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (QWidget* view = View(m_active)) view->setFocus(event->reason());
}

void CViewContainer::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void CViewContainer::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void CViewContainer::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
