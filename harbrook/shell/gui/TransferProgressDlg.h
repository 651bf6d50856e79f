#pragma once
// CTransferProgressDlg: the progress window of every transfer. A skinned modeless dialog with a
// title line, a thin bar, the counter "k / n" on the left and the percentage on the right, a
// two-line message and the "中止" button. While it is open the owner's window is disabled and the
// main frame's transfer animation runs (START TRANS / STOP TRANS); the transfer keeps the window
// alive by pumping it between its steps. The window draws the TransferProgress model.
#include <transfer/TransferProgress.h>

#include <ui/SkinDialog.h>

#include <QPointer>

class QLabel;
class QProgressBar;

class CTransferProgressDlg : public CSkinDialog, public TransferProgress {
    Q_OBJECT
public:
    static constexpr int kTemplate = 102;
    static constexpr int kTitleItem = 1016;
    static constexpr int kBarItem = 1003;
    static constexpr int kCounterItem = 1006;
    static constexpr int kPercentItem = 1004;
    static constexpr int kMessageItem = 1005;

    // `owner` is the window Begin disables until End (see also Begin(owner, showCounter)).
    explicit CTransferProgressDlg(QWidget* owner = nullptr);
    ~CTransferProgressDlg() override;

    // Opens over `owner` (its window is disabled until End).
    bool Begin(QWidget* owner, bool showCounter);
    using TransferProgress::Begin;
    void SetOwner(QWidget* owner) { m_owner = owner; }

    QLabel* Title() const { return m_title; }
    QLabel* Counter() const { return m_counter; }
    QLabel* Percent() const { return m_percent; }
    QLabel* Message() const { return m_message; }
    QProgressBar* Bar() const { return m_bar; }

public Q_SLOTS:
    // Escape and the window system's close ask to cancel; the window stays until End.
    void reject() override;

protected:
    bool OnCommand(int commandId) override;
    bool OnBegin(bool showCounter) override;
    void OnEnd() override;
    void Refresh() override;
    void ProcessEvents() override;

private:
    void Build();
    static bool SetTextIfChanged(QLabel* label, const QString& text);

    QPointer<QWidget> m_owner;
    QPointer<QWidget> m_disabledWindow;  // the owner's window, when Begin disabled it
    QLabel* m_title = nullptr;
    QLabel* m_counter = nullptr;
    QLabel* m_percent = nullptr;
    QLabel* m_message = nullptr;
    QProgressBar* m_bar = nullptr;
};
