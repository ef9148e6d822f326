#ifndef QX_TEST_SUPPORT_SCOPED_LOCALE_H
#define QX_TEST_SUPPORT_SCOPED_LOCALE_H

#include <clocale>
#include <string>

namespace qx {

// Puts the process in a named C locale for the life of the object, as Qt puts a
// program in the user's; Active() tells whether the machine has that locale.
class ScopedLocale {
  public:
    explicit ScopedLocale(const char* name) : saved(std::setlocale(LC_ALL, nullptr)) {
        active = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~ScopedLocale() { std::setlocale(LC_ALL, saved.c_str()); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    bool Active() const { return active; }

  private:
    std::string saved;
    bool active = false;
};

}  // namespace qx

#endif  // QX_TEST_SUPPORT_SCOPED_LOCALE_H
