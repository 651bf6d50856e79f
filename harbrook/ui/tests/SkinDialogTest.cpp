// CSkinDialog: label prefixes, the set-up on first show, translucency, commands and keys.
#include "UiTestRegistry.h"
#include "UiTestSupport.h"

#include <ui/SkinDialog.h>
#include <ui/SkinLabel.h>
#include <ui/SkinPalette.h>
#include <ui/ZoomRectEffect.h>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kCaptionHeight = 22;  // height of image 188

QLabel* addLabel(QWidget* parent, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(QRect(at, QSize(200, 20)));
    return label;
}

QColor textColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

}  // namespace

class SkinDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parsesLabelPrefixes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("shown");
        const int plain = int(ui::LabelStyle::Plain);
        QTest::newRow("bold") << "&bタイトル" << int(ui::LabelStyle::Bold) << "タイトル";
        QTest::newRow("normal mark") << "&n*" << int(ui::LabelStyle::Normal) << "*";
        QTest::newRow("hint") << "&c例）" << int(ui::LabelStyle::Hint) << "例）";
        QTest::newRow("prefix only") << "&b" << int(ui::LabelStyle::Bold) << "";
        QTest::newRow("other letter") << "&xyz" << plain << "&xyz";
        QTest::newRow("upper case is not a prefix") << "&Bold" << plain << "&Bold";
        QTest::newRow("lone ampersand") << "&" << plain << "&";
        QTest::newRow("empty") << "" << plain << "";
        QTest::newRow("prefix not at start") << " &bx" << plain << " &bx";
        QTest::newRow("CR line breaks") << "&b表示させてください。\r完了を選ぶと" << int(ui::LabelStyle::Bold)
                                        << "表示させてください。\n完了を選ぶと";
        QTest::newRow("CR LF and double CR") << "a\r\nb\r\rc" << plain << "a\nb\n\nc";
    }
    void parsesLabelPrefixes() {
        QFETCH(QString, text);
        QFETCH(int, style);
        QFETCH(QString, shown);
        const ui::SkinLabelText parsed = ui::ParseSkinLabel(text);
        QCOMPARE(int(parsed.style), style);
        QCOMPARE(parsed.text, shown);
    }

    void setUpStylesLabelsAndMakesRoomForTheCaption() {
        ui::SkinContext::SetStringLookup([](int id) {
            return id == 213 ? QStringLiteral("オプション設定") : QString();
        });
        CSkinDialog dialog(213);
        dialog.resize(300, 200);
        QLabel* bold = addLabel(&dialog, QStringLiteral("&bタイトル"), QPoint(10, 10));
        QLabel* hint = addLabel(&dialog, QStringLiteral("&c地点の名称を入力してください"), QPoint(10, 40));
        QLabel* plain = addLabel(&dialog, QStringLiteral("No Image"), QPoint(10, 70));
        auto* box = new QCheckBox(&dialog);
        box->move(10, 100);

        QVERIFY(dialog.InitSkin());
        ui::SkinContext::SetStringLookup({});
        QCOMPARE(dialog.Caption(), QStringLiteral("オプション設定"));
        QCOMPARE(dialog.CaptionHeight(), kCaptionHeight);
        QCOMPARE(dialog.size(), QSize(300, 200 + kCaptionHeight));
        QCOMPARE(bold->pos(), QPoint(10, 10 + kCaptionHeight));
        QCOMPARE(box->pos(), QPoint(10, 100 + kCaptionHeight));

        QCOMPARE(bold->text(), QStringLiteral("タイトル"));
        QCOMPARE(bold->font().weight(), QFont::Weight(600));
        QCOMPARE(bold->font().pixelSize(), 12);
        QCOMPARE(textColour(bold), ui::palette::kLabelText);
        QCOMPARE(hint->text(), QStringLiteral("地点の名称を入力してください"));
        QCOMPARE(hint->font().pixelSize(), 10);
        QCOMPARE(textColour(hint), ui::palette::kHintText);
        QCOMPARE(plain->text(), QStringLiteral("No Image"));
        QCOMPARE(plain->font().pixelSize(), 10);
        QCOMPARE(box->font().pixelSize(), 10);
        QCOMPARE(dialog.SkinLabels(), (QList<QLabel*>{bold, hint}));

        // A second set-up changes nothing.
        QVERIFY(dialog.InitSkin());
        QCOMPARE(bold->pos(), QPoint(10, 10 + kCaptionHeight));
    }

    void captionSetBeforeShowingWins() {
        ui::SkinContext::SetStringLookup([](int) { return QStringLiteral("from the table"); });
        CSkinDialog dialog(207);
        dialog.SetCaption(QStringLiteral("確認"));
        QVERIFY(dialog.InitSkin());
        ui::SkinContext::SetStringLookup({});
        QCOMPARE(dialog.Caption(), QStringLiteral("確認"));
    }

    void layoutDialogsGetTheBandInTheirMargin() {
        CSkinDialog dialog(213);
        auto* layout = new QVBoxLayout(&dialog);
        layout->setContentsMargins(5, 5, 5, 5);
        layout->addWidget(new QLabel(QStringLiteral("&nテキスト")));
        QVERIFY(dialog.InitSkin());
        QCOMPARE(layout->contentsMargins().top(), 5 + kCaptionHeight);
        QCOMPARE(dialog.SkinLabels().size(), 1);
        QVERIFY(dialog.height() >= layout->totalSizeHint().height());
        QVERIFY(dialog.height() < 200);  // sized by its layout, not Qt's default window size
    }

    void translucentOnlyWhenTheOptionIsOn_data() {
        QTest::addColumn<bool>("transparent");
        QTest::addColumn<double>("opacity");
        QTest::newRow("opaque") << false << 1.0;
        QTest::newRow("translucent") << true << 229 / 255.0;
    }
    void translucentOnlyWhenTheOptionIsOn() {
        QFETCH(bool, transparent);
        QFETCH(double, opacity);
        ui::FixedEffectSettings flags;
        flags.sound = false;
        flags.transparent = transparent;
        ScopedSettings scoped(flags);
        CSkinDialog dialog(213);
        QVERIFY(dialog.InitSkin());
        QVERIFY(qAbs(dialog.windowOpacity() - opacity) < 0.01);
    }

    // The zoom effect (a 50 ms pause and ten 25 ms frames) runs only when all three flags agree.
    void zoomOpensOnlyWithAnimationWhileActive_data() {
        QTest::addColumn<bool>("zoom");
        QTest::addColumn<bool>("animation");
        QTest::addColumn<bool>("active");
        QTest::addColumn<bool>("effect");
        QTest::newRow("all on") << true << true << true << true;
        QTest::newRow("no zoom flag") << false << true << true << false;
        QTest::newRow("animation off") << true << false << true << false;
        QTest::newRow("application inactive") << true << true << false << false;
    }
    void zoomOpensOnlyWithAnimationWhileActive() {
        QFETCH(bool, zoom);
        QFETCH(bool, animation);
        QFETCH(bool, active);
        QFETCH(bool, effect);
        ui::FixedEffectSettings flags;
        flags.sound = false;
        flags.animation = animation;
        flags.appActive = active;
        ScopedSettings scoped(flags);
        CSkinDialog dialog(213);
        dialog.SetZoom(zoom);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(dialog.InitSkin());
        const qint64 effectMs = ui::kZoomStartPauseMs + ui::kZoomSteps * ui::kZoomFrameDelayMs;
        QCOMPARE(clock.elapsed() >= effectMs, effect);
    }

    void missingSkinFailsTheDialogWithoutShowingIt() {
        QTemporaryDir empty;
        ScopedResourceRoot scoped(empty.path());
        CSkinDialog dialog(213);
        QCOMPARE(dialog.exec(), -1);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.IsSkinReady());
        dialog.show();
        QVERIFY(!dialog.isVisible());
    }

    void commandsAndKeysEndTheDialog_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("command 1") << "post 1" << int(QDialog::Accepted);
        QTest::newRow("command 2") << "post 2" << int(QDialog::Rejected);
        QTest::newRow("Enter") << "enter" << int(QDialog::Accepted);
        QTest::newRow("Escape") << "escape" << int(QDialog::Rejected);
    }
    void commandsAndKeysEndTheDialog() {
        QFETCH(QString, how);
        QFETCH(int, result);
        CSkinDialog dialog(213);
        dialog.resize(200, 100);
        QTimer::singleShot(0, &dialog, [&] {
            if (how == QLatin1String("post 1")) dialog.PostCommand(1);
            if (how == QLatin1String("post 2")) dialog.PostCommand(2);
            if (how == QLatin1String("enter")) QTest::keyClick(&dialog, Qt::Key_Return);
            if (how == QLatin1String("escape")) QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(dialog.exec(), result);
    }

    void unknownCommandsLeaveTheDialogOpen() {
        CSkinDialog dialog(213);
        dialog.resize(200, 100);
        QTimer::singleShot(0, &dialog, [&] {
            dialog.PostCommand(1033);
            QTimer::singleShot(10, &dialog, [&] {
                QVERIFY(dialog.isVisible());
                dialog.PostCommand(2);
            });
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }

    void itemIdsFindChildrenAtAnyDepth() {
        QWidget dialog;
        auto* group = new QWidget(&dialog);
        auto* edit = new QLabel(group);
        CSkinDialog::SetItemId(edit, 1032);
        QCOMPARE(CSkinDialog::FindItem(&dialog, 1032), edit);
        QCOMPARE(CSkinDialog::ItemId(edit), 1032);
        QCOMPARE(CSkinDialog::FindItem(&dialog, 1033), nullptr);
        QCOMPARE(CSkinDialog::FindItem(&dialog, 0), nullptr);
        CSkinDialog::SetItemId(edit, 0);
        QCOMPARE(CSkinDialog::FindItem(&dialog, 1032), nullptr);
    }
};

HARBROOK_UI_TEST(SkinDialogTest);
#include "SkinDialogTest.moc"
