#include <platform/InstanceLock.h>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using platform::InstanceLock;

namespace {
// Tries the lock from a separate process, as a second copy of the program would.
bool otherProcessCanAcquire(const std::string& title) {
    pid_t pid = ::fork();
    if (pid == 0) {
        InstanceLock lock(title);
        ::_exit(lock.acquire() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
}  // namespace

TEST(InstanceLock, SecondCopyIsRefusedUntilTheFirstReleases) {
    const std::string title = "HarbrookLockTest" + std::to_string(::getpid());
    InstanceLock first(title);
    ASSERT_TRUE(first.acquire());
    EXPECT_FALSE(otherProcessCanAcquire(title));
    first.release();
    EXPECT_TRUE(otherProcessCanAcquire(title));
    ::unlink(first.path().c_str());
}
