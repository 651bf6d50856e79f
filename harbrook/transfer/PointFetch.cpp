#include "transfer/PointFetch.h"

#include "transfer/TransferProgress.h"
#include "transfer/UnitLink.h"

#include <points/CPointData.h>

#include <outside/Shuttler.h>

PointFetch::Result PointFetch::Run() {
    if (!m_workBase.empty()) {
        m_folder.ChooseIn(m_workBase);
    } else if (!m_folder.Choose(m_settings, m_prompts)) {
        return Result::NotStarted;
    }
    if (!m_folder.Create()) return Result::NotStarted;
    if (!m_progress.Begin(false)) return Result::Failed;
    CShuttler::SetPath(m_folder.Path().c_str());
    UnitLink link(m_progress, m_prompts);
    const bool fetched = link.Fetch(m_store);
    m_result = link.LastResult();
    m_progress.End();
    return fetched ? Result::Fetched : Result::Failed;
}

bool PointFetch::Stage(int& count) { return m_store.StageUnitFile(m_folder.Path(), count); }

bool PointFetch::Merge() {
    m_store.DeleteUnitPoints();
    if (!m_store.MergeUnitPoints(m_folder.Path())) return false;
    m_store.SetTransferAllowed(true);
    return true;
}
