#ifndef QX_TEST_SUPPORT_MEMORY_SETTINGS_STORE_H
#define QX_TEST_SUPPORT_MEMORY_SETTINGS_STORE_H

#include <cstddef>
#include <map>
#include <string>
#include <utility>

#include "platform/settings_store.h"

namespace qx {

// A settings store held in memory, for tests that must leave the user's own store
// alone. A value read as the other type than it was stored reads as the fallback, as
// the platform's store does.
class MemorySettingsStore : public SettingsStore {
  public:
    int GetInt(const std::string& section, const std::string& name, int fallback) const override {
        const auto found = values.find({section, name});
        return found == values.end() || found->second.isText ? fallback : found->second.number;
    }

    std::string GetText(const std::string& section, const std::string& name,
                        const std::string& fallback) const override {
        const auto found = values.find({section, name});
        return found == values.end() || !found->second.isText ? fallback : found->second.text;
    }

    void SetInt(const std::string& section, const std::string& name, int value) override {
        values[{section, name}] = Value{false, value, {}};
        ++writeCount;
    }

    void SetText(const std::string& section, const std::string& name,
                 const std::string& value) override {
        values[{section, name}] = Value{true, 0, value};
        ++writeCount;
    }

    // Whether anything is stored under section and name.
    bool Contains(const std::string& section, const std::string& name) const {
        return values.count({section, name}) != 0;
    }

    // The number of values stored.
    std::size_t GetSize() const { return values.size(); }

    // The number of writes since construction, rewrites of an equal value included.
    int GetWriteCount() const { return writeCount; }

  private:
    struct Value {
        bool isText;
        int number;
        std::string text;
    };
    std::map<std::pair<std::string, std::string>, Value> values;
    int writeCount = 0;
};

}  // namespace qx

#endif  // QX_TEST_SUPPORT_MEMORY_SETTINGS_STORE_H
