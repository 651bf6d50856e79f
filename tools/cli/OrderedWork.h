#pragma once
// Runs a list of independent items on several worker threads and hands the results over on the
// calling thread in list order, as soon as each next one is ready.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace cli {

// work(item, worker) runs on worker thread `worker` (0 ... workers - 1); deliver(item, result)
// runs on the calling thread in item order. `stopRequested` is polled on the calling thread
// every few milliseconds; once it is true no further item starts, `onStop` runs every few
// milliseconds until the running items have ended (so an item that began its work just then is
// reached too), and the results not yet delivered are dropped.
template <typename Result>
void runInOrder(std::size_t items, int workers, const std::function<Result(std::size_t, int)>& work,
                const std::function<void(std::size_t, const Result&)>& deliver,
                const std::function<bool()>& stopRequested, const std::function<void()>& onStop) {
    std::mutex mutex;
    std::condition_variable ready;
    std::vector<std::optional<Result>> results(items);
    std::size_t next = 0;
    bool stopping = false;
    std::atomic<int> running = workers;
    auto loop = [&](int worker) {
        struct Finished {
            std::atomic<int>& count;
            ~Finished() { --count; }
        } finished{running};
        for (;;) {
            std::size_t item;
            {
                std::lock_guard lock(mutex);
                if (stopping || next == items) return;
                item = next++;
            }
            Result result = work(item, worker);
            std::lock_guard lock(mutex);
            results[item] = std::move(result);
            ready.notify_all();
        }
    };
    std::vector<std::thread> threads;
    for (int w = 0; w < workers; ++w) threads.emplace_back(loop, w);
    std::size_t delivered = 0;
    while (delivered < items) {
        std::unique_lock lock(mutex);
        ready.wait_for(lock, std::chrono::milliseconds(10),
                       [&] { return results[delivered].has_value(); });
        if (!stopping && stopRequested()) {
            stopping = true;
            lock.unlock();
            while (running > 0) {
                onStop();
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            break;
        }
        while (delivered < items && results[delivered]) {
            Result result = std::move(*results[delivered]);
            lock.unlock();
            deliver(delivered++, result);
            lock.lock();
        }
    }
    for (std::thread& t : threads) t.join();
}

}  // namespace cli
