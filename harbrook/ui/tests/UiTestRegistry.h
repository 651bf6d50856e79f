#pragma once
// The toolkit's QTest classes share one executable; each registers itself here and UiTestMain runs
// them all under one QApplication.
#include <QObject>

#include <functional>
#include <vector>

using UiTestFactory = std::function<QObject*()>;

std::vector<UiTestFactory>& UiTests();
bool RegisterUiTest(UiTestFactory factory);

#define HARBROOK_UI_TEST(Class) \
    static const bool Class##Registered = RegisterUiTest([]() -> QObject* { return new Class; })
