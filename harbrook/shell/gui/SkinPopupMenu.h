#pragma once
// CSkinPopupMenu: the skinned popup that the menu bar opens. It lists the items of one menu popup
// with their enabled and checked states, reports the chosen command, and reports the left and right
// arrow keys so that the menu bar can open the neighbouring menu instead.
#include <shell/gui/MenuResources.h>

class CommandTarget;

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CSkinPopupMenu : public QWidget {
    Q_OBJECT
public:
    struct Entry {
        int id = 0;  // 0: a separator
        QString text;
        bool enabled = true;
        bool checked = false;
        bool IsSeparator() const { return id == 0; }
    };

    explicit CSkinPopupMenu(QWidget* parent = nullptr);

    // A context menu of `owner` whose chosen items travel as any menu command does: through the
    // main frame's routing when there is a frame, else straight to `fallback`.
    static CSkinPopupMenu* ForCommands(QWidget* owner, CommandTarget* fallback);

    // The entries of a menu popup, each enabled as `enabled` says and worded as `text` says
    // (nothing or an empty function: the item's own text).
    using ItemText = std::function<std::optional<std::string>(int id)>;
    static std::vector<Entry> EntriesOf(const MenuPopup& popup,
                                        const std::function<bool(int id)>& enabled,
                                        const ItemText& text = {});

    void SetEntries(std::vector<Entry> entries);
    const std::vector<Entry>& Entries() const { return m_entries; }
    // Shows the popup with its top-left corner at `globalPos` (kept on the screen).
    void Popup(const QPoint& globalPos);
    // The highlighted row, or -1.
    int Current() const { return m_current; }

    // The text shown for an item text: "&x" marks the access key (not shown), "&&" is a "&";
    // the part after "\t" is the shortcut column.
    static QString LabelOf(const QString& text);
    static QString ShortcutOf(const QString& text);
    static QChar AccessKeyOf(const QString& text);

Q_SIGNALS:
    void commandChosen(int id);
    // -1: the left arrow, +1: the right arrow; the popup has closed.
    void neighbourRequested(int step);
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int RowAt(const QPoint& pos) const;
    int RowTop(int row) const;
    int RowHeight(int row) const;
    void Choose(int row);
    void MoveCurrent(int step);
    bool IsSelectable(int row) const;
    QSize ContentSize() const;

    std::vector<Entry> m_entries;
    int m_current = -1;
};
