#include <platform/Event.h>

#include <gtest/gtest.h>

#include <thread>

using platform::Event;

TEST(Event, ManualResetStaysSetUntilReset) {
    Event e(true, false);
    EXPECT_FALSE(e.wait(0));
    e.set();
    EXPECT_TRUE(e.wait(0));
    EXPECT_TRUE(e.wait(0));
    e.reset();
    EXPECT_FALSE(e.isSet());
}

TEST(Event, AutoResetReleasesOneWait) {
    Event e(false, true);
    EXPECT_TRUE(e.isSet());
    EXPECT_TRUE(e.wait(0));
    EXPECT_FALSE(e.wait(0));
}

TEST(Event, WakesAWaiterOnAnotherThread) {
    Event e;
    std::thread t([&] { e.set(); });
    EXPECT_TRUE(e.wait(5000));
    t.join();
}
