#include "graph/worker_pool.h"

#include <algorithm>

namespace qx {

WorkerPool::WorkerPool(int workerCount) {
    for (int worker = 1; worker < std::max(workerCount, 1); ++worker)
        threads.emplace_back([this, worker] { WorkerLoop(worker); });
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard<std::mutex> guard(lock);
        stopping = true;
    }
    wake.notify_all();
    for (std::thread& thread : threads) thread.join();
}

WorkerPool& WorkerPool::Shared() {
    static WorkerPool pool(std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4));
    return pool;
}

void WorkerPool::Run(int count, Task task, void* taskContext) {
    std::lock_guard<std::mutex> turn(runLock);
    {
        std::lock_guard<std::mutex> guard(lock);
        current = task;
        context = taskContext;
        taskCount = count;
        busy = static_cast<int>(threads.size());
        ++generation;
    }
    wake.notify_all();
    RunShare(0);
    std::unique_lock<std::mutex> guard(lock);
    done.wait(guard, [this] { return busy == 0; });
}

void WorkerPool::RunShare(int worker) {
    for (int t = worker; t < taskCount; t += WorkerCount()) current(context, t);
}

void WorkerPool::WorkerLoop(int worker) {
    unsigned long seen = 0;
    for (;;) {
        {
            std::unique_lock<std::mutex> guard(lock);
            wake.wait(guard, [&] { return stopping || generation != seen; });
            if (stopping) return;
            seen = generation;
        }
        RunShare(worker);
        std::lock_guard<std::mutex> guard(lock);
        if (--busy == 0) done.notify_one();
    }
}

}  // namespace qx
