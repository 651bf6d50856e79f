#pragma once
// CViewContainer: holds the three mode views and shows the active one. A view is any widget that
// also takes part in command routing; each is registered with the application data so that it
// hears of store changes. Commands go to the active view first, then to the two others in mode
// order after it. A mode change plays the mode sound and, with animation on, fades the outgoing
// view's picture out over the incoming view.
#include <shell/CommandTarget.h>
#include <shell/Mode.h>

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

class CAppData;
class ViewFade;

class CViewContainer : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int kModeCount = ::kModeCount;

    // A mode's own view: a widget that is also `target`.
    struct MadeView {
        QWidget* widget = nullptr;
        CommandTarget* target = nullptr;
    };
    using ViewMaker = std::function<MadeView(CAppData& appData)>;
    // Makes containers created from now on show `maker`'s view for `mode` (start-up sets the
    // views the program has); an empty maker restores the CModeView.
    static void SetViewMaker(int mode, ViewMaker maker);

    // Starts with each mode's view, a CModeView for a mode without a maker.
    CViewContainer(QWidget* parent, CAppData& appData);
    ~CViewContainer() override;

    // Puts `view` (a widget that is also `target`) in place of mode `mode`'s view, which is
    // deleted. The container takes the widget as its child and registers the target.
    void SetView(int mode, QWidget* view, CommandTarget* target);
    QWidget* View(int mode) const;
    CommandTarget* Target(int mode) const;

    int ActiveMode() const { return m_active; }
    // Shows `mode` at once, without sound or fade (the first mode at start-up).
    void ShowMode(int mode);
    // The mode change: sound, fade (animation on and no fade running), then the new view.
    void SwitchTo(int mode);
    bool IsFading() const { return !m_fade.isNull(); }

    bool onCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;
    std::optional<std::string> commandText(int id) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // Clicks a view leaves unhandled stop here: the views are not caption.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct Slot {
        QWidget* widget = nullptr;
        CommandTarget* target = nullptr;
    };
    // Mode order for routing: the active mode, then the two after it.
    std::array<int, kModeCount> RoutingOrder() const;
    void StartFade();

    CAppData& m_appData;
    std::array<Slot, kModeCount> m_views{};
    int m_active = -1;
    QPointer<ViewFade> m_fade;
};
