// CSkinButton: which frame shows in which state, when the command fires and where it goes.
#include "UiTestRegistry.h"
#include "UiTestSupport.h"

#include <ui/SkinButton.h>
#include <ui/SkinDialog.h>
#include <ui/SkinIds.h>

#include <testsupport/RecordingTarget.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

constexpr int kCommand = 32779;
const QPoint kInside(10, 10);
const QPoint kOutside(200, 10);

// Plays a space-separated script of mouse actions on the button.
void play(CSkinButton* button, const QString& script) {
    const auto parts = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& step : parts) {
        if (step == QLatin1String("hover")) {
            sendMouse(button, QEvent::MouseMove, kInside, Qt::NoButton, Qt::NoButton);
        } else if (step == QLatin1String("leave")) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(button, &leave);
        } else if (step == QLatin1String("press")) {
            sendMouse(button, QEvent::MouseButtonPress, kInside, Qt::LeftButton, Qt::LeftButton);
        } else if (step == QLatin1String("drag-out") || step == QLatin1String("drag-in")) {
            const QPoint at = step == QLatin1String("drag-in") ? kInside : kOutside;
            sendMouse(button, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        } else if (step == QLatin1String("release") || step == QLatin1String("release-out")) {
            const QPoint at = step == QLatin1String("release") ? kInside : kOutside;
            sendMouse(button, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        } else if (step == QLatin1String("dblclick")) {
            sendMouse(button, QEvent::MouseButtonDblClick, kInside, Qt::LeftButton, Qt::LeftButton);
        } else if (step == QLatin1String("right")) {
            sendMouse(button, QEvent::MouseButtonPress, kInside, Qt::RightButton, Qt::RightButton);
            sendMouse(button, QEvent::MouseButtonRelease, kInside, Qt::RightButton, Qt::NoButton);
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }
}

// Records the commands a skinned dialog receives.
class RecordingDialog : public CSkinDialog {
public:
    RecordingDialog() : CSkinDialog(213) {}
    QList<int> commands;

protected:
    bool OnCommand(int commandId) override {
        commands.append(commandId);
        return true;
    }
};

}  // namespace

class SkinButtonTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_target = std::make_unique<testsupport::RecordingTarget>();
        ui::SkinContext::SetMainFrame(nullptr, m_target.get());
        m_parent = std::make_unique<QWidget>();
        m_button = new CSkinButton(m_parent.get());
        QVERIFY(m_button->SetImage(ui::image::kButtonOk));
        m_button->Create(QRect(0, 0, 80, 24), m_parent.get(), kCommand);
    }
    void cleanup() {
        m_parent.reset();
        ui::SkinContext::SetMainFrame(nullptr, nullptr);
    }

    void framesAndFiring_data() {
        QTest::addColumn<bool>("latched");
        QTest::addColumn<bool>("pressActs");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("frame");
        QTest::addColumn<int>("fired");
        const bool L = true, P = true, _ = false;
        QTest::newRow("resting") << _ << _ << "" << 0 << 0;
        QTest::newRow("hover") << _ << _ << "hover" << 3 << 0;
        QTest::newRow("hover, leave") << _ << _ << "hover leave" << 0 << 0;
        QTest::newRow("pressed") << _ << _ << "press" << 1 << 0;
        QTest::newRow("click fires on release") << _ << _ << "press release" << 3 << 1;
        QTest::newRow("dragged out while pressed") << _ << _ << "press drag-out" << 3 << 0;
        QTest::newRow("dragged back in") << _ << _ << "press drag-out drag-in" << 1 << 0;
        QTest::newRow("released outside: nothing") << _ << _ << "press release-out" << 0 << 0;
        QTest::newRow("release without press") << _ << _ << "release" << 0 << 0;
        QTest::newRow("right button ignored") << _ << _ << "right" << 0 << 0;
        QTest::newRow("double click fires twice") << _ << _ << "press release dblclick release" << 3 << 2;
        QTest::newRow("latched rests latched") << L << _ << "" << 2 << 0;
        QTest::newRow("latched shows no hover") << L << _ << "hover" << 2 << 0;
        QTest::newRow("latched pressed") << L << _ << "press" << 1 << 0;
        QTest::newRow("latched click") << L << _ << "press release" << 2 << 1;
        QTest::newRow("latched released outside") << L << _ << "press release-out" << 2 << 0;
        QTest::newRow("press-acts fires on press") << _ << P << "press" << 1 << 1;
        QTest::newRow("press-acts click fires once") << _ << P << "press release" << 3 << 1;
        QTest::newRow("press-acts released outside") << _ << P << "press release-out" << 0 << 1;
        QTest::newRow("press-acts double click") << _ << P << "press release dblclick release" << 3 << 2;
    }
    void framesAndFiring() {
        QFETCH(bool, latched);
        QFETCH(bool, pressActs);
        QFETCH(QString, script);
        QFETCH(int, frame);
        QFETCH(int, fired);
        m_button->SetLatched(latched);
        m_button->SetPressActs(pressActs);
        QSignalSpy spy(m_button, &CSkinButton::commandFired);
        play(m_button, script);
        QCOMPARE(m_button->Frame(), frame);
        QCOMPARE(int(spy.count()), fired);
        QCOMPARE(int(m_target->messages(ui::kWmCommand).size()), fired);
    }

    void disabledShowsItsFrameAndIgnoresInput() {
        QSignalSpy spy(m_button, &CSkinButton::commandFired);
        play(m_button, QStringLiteral("press"));
        m_button->setEnabled(false);
        QCOMPARE(m_button->Frame(), int(ui::kFrameDisabled));
        play(m_button, QStringLiteral("release press release dblclick hover"));
        m_button->SetLatched(true);
        QCOMPARE(m_button->Frame(), int(ui::kFrameDisabled));
        QCOMPARE(spy.count(), 0);
        // Enabled again it rests, without the press it had when it was disabled.
        m_button->setEnabled(true);
        QCOMPARE(m_button->Frame(), int(ui::kFrameLatched));
        play(m_button, QStringLiteral("release"));
        QCOMPARE(spy.count(), 0);
    }

    void postsCommandOrSystemCommandToTheMainFrame() {
        play(m_button, QStringLiteral("press release"));
        auto* caption = new CSkinButton(m_parent.get());
        caption->SetImage(ui::image::kCloseButton);
        caption->Create(QRect(100, 0, 13, 11), m_parent.get(), 61536, true);
        play(caption, QStringLiteral("press release"));
        const auto messages = m_target->messages();
        QCOMPARE(int(messages.size()), 2);
        QCOMPARE(messages[0].message, ui::kWmCommand);
        QCOMPARE(messages[0].wParam, platform::WParam(kCommand));
        QCOMPARE(messages[0].lParam, platform::LParam(0));
        QVERIFY(!messages[0].sent);
        QCOMPARE(messages[1].message, ui::kWmSysCommand);
        QCOMPARE(messages[1].wParam, platform::WParam(61536));
    }

    void insideADialogTheDialogGetsTheCommand() {
        RecordingDialog dialog;
        auto* placeholder = new QPushButton(QStringLiteral("OK"), &dialog);
        placeholder->setGeometry(10, 10, 100, 30);
        CSkinDialog::SetItemId(placeholder, 1);
        auto* button = new CSkinButton(&dialog);
        QVERIFY(button->ReplaceDialogItem(1, &dialog, ui::image::kButtonOk));
        play(button, QStringLiteral("press release"));
        QTRY_COMPARE(dialog.commands, QList<int>{1});
        QVERIFY(m_target->messages().empty());
    }

    // The button takes the item's place: one frame's size about the item's centre.
    void replaceDialogItemCentresOnTheItem() {
        QWidget dialog;
        auto* item = new QPushButton(&dialog);
        item->setGeometry(10, 10, 100, 30);
        item->setEnabled(false);
        CSkinDialog::SetItemId(item, 1033);
        auto* button = new CSkinButton(&dialog);
        QVERIFY(button->ReplaceDialogItem(1033, &dialog, ui::image::kButtonBrowse));
        QCOMPARE(button->geometry(), QRect(20, 13, 80, 24));
        QCOMPARE(button->CommandId(), 1033);
        QVERIFY(item->isHidden());
        QVERIFY(!button->isEnabled());
        QCOMPARE(CSkinDialog::FindItem(&dialog, 1033), button);

        auto* other = new CSkinButton(&dialog);
        QVERIFY(!other->ReplaceDialogItem(4711, &dialog, ui::image::kButtonBrowse));
        CSkinDialog::SetItemId(new QPushButton(&dialog), 7);
        QVERIFY(!other->ReplaceDialogItem(7, &dialog, 4242));
    }

    void setImageFailureKeepsTheImage() {
        QVERIFY(!m_button->SetImage(4242));
        QCOMPARE(m_button->FrameSize(), QSize(80, 24));
    }

private:
    std::unique_ptr<testsupport::RecordingTarget> m_target;
    std::unique_ptr<QWidget> m_parent;
    CSkinButton* m_button = nullptr;
};

HARBROOK_UI_TEST(SkinButtonTest);
#include "SkinButtonTest.moc"
