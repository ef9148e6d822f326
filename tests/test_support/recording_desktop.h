#ifndef QX_TEST_SUPPORT_RECORDING_DESKTOP_H
#define QX_TEST_SUPPORT_RECORDING_DESKTOP_H

#include <string>
#include <vector>

#include "platform/desktop.h"

namespace qx {

// Remembers every help page and address the program asked the desktop to open.
class RecordingDesktop : public Desktop {
  public:
    bool OpenHelp(const std::string& page) override {
        helpPages.push_back(page);
        return succeed;
    }

    bool OpenAddress(const std::string& address) override {
        addresses.push_back(address);
        return succeed;
    }

    std::vector<std::string> helpPages;
    std::vector<std::string> addresses;
    bool succeed = true;  // what both calls report
};

}  // namespace qx

#endif  // QX_TEST_SUPPORT_RECORDING_DESKTOP_H
