#include <shell/gui/OptionDlg.h>

#include <shell/AppSettings.h>
#include <shell/gui/FolderDialog.h>
#include <shell/gui/MessageDlg.h>

#include <ui/SkinButton.h>
#include <ui/SkinIds.h>

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 232;
constexpr int kRowTop = 16;
constexpr int kRowStep = 26;
// What the browse buffer holds of the edit's text.
constexpr int kBrowseBufferChars = 259;

const QString kTooLong = QStringLiteral("ファイルパスが長すぎます。");
const QString kNotAFolder = QStringLiteral("有効なフォルダ名ではありません。");
const QString kAskCreate = QStringLiteral("作業フォルダが見つかりません。\r\r作成しますか？");
const QString kCreateFailed = QStringLiteral("作成出来ませんでした。");

// An absolute path, or a network name "//server/share".
bool isFolderName(const QString& path) {
    static const QRegularExpression network(QStringLiteral("^//[^/]+/[^/]+"));
    if (path.startsWith(QLatin1String("//"))) return network.match(path).hasMatch();
    return path.startsWith(QLatin1Char('/'));
}

QString expandHome(const QString& path) {
    if (path == QLatin1String("~")) return QDir::homePath();
    if (path.startsWith(QLatin1String("~/"))) return QDir::homePath() + path.mid(1);
    return path;
}

}  // namespace

COptionDlg::COptionDlg(AppSettings& settings, QWidget* parent)
    : CSkinDialog(213, parent), m_settings(settings) {
    SetCaption(QStringLiteral("オプション設定"));
    SetZoom(true);
    resize(kWidth, kHeight);
    Build();
    UpdateFolderState();
}

void COptionDlg::Build() {
    AddCheck(kAnimation, "アニメーション効果を許可する", 0, m_settings.animation);
    AddCheck(kSound, "効果音を鳴らす", 1, m_settings.sound);
    AddCheck(kWithDj, "転送時、曲調検出をする", 2, m_settings.withDJ);
    AddCheck(kAutoSort, "複数曲を同時追加時、トラック番号順で並び替える", 3, m_settings.autoSort);
    AddCheck(kTempFolder, "作業フォルダを指定する", 4, m_settings.tempFolder);
    connect(Check(kTempFolder), &QCheckBox::toggled, this, [this] { UpdateFolderState(); });

    const int editTop = kRowTop + 5 * kRowStep + 2;
    m_folder = new QLineEdit(QString::fromStdString(m_settings.tempFolderPath), this);
    m_folder->setGeometry(44, editTop, 250, 22);
    SetItemId(m_folder, kFolderEdit);

    struct Item {
        int id;
        int image;
        QRect rect;
    };
    const Item buttons[] = {{kBrowse, ui::image::kButtonBrowse, QRect(304, editTop - 1, 80, 24)},
                            {1, ui::image::kButtonOk, QRect(212, kHeight - 38, 80, 24)},
                            {2, ui::image::kButtonCancel, QRect(304, kHeight - 38, 80, 24)}};
    for (const Item& item : buttons) {
        auto* plain = new QPushButton(this);
        plain->setGeometry(item.rect);
        SetItemId(plain, item.id);
        auto* button = new CSkinButton(this);
        if (!button->ReplaceDialogItem(item.id, this, item.image)) {
            delete button;
            connect(plain, &QPushButton::clicked, this, [this, id = item.id] { OnCommand(id); });
        }
    }
}

void COptionDlg::AddCheck(int id, const char* label, int row, int value) {
    const int top = kRowTop + row * kRowStep;
    auto* box = new QCheckBox(this);
    box->setGeometry(22, top + 2, 18, 18);
    box->setChecked(value != 0);
    box->setAttribute(Qt::WA_TranslucentBackground);
    SetItemId(box, id);
    auto* text = new QLabel(QStringLiteral("&n") + QString::fromUtf8(label), this);
    text->setGeometry(44, top, 330, 22);
}

QCheckBox* COptionDlg::Check(int id) const {
    return qobject_cast<QCheckBox*>(FindItem(const_cast<COptionDlg*>(this), id));
}

void COptionDlg::UpdateFolderState() {
    const bool on = Check(kTempFolder)->isChecked();
    m_folder->setEnabled(on);
    if (QWidget* browse = FindItem(this, kBrowse)) browse->setEnabled(on);
}

bool COptionDlg::OnCommand(int commandId) {
    switch (commandId) {
    case kBrowse: Browse(); return true;
    case 1:
        if (Store()) accept();
        return true;
    case 2: reject(); return true;
    default: return false;
    }
}

void COptionDlg::Browse() {
    QString folder = m_folder->text().left(kBrowseBufferChars);
    if (CFolderDialog::FolderNameDlg(this, folder)) m_folder->setText(folder);
}

bool COptionDlg::ValidateFolder(const QString& text, QString& folder) {
    const QString path = expandHome(text.trimmed());
    if (path.toUtf8().size() > kMaxFolderLength) {
        ShowMessage(kTooLong, CMessageDlg::kInformation);
        return false;
    }
    if (!isFolderName(path)) {
        ShowMessage(kNotAFolder, CMessageDlg::kInformation);
        return false;
    }
    QString clean = path;
    while (clean.size() > 1 && clean.endsWith(QLatin1Char('/'))) clean.chop(1);
    if (!QFileInfo(clean).isDir()) {
        if (ShowMessage(kAskCreate, CMessageDlg::kYesNo) != CMessageDlg::kYes) return false;
        if (!QDir().mkpath(clean) || !QFileInfo(clean).isDir()) {
            ShowMessage(kCreateFailed, CMessageDlg::kInformation);
            return false;
        }
    }
    folder = clean;
    return true;
}

QString COptionDlg::WithTrailingSlash(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/'))) return folder;
    return folder + QLatin1Char('/');
}

bool COptionDlg::Store() {
    const bool useFolder = Check(kTempFolder)->isChecked();
    // The path is stored as it was checked, so that the folder used later is the one created.
    QString folder = m_folder->text().trimmed();
    if (useFolder && !ValidateFolder(m_folder->text(), folder)) return false;
    m_settings.animation = Check(kAnimation)->isChecked() ? 1 : 0;
    m_settings.sound = Check(kSound)->isChecked() ? 1 : 0;
    m_settings.withDJ = Check(kWithDj)->isChecked() ? 1 : 0;
    m_settings.autoSort = Check(kAutoSort)->isChecked() ? 1 : 0;
    m_settings.tempFolder = useFolder ? 1 : 0;
    m_settings.tempFolderPath = WithTrailingSlash(folder).toStdString();
    return true;
}
