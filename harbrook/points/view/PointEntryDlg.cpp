#include <points/view/PointEntryDlg.h>

#include <points/view/CommentEdit.h>
#include <points/view/DialogItems.h>
#include <points/view/PictureImage.h>

#include <points/PictureLoader.h>
#include <points/PointEntry.h>
#include <points/PointTextRules.h>

#include <outside/Textaid.h>
#include <platform/Cp932.h>
#include <shell/AppSettings.h>
#include <shell/gui/FileDialog.h>
#include <shell/gui/MessageDlg.h>
#include <shell/gui/TextAdapter.h>
#include <ui/SkinIds.h>

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <array>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 530;
constexpr int kFieldX = 100;
constexpr int kFieldWidth = 286;

const QString kPictureUnreadable = QStringLiteral("画像ファイルの読み込みに失敗しました。");

// A text as the unit stores it, converted for display (the unit pads and may carry characters
// it cannot show).
template <std::size_t N>
QString displayed(const char* field, std::size_t fieldSize) {
    std::array<char, N> buffer{};
    platform::copyCp932Field(buffer.data(), N, platform::fieldText(field, fieldSize));
    CTextaid::ConvNaviToPcString(buffer.data(), 1);
    return fromCp932(buffer.data());
}

// A field's text in CP932; nothing when some character has no CP932 form.
std::optional<std::string> cp932Of(const QString& text) {
    bool ok = true;
    std::string bytes = toCp932(text, &ok);
    if (!ok) return std::nullopt;
    return bytes;
}

}  // namespace

CPointEntryDlg::CPointEntryDlg(AppSettings& settings, QWidget* parent)
    : CSkinDialog(kTemplate, parent), m_settings(settings) {
    SetCaption(QStringLiteral("地点データ入力"));
    SetZoom(true);
    resize(kWidth, kHeight);
    Build();
}

QLineEdit* CPointEntryDlg::AddField(int id, int top, int width, const char* label,
                                    const char* hint) {
    pointdlg::AddLabel(this, QString::fromUtf8(label), QRect(14, top + 3, 84, 18));
    auto* edit = new QLineEdit(this);
    edit->setGeometry(kFieldX, top, width, 22);
    SetItemId(edit, id);
    pointdlg::MoveOnWithEnter(edit);
    QLabel* hintLabel = pointdlg::AddLabel(this, QString::fromUtf8(hint),
                                           QRect(kFieldX, top + 24, kFieldWidth, 28));
    hintLabel->setWordWrap(true);
    hintLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return edit;
}

void CPointEntryDlg::Build() {
    m_name = AddField(kName, 12, kFieldWidth, "&b名称",
                      "&c地点の名称を全角２０文字以内で入力してください");
    pointdlg::AddLabel(this, QStringLiteral("&n*"), QRect(46, 15, 12, 18));
    m_reading =
        AddField(kReading, 68, kFieldWidth, "&bヨミ",
                 "&c読み（音声で認識する言葉）を全角カタカナ２０文字以内で入力してください");
    m_telephone = AddField(kTelephone, 124, 180, "&b電話番号",
                           "&c電話番号を半角数字２４文字以内で入力してください");
    pointdlg::PlainDigits(m_telephone);

    const int pictureTop = 180;
    pointdlg::AddLabel(this, QStringLiteral("&b画像ファイル"), QRect(14, pictureTop + 3, 84, 18));
    m_preview = new QLabel(this);
    m_preview->setGeometry(kFieldX, pictureTop, points::PictureLoader::kPointPictureWidth + 2,
                           points::PictureLoader::kPointPictureHeight + 2);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::Box);
    SetItemId(m_preview, kPreview);
    pointdlg::AddButton(this, kBrowse, ui::image::kButtonBrowse,
                        QRect(kFieldX + 146, pictureTop + 20, 80, 24), QStringLiteral("参照"));
    pointdlg::AddButton(this, kRemovePicture, ui::image::kButtonRemove,
                        QRect(kFieldX + 146, pictureTop + 54, 80, 24), QStringLiteral("取り消し"));
    pointdlg::AddLabel(this, QStringLiteral("&c地点に関連付ける画像を選んでください"),
                       QRect(kFieldX, pictureTop + 106, kFieldWidth, 16));

    const int groupTop = 306;
    pointdlg::AddLabel(this, QStringLiteral("&bグループ"), QRect(14, groupTop + 3, 84, 18));
    m_group = new QComboBox(this);
    m_group->setGeometry(kFieldX, groupTop, 180, 22);
    SetItemId(m_group, kGroup);
    pointdlg::MoveOnWithEnter(m_group);
    pointdlg::AddLabel(this, QStringLiteral("&c地点を保存するグループを選んでください"),
                       QRect(kFieldX, groupTop + 24, kFieldWidth, 16));

    const int commentTop = 350;
    pointdlg::AddLabel(this, QStringLiteral("&bコメント編集"), QRect(14, commentTop + 3, 84, 18));
    m_comment = new CommentEdit(this);
    m_comment->setGeometry(kFieldX, commentTop, kFieldWidth, 100);
    SetItemId(m_comment, kComment);
    QLabel* commentHint = pointdlg::AddLabel(
        this,
        QStringLiteral(
            "&c地点に関連付けるコメントを全角２０４８文字（半角４０９６文字）以内で入力して"
            "ください"),
        QRect(kFieldX, commentTop + 104, kFieldWidth, 30));
    commentHint->setWordWrap(true);
    commentHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    pointdlg::AddLabel(this, QStringLiteral("&n*は入力必須です"), QRect(14, kHeight - 33, 150, 18));
    pointdlg::AddOkCancel(this, kWidth, kHeight, QStringLiteral("完了"));

    connect(m_name, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (QWidget* ok = FindItem(this, 1)) ok->setEnabled(!text.isEmpty());
    });
    connect(m_reading, &QLineEdit::editingFinished, this, [this] {
        if (m_reading->isModified()) ReadingToKatakana();
    });
}

