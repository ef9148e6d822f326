#ifndef QX_TEST_SUPPORT_TIME_ZONE_H
#define QX_TEST_SUPPORT_TIME_ZONE_H

#include <cstdlib>
#include <ctime>
#include <string>

namespace qx {

// Puts the process in a named time zone for the life of the object, so that local
// calendar tests do not depend on the machine's zone.
class ScopedTimeZone {
  public:
    explicit ScopedTimeZone(const char* zone) {
        const char* old = std::getenv("TZ");
        hadZone = old != nullptr;
        if (hadZone) saved = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (hadZone)
            setenv("TZ", saved.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

  private:
    bool hadZone = false;
    std::string saved;
};

}  // namespace qx

#endif  // QX_TEST_SUPPORT_TIME_ZONE_H
