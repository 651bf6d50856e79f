#include <shell/gui/MessageDlg.h>

#include <shell/gui/TextAdapter.h>

#include <ui/SkinButton.h>
#include <ui/SkinContext.h>
#include <ui/SkinIds.h>

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

// Client size of the dialog (below the caption band) and its button row.
constexpr int kWidth = 370;
constexpr int kHeight = 104;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 24;
constexpr int kButtonGap = 15;
constexpr int kButtonTop = 70;

MessageDlgResponder& responder() {
    static MessageDlgResponder answer;
    return answer;
}

QString captionOf(int type) {
    switch (type) {
    case CMessageDlg::kConfirm: return QStringLiteral("確認");
    case CMessageDlg::kYesNoCancel:
    case CMessageDlg::kYesNo: return QStringLiteral("問い合わせ");
    default: return QStringLiteral("メッセージ");
    }
}

// "\r" (and "\r\n") in the program's texts are line breaks.
QString displayText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace

CMessageDlg::CMessageDlg(const QString& text, int type, QWidget* parent)
    : CSkinDialog(207, parent), m_type(type) {
    SetCaption(captionOf(type));
    SetZoom(true);
    resize(kWidth, kHeight);
    m_text = new QLabel(displayText(text), this);
    m_text->setGeometry(10, 8, kWidth - 20, kButtonTop - 14);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    SetItemId(m_text, kTextItem);
    BuildItems();
    SkinButtons();
}

std::vector<CMessageDlg::ButtonSpec> CMessageDlg::ButtonsOf(int type) {
    using namespace ui::image;
    switch (type) {
    case kConfirm: return {{kButton1043, kButtonOk, kOk}, {kButton1042, kButtonCancel, kCancel}};
    case kYesNoCancel:
        return {{kButton1040, kButtonYes, kYes},
                {kButton1039, kButtonNo, kNo},
                {kButton1041, kButtonCancel, kCancel}};
    case kYesNo: return {{kButton1043, kButtonYes, kYes}, {kButton1042, kButtonNo, kNo}};
    default: return {{kButton1039, kButtonOk, kOk}};
    }
}

int CMessageDlg::EnterResult(int type) {
    return (type == kYesNoCancel || type == kYesNo) ? kYes : kOk;
}

int CMessageDlg::EscapeResult(int type) {
    switch (type) {
    case kConfirm:
    case kYesNoCancel: return kCancel;
    case kYesNo: return kNo;
    default: return kOk;
    }
}

int CMessageDlg::CaptionStringId(int type) {
    switch (type) {
    case kConfirm: return 216;
    case kYesNoCancel: return 217;
    case kYesNo: return 214;
    default: return 215;
    }
}

void CMessageDlg::BuildItems() {
    // The template's five buttons, hidden; the type's own are placed in a centred row.
    for (int id : {kButton1040, kButton1043, kButton1039, kButton1042, kButton1041}) {
        auto* item = new QPushButton(this);
        item->hide();
        SetItemId(item, id);
    }
    const std::vector<ButtonSpec> buttons = ButtonsOf(m_type);
    const int count = static_cast<int>(buttons.size());
    const int rowWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    int x = (kWidth - rowWidth) / 2;
    for (const ButtonSpec& spec : buttons) {
        FindItem(this, spec.item)->setGeometry(x, kButtonTop, kButtonWidth, kButtonHeight);
        x += kButtonWidth + kButtonGap;
    }
}

void CMessageDlg::SkinButtons() {
    for (const ButtonSpec& spec : ButtonsOf(m_type)) {
        auto* button = new CSkinButton(this);
        if (!button->ReplaceDialogItem(spec.item, this, spec.image)) {
            // Without its image the plain button still answers.
            delete button;
            auto* plain = qobject_cast<QPushButton*>(FindItem(this, spec.item));
            plain->show();
            connect(plain, &QPushButton::clicked, this, [this, id = spec.item] { OnCommand(id); });
        }
    }
}

bool CMessageDlg::OnCommand(int commandId) {
    for (const ButtonSpec& spec : ButtonsOf(m_type)) {
        if (spec.item == commandId) {
            done(spec.result);
            return true;
        }
    }
    return false;
}

void CMessageDlg::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) return CSkinDialog::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: done(EnterResult(m_type)); return;
    case Qt::Key_Escape: done(EscapeResult(m_type)); return;
    default: CSkinDialog::keyPressEvent(event);
    }
}

void CMessageDlg::reject() { done(EscapeResult(m_type)); }

int ShowMessage(const QString& text, int type) {
    if (text.isEmpty()) return CMessageDlg::kOk;
    if (responder()) return responder()(text, type);
    CMessageDlg dialog(text, type, ui::SkinContext::MainFrame());
    const int result = dialog.exec();
    // Without its skin the dialog cannot show; the user has then not been asked anything.
    return result < 0 ? CMessageDlg::EscapeResult(type) : result;
}

int ShowCp932Message(std::string_view text, int type) { return ShowMessage(fromCp932(text), type); }

void SetMessageDlgResponder(MessageDlgResponder answer) { responder() = std::move(answer); }
