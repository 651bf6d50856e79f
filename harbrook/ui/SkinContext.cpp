#include <ui/SkinContext.h>

#include <platform/MessageTarget.h>

#include <QtGlobal>

#include <utility>

// The compiled-in skin lives in a static library, so its resource initialiser has to be called
// explicitly (and outside any namespace) before the first lookup.
static void initSkinResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(skin);
        return true;
    }();
    Q_UNUSED(done);
}

namespace ui {
namespace {

struct ContextState {
    QWidget* frame = nullptr;
    platform::MessageTarget* commands = nullptr;
    const EffectSettings* settings = nullptr;
    FixedEffectSettings defaults;
    SkinContext::StringLookup strings;
    QString root = QStringLiteral(":");
};

ContextState& state() {
    static ContextState s;
    return s;
}

}  // namespace

void SkinContext::SendCommand(int commandId) {
    if (platform::MessageTarget* target = state().commands)
        target->send(kWmCommand, static_cast<platform::WParam>(commandId), 0);
}

void SkinContext::SetMainFrame(QWidget* frame, platform::MessageTarget* commands) {
    state().frame = frame;
    state().commands = commands;
}

QWidget* SkinContext::MainFrame() { return state().frame; }

platform::MessageTarget* SkinContext::CommandTarget() { return state().commands; }

void SkinContext::SetSettings(const EffectSettings* settings) { state().settings = settings; }

const EffectSettings& SkinContext::Settings() {
    const ContextState& s = state();
    return s.settings ? *s.settings : s.defaults;
}

void SkinContext::SetStringLookup(StringLookup lookup) { state().strings = std::move(lookup); }

QString SkinContext::String(int id) {
    const StringLookup& lookup = state().strings;
    return lookup ? lookup(id) : QString();
}

void SkinContext::SetResourceRoot(const QString& root) {
    state().root = root.isEmpty() ? QStringLiteral(":") : root;
}

QString SkinContext::ResourcePath(const char* kind, int id) {
    return ResourcePath(kind, QString::number(id));
}

QString SkinContext::ResourcePath(const char* kind, const QString& name) {
    initSkinResources();
    return state().root + QLatin1Char('/') + QLatin1String(kind) + QLatin1Char('/') + name;
}

}  // namespace ui
