#pragma once
// CAppData: the program's one application data object. It holds the three data stores for the whole
// run, the registry of mode views that hear about store changes, every setting kept between runs
// and the run-time flags the frame and the effects consult.
#include <shell/AppSettings.h>
#include <ui/EffectSettings.h>

#include <mydb/MyDbData.h>
#include <music/MusicData.h>
#include <points/CPointData.h>

#include <string>
#include <vector>

class CommandTarget;

class CAppData : public ui::EffectSettings {
public:
    CAppData();
    ~CAppData() override;
    CAppData(const CAppData&) = delete;
    CAppData& operator=(const CAppData&) = delete;

    // --- Settings file ---
    // The settings file used by LoadSettings and SaveSettings.
    void SetIniPath(std::string path) { m_IniPath = std::move(path); }
    const std::string& IniPath() const { return m_IniPath; }
    // Reads every setting (an absent file gives the defaults); false when the file was missing.
    bool LoadSettings();
    // Writes every setting that is kept; false when the file cannot be written (the settings are
    // then lost, silently for the user).
    bool SaveSettings() const;

    // --- Data stores ---
    // Back to empty: every playlist (last first), every myDB row, every point.
    void EmptyStores();

    // --- Views ---
    // Appends a view; a view registered twice is kept once.
    void RegisterView(CommandTarget* view);
    // Removes a view (views that go away before the application data must say so).
    void UnregisterView(CommandTarget* view);
    const std::vector<CommandTarget*>& Views() const { return m_Views; }
    // Sends UPDATE to every registered view but `sender`, in registration order; null reaches all.
    void BroadcastUpdate(const CommandTarget* sender);

    // --- Effect flags for the skinned toolkit ---
    bool Sound() const override { return m_Settings.sound != 0; }
    bool Animation() const override { return m_Settings.animation != 0; }
    bool AppActive() const override { return m_AppActive != 0; }
    bool Transparent() const override { return m_Settings.transparent != 0; }

    // Declaration order matters: the stores are made first and destroyed last.
    points::CPointData m_PointData;
    CMusicData m_MusicData;
    CMyDbData m_MyDbData;

    AppSettings m_Settings;

    // Run-time state (never saved).
    int m_UsbState = 0;        // the unit is connected over USB (the frame's polling timer)
    int m_UsbChanged = 0;      // the USB state changed and the frame has not acted on it yet
    int m_FetchPending = 0;    // fetch (or clear) the unit's points when the frame next can
    int m_AppActive = 1;       // this application is the active one
    int m_StartupComplete = 0; // start-up has finished

private:
    std::vector<CommandTarget*> m_Views;
    std::string m_IniPath;
};

// The process-wide instance, constructed on first use and kept until the process ends.
CAppData& theAppData();
