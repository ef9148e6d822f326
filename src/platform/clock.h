#ifndef QX_PLATFORM_CLOCK_H
#define QX_PLATFORM_CLOCK_H

#include "platform/ctime.h"

namespace qx {

// Where the models learn the current date and time, so tests can set it.
class Clock {
  public:
    virtual ~Clock() = default;

    // The current date and time.
    virtual CTime Now() const = 0;
};

}  // namespace qx

#endif  // QX_PLATFORM_CLOCK_H
