// Feeds arbitrary settings to the settings record as they come from the store: any text
// under any key. The input is lines of "Section/Name=text"; as in the desktop's store,
// every value is text, and an integer is read from it. Whatever the store holds, every
// setting loads into its range, and the values saved from what loaded load again to
// the very texts saved.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "fuzz_support.h"
#include "platform/settings_store.h"
#include "pricing/record_fields.h"
#include "shell/settings.h"

namespace {

using qx::Require;

// A store of texts, read as the desktop's store reads them.
class TextStore : public qx::SettingsStore {
  public:
    int GetInt(const std::string& section, const std::string& name, int fallback) const override {
        const auto found = values.find({section, name});
        if (found == values.end()) return fallback;
        return qx::StoredInteger(found->second).value_or(fallback);
    }
    std::string GetText(const std::string& section, const std::string& name,
                        const std::string& fallback) const override {
        const auto found = values.find({section, name});
        return found == values.end() ? fallback : found->second;
    }
    void SetInt(const std::string& section, const std::string& name, int value) override {
        values[{section, name}] = std::to_string(value);
    }
    void SetText(const std::string& section, const std::string& name,
                 const std::string& value) override {
        values[{section, name}] = value;
    }

    std::map<std::pair<std::string, std::string>, std::string> values;
};

TextStore StoreOf(const std::string& input) {
    TextStore store;
    std::size_t start = 0;
    while (start < input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string::npos) end = input.size();
        const std::string line = input.substr(start, end - start);
        const std::size_t slash = line.find('/');
        const std::size_t equals = line.find('=', slash == std::string::npos ? 0 : slash);
        if (slash != std::string::npos && equals != std::string::npos)
            store.SetText(line.substr(0, slash), line.substr(slash + 1, equals - slash - 1),
                          line.substr(equals + 1));
        start = end + 1;
    }
    return store;
}

bool Within(int value, int low, int high) { return value >= low && value <= high; }
bool IsFee(double fee) { return fee >= 0 && fee <= qx::kMaxMagnitude; }
bool IsColor(qx::ColorRef color) { return color <= 0xFFFFFF; }

void CheckRanges(const qx::Settings& s) {
    Require(Within(s.volatility, qx::kMinVolatilityPercent, qx::kMaxVolatilityPercent) &&
                Within(s.interest, 0, 150) && Within(s.dividend, 0, 150),
            "the environment settings lie in the sliders' ranges");
    Require(Within(s.iterations, 1, 100) && Within(s.resolution, 1, 100) &&
                Within(s.significantDigits, 2, 4) && Within(qx::Stored(s.assetType), 1, 3) &&
                s.unitsPerContract >= 1,
            "the counts and choices lie in their ranges");
    Require(IsFee(s.underlyingFees) && IsFee(s.optionFees), "the fees are amounts a record takes");
    for (int width : s.columnWidths) Require(Within(width, 0, 2000), "a column width is sane");
    bool colors = IsColor(s.groupHighlightColor) && IsColor(s.textHighlightColor) &&
                  IsColor(s.messageHighlightColor) && IsColor(s.backgroundColor) &&
                  IsColor(s.scaleColor) && IsColor(s.scaleTextColor) && IsColor(s.titleColor) &&
                  IsColor(s.crosshairColor);
    for (qx::ColorRef c : s.plotColors) colors = colors && IsColor(c);
    for (qx::ColorRef c : s.customColors) colors = colors && IsColor(c);
    Require(colors, "every colour is a colour reference");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TextStore store = StoreOf(std::string(reinterpret_cast<const char*>(data), size));
    qx::Settings loaded;
    loaded.Load(store);
    CheckRanges(loaded);

    TextStore saved;
    loaded.Save(saved);
    qx::Settings reloaded;
    reloaded.Load(saved);
    TextStore savedAgain;
    reloaded.Save(savedAgain);
    for (const auto& [key, text] : saved.values)
        Require(savedAgain.values[key] == text,
                "saved settings load to the very texts saved: " + key.first + "/" + key.second +
                    " " + text + " became " + savedAgain.values[key]);
    return 0;
}
