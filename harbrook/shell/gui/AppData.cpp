#include <shell/gui/AppData.h>

#include <shell/CommandIds.h>
#include <shell/CommandTarget.h>

#include <mood/MoodCache.h>
#include <platform/IniFile.h>

#include <algorithm>

CAppData::CAppData() { m_MusicData.UseMoodCache(mood::MoodCache::DefaultFolder()); }

CAppData::~CAppData() = default;

bool CAppData::LoadSettings() {
    platform::IniFile ini(m_IniPath);
    const bool found = ini.load();
    m_Settings.Load(ini);
    m_MusicData.SetAnalysisJobs(m_Settings.analysisJobs);
    return found;
}

bool CAppData::SaveSettings() const {
    // Lines the program does not write (comments, read-only keys) stay as the user left them.
    platform::IniFile ini(m_IniPath);
    ini.load();
    m_Settings.Save(ini);
    return ini.save();
}

void CAppData::EmptyStores() {
    m_MusicData.ClearAll();
    m_MyDbData.RemoveAllRows();
    m_MyDbData.SetModified(false);
    m_PointData.Empty();
}

void CAppData::RegisterView(CommandTarget* view) {
    if (!view || std::find(m_Views.begin(), m_Views.end(), view) != m_Views.end()) return;
    m_Views.push_back(view);
}

void CAppData::UnregisterView(CommandTarget* view) {
    m_Views.erase(std::remove(m_Views.begin(), m_Views.end(), view), m_Views.end());
}

void CAppData::BroadcastUpdate(const CommandTarget* sender) {
    // A view may register or unregister another while handling UPDATE: walk a copy and skip the
    // views that have gone meanwhile.
    const std::vector<CommandTarget*> views = m_Views;
    for (CommandTarget* view : views) {
        if (view == sender) continue;
        if (std::find(m_Views.begin(), m_Views.end(), view) == m_Views.end()) continue;
        view->onCommand(cmd::kUpdate);
    }
}

CAppData& theAppData() {
    static CAppData data;
    return data;
}
