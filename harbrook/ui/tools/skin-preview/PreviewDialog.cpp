#include "PreviewDialog.h"

#include <ui/SkinButton.h>
#include <ui/SkinIds.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

int templateOf(PreviewDialog::Kind kind) {
    switch (kind) {
    case PreviewDialog::Kind::Options: return 213;
    case PreviewDialog::Kind::PointEntry: return 165;
    default: return 207;
    }
}

}  // namespace

PreviewDialog::PreviewDialog(Kind kind, QWidget* parent) : CSkinDialog(templateOf(kind), parent) {
    switch (kind) {
    case Kind::Options: BuildOptions(); break;
    case Kind::PointEntry: BuildPointEntry(); break;
    case Kind::Question: BuildQuestion(); break;
    }
}

void PreviewDialog::AddLabel(const QString& text, const QRect& rect, Qt::Alignment align) {
    auto* label = new QLabel(text, this);
    label->setGeometry(rect);
    label->setAlignment(align);
}

void PreviewDialog::AddButtonItem(int id, int image, const QRect& rect) {
    auto* placeholder = new QPushButton(this);
    placeholder->setGeometry(rect);
    SetItemId(placeholder, id);
    auto* button = new CSkinButton(this);
    button->ReplaceDialogItem(id, this, image);
}

void PreviewDialog::BuildOptions() {
    SetCaption(QStringLiteral("オプション設定"));
    resize(400, 262);
    const char* options[] = {"アニメーション効果を許可する", "効果音を鳴らす", "転送時、曲調検出をする",
                             "複数曲を同時追加時、トラック番号順で並び替える", "作業フォルダを指定する"};
    for (int i = 0; i < 5; ++i) {
        auto* box = new QCheckBox(this);
        box->setGeometry(22, 18 + i * 26, 18, 18);
        box->setChecked(i != 3 && i != 4);
        AddLabel(QStringLiteral("&n") + QString::fromUtf8(options[i]), QRect(44, 16 + i * 26, 330, 22));
    }
    auto* edit = new QLineEdit(QStringLiteral("/home/user/作業"), this);
    edit->setGeometry(44, 148, 250, 22);
    edit->setEnabled(false);
    AddButtonItem(1033, ui::image::kButtonBrowse, QRect(304, 147, 80, 24));
    AddLabel(QStringLiteral("&c作業フォルダには空き容量の十分なドライブを指定してください"), QRect(44, 176, 340, 18));
    AddButtonItem(1, ui::image::kButtonOk, QRect(212, 206, 80, 24));
    AddButtonItem(2, ui::image::kButtonCancel, QRect(304, 206, 80, 24));
}

void PreviewDialog::BuildPointEntry() {
    SetCaption(QStringLiteral("地点データ入力"));
    resize(400, 250);
    AddLabel(QStringLiteral("&b名称"), QRect(18, 12, 60, 20));
    AddLabel(QStringLiteral("&n*"), QRect(52, 12, 12, 20));
    auto* name = new QLineEdit(QStringLiteral("東京タワー"), this);
    name->setGeometry(18, 34, 364, 22);
    AddLabel(QStringLiteral("&c地点の名称を全角２０文字以内で入力してください"), QRect(18, 58, 364, 18));
    AddLabel(QStringLiteral("&bグループ"), QRect(18, 84, 80, 20));
    auto* group = new QComboBox(this);
    group->addItems({QStringLiteral("観光地"), QStringLiteral("食事")});
    group->setGeometry(18, 106, 200, 22);
    AddLabel(QStringLiteral("&c地点を保存するグループを選んでください"), QRect(18, 130, 364, 18));
    AddLabel(QStringLiteral("&n*は入力必須です"), QRect(18, 160, 200, 18));
    AddButtonItem(1, ui::image::kButtonOk, QRect(212, 200, 80, 24));
    AddButtonItem(2, ui::image::kButtonCancel, QRect(302, 200, 80, 24));
}

void PreviewDialog::BuildQuestion() {
    SetCaption(QStringLiteral("問い合わせ"));
    resize(370, 118);
    auto* text = new QLabel(QStringLiteral("保存されていないデータがあります。\r\r保存しますか？"), this);
    text->setText(text->text().replace(QLatin1Char('\r'), QLatin1Char('\n')));
    text->setGeometry(10, 8, 350, 56);
    text->setAlignment(Qt::AlignCenter);
    AddButtonItem(1040, ui::image::kButtonYes, QRect(50, 76, 80, 24));
    AddButtonItem(1039, ui::image::kButtonNo, QRect(145, 76, 80, 24));
    AddButtonItem(1041, ui::image::kButtonCancel, QRect(240, 76, 80, 24));
}
