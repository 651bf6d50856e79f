#pragma once
// PointCommands: what the registered-point view does, apart from drawing: every command of the
// point mode with its enabling rule, on the point store through the list model. The list widget is
// reached only through the hooks (the selected row, selecting, in-place editing), and the dialogs
// of a new or edited point through NewPointDialogs, so that both can be replaced.
//
// Commands of the point mode's menus act only while the point mode is active; the internal ones
// (UPDATE, SAVE PT, CLEAR NAVI, FORCE ORVANE, IDLE) and fetch act whenever they arrive.
#include <shell/CommandTarget.h>

#include <points/NewPointFlow.h>
#include <points/PointEntry.h>

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class CAppData;
class PointListModel;
class QWidget;
class UnitPointFetch;

class PointCommands : public CommandTarget {
public:
    // The scale CallMap shows a point at.
    static constexpr int kMapScale = 1562;
    // Menu text of the properties command: with a selection, then without.
    static const char* const kPropertiesText;
    static const char* const kNewPointText;

    struct ListHooks {
        std::function<int()> selectedRow;        // -1 when no row is selected
        std::function<void(int row)> selectRow;  // -1 clears the selection
        std::function<bool(int row)> editRow;    // starts in-place editing of the row
        std::function<void()> focusList;
    };

    PointCommands(CAppData& app, PointListModel& model, QWidget* owner, ListHooks hooks);
    ~PointCommands() override;

    // Replaces the dialogs of new and edited points (tests); null restores the real ones.
    void SetDialogs(std::unique_ptr<points::NewPointDialogs> dialogs);
    // Makes the fetch of the unit's points; without one, fetching does nothing.
    using FetchFactory = std::function<std::unique_ptr<UnitPointFetch>()>;
    void SetFetchFactory(FetchFactory factory) { m_makeFetch = std::move(factory); }

    bool onCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;
    std::optional<std::string> commandText(int id) override;

    bool PointModeActive() const;
    bool HasClip() const { return m_clip != nullptr; }

    // The commands (public for the view's double click and for tests).
    void Properties();
    void NewPoint(points::NewPointStart start);
    void EditPoint(int row);
    void DeleteRow();
    void CopyRow();
    void Paste();
    void Open(int mode);
    // Save (selection 11) or save all (10); false when nothing was written.
    bool Save(int selection);
    void NewDocument();
    void ShowOnMap();
    void TakeFromMap();
    void ClearNavi();
    void Fetch();

private:
    int SelectedRow() const;
    int SelectedSlot() const;
    bool AnyChangedPoint() const;
    // Asks whether to save the unsaved points first; false when the command should stop.
    bool SaveFirst();
    void ShowStoreError() const;
    void RememberPointFile(const QString& path);
    // After the unit's file is staged: makes room for its `count` points when the PC points
    // would exceed the limit (asking first), then merges. False when the user stopped it or the
    // merge failed.
    bool MergeFetched(UnitPointFetch& fetch, int count);

    CAppData& m_app;
    PointListModel& m_model;
    QWidget* m_owner;
    ListHooks m_hooks;
    std::unique_ptr<points::NewPointDialogs> m_dialogs;
    std::unique_ptr<points::PointClip> m_clip;
    FetchFactory m_makeFetch;
};
