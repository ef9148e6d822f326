#ifndef QX_PLATFORM_SYSTEM_CLOCK_H
#define QX_PLATFORM_SYSTEM_CLOCK_H

#include "platform/clock.h"

namespace qx {

// The machine's clock, for the running program.
class SystemClock : public Clock {
  public:
    // The current date and time of the machine.
    CTime Now() const override { return CTime::GetCurrentTime(); }
};

}  // namespace qx

#endif  // QX_PLATFORM_SYSTEM_CLOCK_H
