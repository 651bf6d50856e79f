#include <points/view/TransferPointFetch.h>

#include <shell/gui/AppData.h>

TransferPointFetch::TransferPointFetch(CAppData& app, QWidget* view)
    : m_progress(view), m_prompts(app), m_fetch(app.m_PointData, app.m_Settings, m_progress, m_prompts) {}

UnitPointFetch::Result TransferPointFetch::Run() {
    switch (m_fetch.Run()) {
    case PointFetch::Result::Fetched:
        return Result::Fetched;
    case PointFetch::Result::Failed:
        return Result::Failed;
    case PointFetch::Result::NotStarted:
        break;
    }
    return Result::NotStarted;
}