void CPointEntryDlg::showEvent(QShowEvent* event) {
    CSkinDialog::showEvent(event);
    if (!m_loaded) Load();
    m_loaded = true;
}

void CPointEntryDlg::Load() {
    m_group->clear();
    m_group->addItems(m_groupNames);
    if (m_entry) {
        m_name->setText(displayed<points::kNameBytes>(m_entry->name, sizeof m_entry->name));
        m_reading->setText(
            fromCp932(platform::fieldText(m_entry->reading, sizeof m_entry->reading)));
        m_telephone->setText(
            fromCp932(platform::fieldText(m_entry->telephone, sizeof m_entry->telephone)));
        m_comment->SetCrLfText(
            displayed<points::kCommentBufferBytes>(m_entry->comment, sizeof m_entry->comment));
        m_group->setCurrentIndex(std::clamp<int>(m_entry->group, 0, m_group->count() - 1));
        if (m_entry->picture) m_picture.copyFrom(*m_entry->picture);
    }
    m_name->setModified(false);
    m_comment->document()->setModified(false);
    if (QWidget* ok = FindItem(this, 1)) ok->setEnabled(!m_name->text().isEmpty());
    ShowPicture();
    m_name->setFocus(Qt::OtherFocusReason);
}

void CPointEntryDlg::ShowPicture() {
    const QImage image = PictureImage(m_picture);
    if (image.isNull()) {
        m_preview->setPixmap(QPixmap());
        m_preview->setText(QStringLiteral("No Image"));
    } else {
        m_preview->setPixmap(QPixmap::fromImage(image));
    }
}

void CPointEntryDlg::ReadingToKatakana() {
    bool ok = true;
    std::string reading = toCp932(m_reading->text(), &ok);
    if (!ok) return;  // the check at OK names the character the unit cannot store
    points::ReadingToKatakana(reading);
    const QString katakana = fromCp932(reading);
    if (katakana != m_reading->text()) m_reading->setText(katakana);
}

bool CPointEntryDlg::LoadPicture(const QString& path) {
    points::PictureHolder loaded;
    if (!points::PictureLoader::load(path.toStdString(), points::PictureLoader::kPointPictureWidth,
                                     points::PictureLoader::kPointPictureHeight, loaded)) {
        return false;
    }
    m_picture.copyFrom(loaded);
    ShowPicture();
    return true;
}

void CPointEntryDlg::Browse() {
    QString path = QString::fromStdString(m_settings.imgFileSpec);
    if (!CFileDialog::FileNameDlg(this, CFileDialog::kPicture, 1,
                                  QString::fromStdString(m_settings.imgIniFolder), path)) {
        return;
    }
    if (!LoadPicture(path)) {
        ShowMessage(kPictureUnreadable, CMessageDlg::kInformation);
        return;
    }
    const QFileInfo file(path);
    m_settings.imgFileSpec = file.fileName().toStdString();
    m_settings.imgIniFolder = (file.absolutePath() + QLatin1Char('/')).toStdString();
}

bool CPointEntryDlg::OnCommand(int commandId) {
    switch (commandId) {
        case kBrowse:
            Browse();
            return true;
        case kRemovePicture:
            m_picture.clear();
            ShowPicture();
            return true;
        case 1:
            if (Finish()) done(1);
            return true;
        default:
            return CSkinDialog::OnCommand(commandId);
    }
}

bool CPointEntryDlg::Finish() {
    if (m_name->text().isEmpty()) return false;
    // Pressing a skinned button leaves the focus in the reading: convert as leaving it would.
    if (m_reading->isModified()) ReadingToKatakana();
    const points::PointEntryTexts texts{cp932Of(m_name->text()), cp932Of(m_reading->text()),
                                        cp932Of(m_telephone->text()),
                                        cp932Of(m_comment->CrLfText())};
    const std::string problem = points::EntryTextsProblem(texts);
    if (!problem.empty()) {
        ShowMessage(QString::fromStdString(problem), CMessageDlg::kInformation);
        return false;
    }
    if (!m_entry) return true;
    if (m_comment->document()->isModified())
        platform::copyCp932Field(m_entry->comment, sizeof m_entry->comment, *texts.comment);
    if (m_name->isModified())
        platform::copyCp932Field(m_entry->name, sizeof m_entry->name, *texts.name);
    platform::copyCp932Field(m_entry->reading, sizeof m_entry->reading, *texts.reading);
    platform::copyCp932Field(m_entry->telephone, sizeof m_entry->telephone, *texts.telephone);
    m_entry->group = static_cast<std::int16_t>(std::max(0, m_group->currentIndex()));
    if (m_entry->picture) m_entry->picture->copyFrom(m_picture);
    return true;
}
