#ifndef QX_GRAPH_WORKER_POOL_H
#define QX_GRAPH_WORKER_POOL_H

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace qx {

// A few threads that share out the independent tasks of one computation with the
// thread that asks for it. Task t always goes to worker t mod WorkerCount(), the asking
// thread being worker 0, so a computation run twice hands each thread the same tasks.
// Running allocates nothing; the threads live as long as the pool.
class WorkerPool {
  public:
    // One task: the context handed to Run and the task's number, 0..taskCount − 1.
    using Task = void (*)(void* context, int task);

    // A pool of workerCount workers (at least 1), the asking thread among them.
    explicit WorkerPool(int workerCount);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // The pool the graphs share: one worker per processor core, at most four.
    static WorkerPool& Shared();

    int WorkerCount() const { return static_cast<int>(threads.size()) + 1; }

    // Runs task(context, t) for every t in 0..taskCount − 1 and returns when all are
    // done. Tasks must write to memory of their own. Calls from several threads take
    // turns.
    void Run(int taskCount, Task task, void* context);

  private:
    void WorkerLoop(int worker);
    void RunShare(int worker);

    std::vector<std::thread> threads;
    std::mutex runLock;  // one computation at a time

    std::mutex lock;  // guards what follows
    std::condition_variable wake;
    std::condition_variable done;
    unsigned long generation = 0;  // counts computations handed out
    int busy = 0;                  // workers still on the current computation
    bool stopping = false;
    Task current = nullptr;
    void* context = nullptr;
    int taskCount = 0;
};

}  // namespace qx

#endif  // QX_GRAPH_WORKER_POOL_H
