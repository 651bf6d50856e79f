// CSkinDialog: label prefixes, the set-up on first show, translucency, commands and keys.
#include "UiTestSupport.h"

#include <ui/SkinDialog.h>
#include <ui/SkinLabel.h>
#include <ui/SkinPalette.h>
#include <ui/ZoomRectEffect.h>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

constexpr int kCaptionHeight = 22;  // height of image 188

QLabel* addLabel(QWidget* parent, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(QRect(at, QSize(200, 20)));
    return label;
}

QColor textColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

struct PrefixCase {
    const char* name;
    const char* text;
    ui::LabelStyle style;
    const char* shown;
};

class LabelPrefixTest : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(LabelPrefixTest, PrefixGivesTheStyleAndIsNotShown) {
    const ui::SkinLabelText parsed = ui::ParseSkinLabel(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(parsed.style, GetParam().style);
    EXPECT_EQ(parsed.text, QString::fromUtf8(GetParam().shown));
}

using ui::LabelStyle;
INSTANTIATE_TEST_SUITE_P(
    Texts, LabelPrefixTest,
    ::testing::Values(PrefixCase{"Bold", "&bタイトル", LabelStyle::Bold, "タイトル"},
                      PrefixCase{"NormalMark", "&n*", LabelStyle::Normal, "*"},
                      PrefixCase{"Hint", "&c例）", LabelStyle::Hint, "例）"},
                      PrefixCase{"PrefixOnly", "&b", LabelStyle::Bold, ""},
                      PrefixCase{"OtherLetter", "&xyz", LabelStyle::Plain, "&xyz"},
                      PrefixCase{"UpperCaseIsNotAPrefix", "&Bold", LabelStyle::Plain, "&Bold"},
                      PrefixCase{"LoneAmpersand", "&", LabelStyle::Plain, "&"},
                      PrefixCase{"Empty", "", LabelStyle::Plain, ""},
                      PrefixCase{"PrefixNotAtStart", " &bx", LabelStyle::Plain, " &bx"},
                      PrefixCase{"CrLineBreaks", "&b表示させてください。\r完了を選ぶと",
                                 LabelStyle::Bold, "表示させてください。\n完了を選ぶと"},
                      PrefixCase{"CrLfAndDoubleCr", "a\r\nb\r\rc", LabelStyle::Plain, "a\nb\n\nc"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SkinDialogTest, SetUpStylesLabelsAndMakesRoomForTheCaption) {
    ui::SkinContext::SetStringLookup(
        [](int id) { return id == 213 ? QStringLiteral("オプション設定") : QString(); });
    CSkinDialog dialog(213);
    dialog.resize(300, 200);
    QLabel* bold = addLabel(&dialog, QStringLiteral("&bタイトル"), QPoint(10, 10));
    QLabel* hint =
        addLabel(&dialog, QStringLiteral("&c地点の名称を入力してください"), QPoint(10, 40));
    QLabel* plain = addLabel(&dialog, QStringLiteral("No Image"), QPoint(10, 70));
    auto* box = new QCheckBox(&dialog);
    box->move(10, 100);

    ASSERT_TRUE(dialog.InitSkin());
    ui::SkinContext::SetStringLookup({});
    EXPECT_EQ(dialog.Caption(), QStringLiteral("オプション設定"));
    EXPECT_EQ(dialog.CaptionHeight(), kCaptionHeight);
    EXPECT_EQ(dialog.size(), QSize(300, 200 + kCaptionHeight));
    EXPECT_EQ(bold->pos(), QPoint(10, 10 + kCaptionHeight));
    EXPECT_EQ(box->pos(), QPoint(10, 100 + kCaptionHeight));

    EXPECT_EQ(bold->text(), QStringLiteral("タイトル"));
    EXPECT_EQ(bold->font().weight(), QFont::Weight(600));
    EXPECT_EQ(bold->font().pixelSize(), 12);
    EXPECT_EQ(textColour(bold), ui::palette::kLabelText);
    EXPECT_EQ(hint->text(), QStringLiteral("地点の名称を入力してください"));
    EXPECT_EQ(hint->font().pixelSize(), 10);
    EXPECT_EQ(textColour(hint), ui::palette::kHintText);
    EXPECT_EQ(plain->text(), QStringLiteral("No Image"));
    EXPECT_EQ(plain->font().pixelSize(), 10);
    EXPECT_EQ(box->font().pixelSize(), 10);
    EXPECT_EQ(dialog.SkinLabels(), (QList<QLabel*>{bold, hint}));

    // A second set-up changes nothing.
    EXPECT_TRUE(dialog.InitSkin());
    EXPECT_EQ(bold->pos(), QPoint(10, 10 + kCaptionHeight));
}

TEST(SkinDialogTest, CaptionSetBeforeShowingWins) {
    ui::SkinContext::SetStringLookup([](int) { return QStringLiteral("from the table"); });
    CSkinDialog dialog(207);
    dialog.SetCaption(QStringLiteral("確認"));
    EXPECT_TRUE(dialog.InitSkin());
    ui::SkinContext::SetStringLookup({});
    EXPECT_EQ(dialog.Caption(), QStringLiteral("確認"));
}

TEST(SkinDialogTest, LayoutDialogsGetTheBandInTheirMargin) {
    CSkinDialog dialog(213);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(new QLabel(QStringLiteral("&nテキスト")));
    ASSERT_TRUE(dialog.InitSkin());
    EXPECT_EQ(layout->contentsMargins().top(), 5 + kCaptionHeight);
    EXPECT_EQ(dialog.SkinLabels().size(), 1);
    EXPECT_GE(dialog.height(), layout->totalSizeHint().height());
    EXPECT_LT(dialog.height(), 200);  // sized by its layout, not Qt's default window size
}

TEST(SkinDialogTest, TranslucentOnlyWhenTheOptionIsOn) {
    for (const bool transparent : {false, true}) {
        ui::FixedEffectSettings flags;
        flags.sound = false;
        flags.transparent = transparent;
        ScopedSettings scoped(flags);
        CSkinDialog dialog(213);
        ASSERT_TRUE(dialog.InitSkin());
        EXPECT_NEAR(dialog.windowOpacity(), transparent ? 229 / 255.0 : 1.0, 0.01) << transparent;
    }
}

// The zoom effect (a 50 ms pause and ten 25 ms frames) runs only when all three flags agree.
struct ZoomCase {
    const char* name;
    bool zoom;
    bool animation;
    bool active;
    bool effect;
};

class ZoomOpenTest : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(ZoomOpenTest, ZoomOpensOnlyWithAnimationWhileActive) {
    const ZoomCase& c = GetParam();
    ui::FixedEffectSettings flags;
    flags.sound = false;
    flags.animation = c.animation;
    flags.appActive = c.active;
    ScopedSettings scoped(flags);
    CSkinDialog dialog(213);
    dialog.SetZoom(c.zoom);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(dialog.InitSkin());
    const qint64 effectMs = ui::kZoomStartPauseMs + ui::kZoomSteps * ui::kZoomFrameDelayMs;
    EXPECT_EQ(clock.elapsed() >= effectMs, c.effect);
}

INSTANTIATE_TEST_SUITE_P(Flags, ZoomOpenTest,
                         ::testing::Values(ZoomCase{"AllOn", true, true, true, true},
                                           ZoomCase{"NoZoomFlag", false, true, true, false},
                                           ZoomCase{"AnimationOff", true, false, true, false},
                                           ZoomCase{"ApplicationInactive", true, true, false,
                                                    false}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(SkinDialogTest, MissingSkinFailsTheDialogWithoutShowingIt) {
    QTemporaryDir empty;
    ScopedResourceRoot scoped(empty.path());
    CSkinDialog dialog(213);
    EXPECT_EQ(dialog.exec(), -1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.IsSkinReady());
    dialog.show();
    EXPECT_FALSE(dialog.isVisible());
}

struct EndCase {
    const char* name;
    int command;  // 0: press `key` instead
    Qt::Key key;
    int result;
};

class DialogEndTest : public ::testing::TestWithParam<EndCase> {};

TEST_P(DialogEndTest, CommandsAndKeysEndTheDialog) {
    const EndCase& c = GetParam();
    CSkinDialog dialog(213);
    dialog.resize(200, 100);
    QTimer::singleShot(0, &dialog, [&] {
        if (c.command) {
            dialog.PostCommand(c.command);
        } else {
            QTest::keyClick(&dialog, c.key);
        }
    });
    EXPECT_EQ(dialog.exec(), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, DialogEndTest,
    ::testing::Values(EndCase{"Command1", 1, Qt::Key_unknown, QDialog::Accepted},
                      EndCase{"Command2", 2, Qt::Key_unknown, QDialog::Rejected},
                      EndCase{"Enter", 0, Qt::Key_Return, QDialog::Accepted},
                      EndCase{"Escape", 0, Qt::Key_Escape, QDialog::Rejected}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SkinDialogTest, UnknownCommandsLeaveTheDialogOpen) {
    CSkinDialog dialog(213);
    dialog.resize(200, 100);
    QTimer::singleShot(0, &dialog, [&] {
        dialog.PostCommand(1033);
        QTimer::singleShot(10, &dialog, [&] {
            EXPECT_TRUE(dialog.isVisible());
            dialog.PostCommand(2);
        });
    });
    EXPECT_EQ(dialog.exec(), int(QDialog::Rejected));
}

TEST(SkinDialogTest, ItemIdsFindChildrenAtAnyDepth) {
    QWidget dialog;
    auto* group = new QWidget(&dialog);
    auto* edit = new QLabel(group);
    CSkinDialog::SetItemId(edit, 1032);
    EXPECT_EQ(CSkinDialog::FindItem(&dialog, 1032), edit);
    EXPECT_EQ(CSkinDialog::ItemId(edit), 1032);
    EXPECT_EQ(CSkinDialog::FindItem(&dialog, 1033), nullptr);
    EXPECT_EQ(CSkinDialog::FindItem(&dialog, 0), nullptr);
    CSkinDialog::SetItemId(edit, 0);
    EXPECT_EQ(CSkinDialog::FindItem(&dialog, 1032), nullptr);
}

}  // namespace
