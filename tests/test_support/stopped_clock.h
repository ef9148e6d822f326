#ifndef QX_TEST_SUPPORT_STOPPED_CLOCK_H
#define QX_TEST_SUPPORT_STOPPED_CLOCK_H

#include "platform/clock.h"

namespace qx {

// A clock that stands where the test puts it: 15 January 1999, 2:30 PM local time
// unless the test moves it.
class StoppedClock : public Clock {
  public:
    CTime Now() const override { return now; }
    CTime now{1999, 1, 15, 14, 30};
};

}  // namespace qx

#endif  // QX_TEST_SUPPORT_STOPPED_CLOCK_H
