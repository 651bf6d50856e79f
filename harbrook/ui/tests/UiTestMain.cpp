// Runs every registered toolkit test class, then the GoogleTest cases; the exit code is the number
// of failed classes plus one when a GoogleTest case failed.
#include "UiTestRegistry.h"

#include <ui/SkinContext.h>

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

std::vector<UiTestFactory>& UiTests() {
    static std::vector<UiTestFactory> tests;
    return tests;
}

bool RegisterUiTest(UiTestFactory factory) {
    UiTests().push_back(std::move(factory));
    return true;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // No sounds or effects unless a test asks for them.
    ui::FixedEffectSettings quiet;
    quiet.sound = false;
    quiet.animation = false;
    ui::SkinContext::SetSettings(&quiet);
    int failed = 0;
    for (const UiTestFactory& make : UiTests()) {
        std::unique_ptr<QObject> test(make());
        if (QTest::qExec(test.get(), argc, argv) != 0) ++failed;
    }
    if (RUN_ALL_TESTS() != 0) ++failed;
    ui::SkinContext::SetSettings(nullptr);
    return failed;
}
