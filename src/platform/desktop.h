#ifndef QX_PLATFORM_DESKTOP_H
#define QX_PLATFORM_DESKTOP_H

#include <string>

namespace qx {

// What the desktop shell does for the program: show its help and open web addresses.
// The window layer implements it with the desktop's viewers; tests record the calls.
class Desktop {
  public:
    virtual ~Desktop() = default;

    // Shows the named page of the program's built-in help (for example "index.html");
    // false when no viewer could show it.
    virtual bool OpenHelp(const std::string& page) = 0;

    // Opens an address in the user's web browser; false when none could be started.
    virtual bool OpenAddress(const std::string& address) = 0;
};

// The product's home page, which the Home Page command opens.
inline constexpr const char* kHomePageAddress = "https://www.qualtrixon.com/";

// The first page of the help, which the Contents command opens.
inline constexpr const char* kHelpContentsPage = "index.html";

}  // namespace qx

#endif  // QX_PLATFORM_DESKTOP_H
