// The main of every GUI test executable: GoogleTest inside one QApplication (the offscreen
// platform unless the environment chooses another), with effect sounds and animations off so
// dialogs open at once. Tests drive widgets with QTest's event helpers.
#include <ui/SkinContext.h>

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);

    ui::FixedEffectSettings quiet;
    quiet.sound = false;
    quiet.animation = false;
    ui::SkinContext::SetSettings(&quiet);
    const int result = RUN_ALL_TESTS();
    ui::SkinContext::SetSettings(nullptr);
    return result;
}
