#ifndef QX_TEST_SUPPORT_FILE_SIZE_LIMIT_H
#define QX_TEST_SUPPORT_FILE_SIZE_LIMIT_H

#include <sys/resource.h>

#include <csignal>

namespace qx {

// Limits the size of any file this process writes, for the life of the object, so that
// a test can make the disk run full: a write past the limit fails as on a full disk.
class ScopedFileSizeLimit {
  public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~ScopedFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

  private:
    rlimit saved{};
    void (*previousHandler)(int);
};

}  // namespace qx

#endif  // QX_TEST_SUPPORT_FILE_SIZE_LIMIT_H
