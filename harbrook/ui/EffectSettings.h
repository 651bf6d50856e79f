#pragma once
// The process-wide flags the skinned windows consult before playing a sound, running an effect or
// making a dialog translucent. The application data object implements this over its settings
// (Sound, Animation, Transparent) and the last WM_ACTIVATEAPP state, and hands it to
// ui::SkinContext::SetSettings. FixedEffectSettings serves tools and tests.

namespace ui {

class EffectSettings {
public:
    virtual ~EffectSettings() = default;
    virtual bool Sound() const = 0;        // effect sounds on
    virtual bool Animation() const = 0;    // zoom effects and animations on
    virtual bool AppActive() const = 0;    // the application is the active one
    virtual bool Transparent() const = 0;  // skinned dialogs drawn translucent
};

// Plain values; the defaults are those of an absent settings file.
struct FixedEffectSettings final : EffectSettings {
    bool sound = true;
    bool animation = true;
    bool appActive = true;
    bool transparent = false;

    bool Sound() const override { return sound; }
    bool Animation() const override { return animation; }
    bool AppActive() const override { return appActive; }
    bool Transparent() const override { return transparent; }
};

}  // namespace ui
