#ifndef QX_PLATFORM_SETTINGS_STORE_H
#define QX_PLATFORM_SETTINGS_STORE_H

#include <optional>
#include <string>

namespace qx {

// The integer a stored text holds: decimal digits with an optional sign, spaces around
// them allowed, within the 32-bit range; nothing for any other text, so that a value
// edited out of range falls back to its default instead of keeping its low bits.
std::optional<int> StoredInteger(const std::string& text);

// The per-user key-value store of the preferences: integer and text values, each under
// a section and a name. A value never stored reads as the default the caller gives.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // The integer stored under section and name, or fallback when there is none.
    virtual int GetInt(const std::string& section, const std::string& name, int fallback) const = 0;

    // The text stored under section and name, or fallback when there is none.
    virtual std::string GetText(const std::string& section, const std::string& name,
                                const std::string& fallback) const = 0;

    // Stores an integer under section and name.
    virtual void SetInt(const std::string& section, const std::string& name, int value) = 0;

    // Stores a text under section and name.
    virtual void SetText(const std::string& section, const std::string& name,
                         const std::string& value) = 0;

    // Puts every value stored so far where it lasts; false when that failed. A store
    // that keeps each value as it is set has nothing left to do.
    virtual bool Flush() { return true; }

    // Where the values are kept, as a message to the user names it: a file's path.
    virtual std::string GetLocation() const { return "the settings store"; }
};

}  // namespace qx

#endif  // QX_PLATFORM_SETTINGS_STORE_H
