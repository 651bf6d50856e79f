#include <shell/gui/TransferProgressDlg.h>

#include <shell/CommandIds.h>

#include <ui/SkinButton.h>
#include <ui/SkinContext.h>
#include <ui/SkinIds.h>
#include <ui/SkinLabel.h>

#include <QCoreApplication>

#include <algorithm>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 166;
// The program's title (string 128) in the caption band.
constexpr int kCaptionString = 128;
constexpr int kMargin = 16;

}  // namespace

CTransferProgressDlg::CTransferProgressDlg(QWidget* owner)
    : CSkinDialog(kTemplate, owner), m_owner(owner) {
    setModal(false);
    SetCaption(ui::SkinContext::String(kCaptionString));
    resize(kWidth, kHeight);
    Build();
}

CTransferProgressDlg::~CTransferProgressDlg() { End(); }

void CTransferProgressDlg::Build() {
    const int inner = kWidth - 2 * kMargin;
    m_title = new QLabel(QStringLiteral("&b "), this);
    m_title->setGeometry(kMargin, 10, inner, 20);
    SetItemId(m_title, kTitleItem);

    m_bar = new QProgressBar(this);
    m_bar->setGeometry(kMargin, 34, inner, 8);
    m_bar->setTextVisible(false);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    SetItemId(m_bar, kBarItem);

    m_counter = new QLabel(QStringLiteral("&n "), this);
    m_counter->setGeometry(kMargin, 44, inner / 2, 18);
    SetItemId(m_counter, kCounterItem);
    m_percent = new QLabel(QStringLiteral("&n "), this);
    m_percent->setGeometry(kMargin + inner / 2, 44, inner / 2, 18);
    m_percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetItemId(m_percent, kPercentItem);

    m_message = new QLabel(QStringLiteral("&n \n "), this);
    m_message->setGeometry(kMargin, 66, inner, 54);  // three lines: text, gap, text
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetItemId(m_message, kMessageItem);

    auto* plain = new QPushButton(this);
    plain->setGeometry((kWidth - 80) / 2, kHeight - 38, 80, 24);
    SetItemId(plain, 2);
    auto* stop = new CSkinButton(this);
    if (!stop->ReplaceDialogItem(2, this, ui::image::kButtonStop)) {
        delete stop;
        plain->setText(QStringLiteral("中止"));
        connect(plain, &QPushButton::clicked, this, [this] { OnCommand(2); });
    }
}

bool CTransferProgressDlg::Begin(QWidget* owner, bool showCounter) {
    m_owner = owner;
    return TransferProgress::Begin(showCounter);
}

bool CTransferProgressDlg::OnBegin(bool showCounter) {
    QWidget* window = m_owner ? m_owner->window() : nullptr;
    if (window && window->isEnabled()) {
        window->setEnabled(false);
        m_disabledWindow = window;
    }
    if (window && parentWidget() != window) setParent(window, windowFlags());
    show();
    if (!isVisible()) {
        if (m_disabledWindow) m_disabledWindow->setEnabled(true);
        m_disabledWindow = nullptr;
        return false;
    }
    // The dialog is a window of its own: disabling the owner's window must not disable it.
    setEnabled(true);
    m_counter->setVisible(showCounter);
    ui::SkinContext::SendCommand(cmd::kStartTrans);
    return true;
}

void CTransferProgressDlg::OnEnd() {
    if (m_disabledWindow) m_disabledWindow->setEnabled(true);
    m_disabledWindow = nullptr;
    ui::SkinContext::SendCommand(cmd::kStopTrans);
    hide();
}

bool CTransferProgressDlg::SetTextIfChanged(QLabel* label, const QString& text) {
    if (label->text() == text) return false;
    label->setText(text);
    return true;
}

// Only what changed is written, and the window is painted at once only then: the transfers pump
// far more often than anything changes.
void CTransferProgressDlg::Refresh() {
    const ProgressModel& m = Model();
    bool changed = SetTextIfChanged(m_title, QString::fromStdString(m.Title()));
    changed |= SetTextIfChanged(m_message, ui::DisplayLines(QString::fromStdString(m.Message())));
    if (m.CounterShown())
        changed |= SetTextIfChanged(m_counter, QString::fromStdString(m.CounterText()));
    if (m_bar->minimum() != m.Minimum() || m_bar->maximum() != m.Maximum()) {
        m_bar->setRange(m.Minimum(), std::max(m.Minimum(), m.Maximum()));
        changed = true;
    }
    const int value = std::clamp(m.Position(), m_bar->minimum(), m_bar->maximum());
    if (m_bar->value() != value) {
        m_bar->setValue(value);
        changed = true;
    }
    changed |= SetTextIfChanged(m_percent, QString::fromStdString(m.PercentText()));
    if (changed && isVisible()) repaint();
}

void CTransferProgressDlg::ProcessEvents() { QCoreApplication::processEvents(); }

bool CTransferProgressDlg::OnCommand(int commandId) {
    if (commandId == 2) RequestCancel();
    return commandId == 1 || commandId == 2;  // OK (Enter) does nothing
}

void CTransferProgressDlg::reject() { RequestCancel(); }
