#pragma once
// What the skinned toolkit needs to know about the running program: the main frame (dialogs centre
// on it, zoom effects draw on it, skinned buttons outside dialogs post their commands to it), the
// effect flags, the string table that gives a dialog its caption, and where skin resources are
// looked up. Set once by the application at start-up; everything is read on the UI thread.
#include <ui/EffectSettings.h>

#include <platform/MessageNumbers.h>

#include <QString>

#include <functional>

class QWidget;

namespace platform {
class MessageTarget;
}

namespace ui {

// Messages of the commands skinned buttons post (wParam = command id, lParam = 0).
constexpr unsigned kWmCommand = platform::msg::kCommand;
constexpr unsigned kWmSysCommand = platform::msg::kSysCommand;
// The command a skinned list or tree sends the main frame when it gains or loses the focus.
constexpr int kFocusChangedCommand = 32819;

class SkinContext {
public:
    SkinContext() = delete;

    // The main frame window and the target that receives its commands; either may be null.
    static void SetMainFrame(QWidget* frame, platform::MessageTarget* commands);
    static QWidget* MainFrame();
    static platform::MessageTarget* CommandTarget();
    // Sends WM_COMMAND `commandId` (lParam 0) synchronously to the command target, when there is
    // one.
    static void SendCommand(int commandId);

    // The flags that PlayEffectSound, ZoomRectEffect and CSkinDialog consult. Null restores the
    // built-in defaults (sound and animation on, active, opaque). Not owned; must outlive its use.
    static void SetSettings(const EffectSettings* settings);
    static const EffectSettings& Settings();

    // The string table: a dialog's caption is String(template number). Unset or unknown ids give
    // an empty string.
    using StringLookup = std::function<QString(int id)>;
    static void SetStringLookup(StringLookup lookup);
    static QString String(int id);

    // Skin resources are "<root>/<kind>/<number>", kind being "image", "bitmap", "wave" or "icon".
    // The root is ":" (the compiled-in skin) unless a skin folder has been set; an empty root
    // restores the compiled-in skin.
    static void SetResourceRoot(const QString& root);
    static QString ResourcePath(const char* kind, int id);
    static QString ResourcePath(const char* kind, const QString& name);
};

}  // namespace ui
