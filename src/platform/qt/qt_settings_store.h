#ifndef QX_PLATFORM_QT_QT_SETTINGS_STORE_H
#define QX_PLATFORM_QT_QT_SETTINGS_STORE_H

#include <memory>
#include <string>

#include "platform/settings_store.h"

class QSettings;

namespace qx {

// The settings store over QSettings: the user's own store of organisation "Tallmoor"
// and application "Qualtrixon", one group per section.
class QtSettingsStore : public SettingsStore {
  public:
    // The user's own store.
    QtSettingsStore();
    // A store kept in the INI file at path instead, so tests leave the user's alone.
    explicit QtSettingsStore(const std::string& iniPath);
    // Writes what is not yet written.
    ~QtSettingsStore() override;

    int GetInt(const std::string& section, const std::string& name, int fallback) const override;
    std::string GetText(const std::string& section, const std::string& name,
                        const std::string& fallback) const override;
    void SetInt(const std::string& section, const std::string& name, int value) override;
    void SetText(const std::string& section, const std::string& name,
                 const std::string& value) override;

    // Writes every change to the file now; false when it could not be written.
    bool Flush() override;
    // The path of the settings file.
    std::string GetLocation() const override;

  private:
    std::unique_ptr<QSettings> settings;
};

}  // namespace qx

#endif  // QX_PLATFORM_QT_QT_SETTINGS_STORE_H
