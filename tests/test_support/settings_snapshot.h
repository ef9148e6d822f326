#ifndef QX_TEST_SUPPORT_SETTINGS_SNAPSHOT_H
#define QX_TEST_SUPPORT_SETTINGS_SNAPSHOT_H

#include <map>
#include <string>

#include "platform/settings_store.h"
#include "shell/settings.h"

namespace qx {

// Every stored value of a settings record as "section/name" to its text, so that two
// records compare whole and a difference names the value that differs.
inline std::map<std::string, std::string> SettingsSnapshot(const Settings& settings) {
    struct Recorder : SettingsStore {
        int GetInt(const std::string&, const std::string&, int fallback) const override {
            return fallback;
        }
        std::string GetText(const std::string&, const std::string&,
                            const std::string& fallback) const override {
            return fallback;
        }
        void SetInt(const std::string& section, const std::string& name, int value) override {
            values[section + "/" + name] = std::to_string(value);
        }
        void SetText(const std::string& section, const std::string& name,
                     const std::string& value) override {
            values[section + "/" + name] = value;
        }
        std::map<std::string, std::string> values;
    } recorder;
    settings.Save(recorder);
    return recorder.values;
}

}  // namespace qx

#endif  // QX_TEST_SUPPORT_SETTINGS_SNAPSHOT_H
