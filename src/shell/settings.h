#ifndef QX_SHELL_SETTINGS_H
#define QX_SHELL_SETTINGS_H

#include <array>
#include <cstdint>
#include <string>

#include "platform/outcome.h"
#include "pricing/record_enums.h"

namespace qx {

class SettingsStore;

// The volatility the sliders and the settings offer, in whole percent.
inline constexpr int kMinVolatilityPercent = 1;
inline constexpr int kMaxVolatilityPercent = 500;

// A colour as the settings store keeps it: red in the lowest byte, then green, then
// blue, and a zero top byte.
using ColorRef = std::uint32_t;

// The colour reference of three components 0..255.
constexpr ColorRef Rgb(int red, int green, int blue) {
    return static_cast<ColorRef>(red & 0xFF) | static_cast<ColorRef>(green & 0xFF) << 8 |
           static_cast<ColorRef>(blue & 0xFF) << 16;
}

// The red, green and blue components of a colour reference.
constexpr int RedOf(ColorRef color) { return static_cast<int>(color & 0xFF); }
constexpr int GreenOf(ColorRef color) { return static_cast<int>(color >> 8 & 0xFF); }
constexpr int BlueOf(ColorRef color) { return static_cast<int>(color >> 16 & 0xFF); }

// Every preference and the last-used environment. A default-constructed record holds
// the value each setting has before anything was stored. Windows read and change the
// fields in place.
class Settings {
  public:
    // The program version the version record stores.
    static constexpr const char* kVersion = "1.04";

    // Reads every stored value, each with its default, and brings values outside their
    // range into it; a colour that is no colour reference keeps its default.
    void Load(const SettingsStore& store);

    // Writes every value, including those never changed from their defaults, and puts
    // them where they last; refused, naming the store's location, when it could not
    // keep them.
    Outcome Save(SettingsStore& store) const;

    // Sets version and versionType and writes each to the store only where the stored
    // text differs.
    void WriteVersionRecord(SettingsStore& store);

    std::string version = kVersion;
    std::string versionType;
    ColorRef groupHighlightColor = Rgb(0, 0, 225);
    ColorRef textHighlightColor = Rgb(25, 25, 225);
    ColorRef messageHighlightColor = Rgb(255, 0, 0);
    int volatility = 15;  // percent, 1..500
    int interest = 50;    // tenths of a percent, 0..150
    int dividend = 50;    // tenths of a percent, 0..150
    double underlyingFees = 25;
    double optionFees = 25;
    int iterations = 25;
    int unitsPerContract = 100;
    AssetType assetType = AssetType::kStock;
    int significantDigits = 2;
    int dateFormat = 1;  // 1 month/day/year, 2 day/month/year
    bool includeFees = false;
    bool includeDividend = false;
    bool showFractions = false;
    bool europeanRule = true;
    bool basicMode = true;
    bool showContractUnits = false;
    // How a month text becomes an expiration day: a MonthlyExpiration (1 the third
    // Friday, 2 the Saturday after it).
    int monthlyExpiration = 1;
    // Time to expiration runs to the 16:00 New York close of the expiration day rather
    // than over whole calendar days.
    bool valueToClose = true;
    int resolution = 20;
    bool shareWeighted = true;
    bool probabilityWeighted = false;
    bool showProfit = true;
    bool percentScaled = false;
    bool showExpiration = true;       // the expiration's curves beside the slider's date
    bool showSecondDeviation = true;  // the expected move's two-deviation band
    bool printScreenColors = false;   // print as the screen shows, not dark on white
    bool colorPlotText = false;
    // Graph: each leg valued at its own implied volatility, moved with the slider.
    bool impliedVolatilityLegs = false;
    // NET, option 1 to 4, stock.
    std::array<ColorRef, 6> plotColors = {Rgb(0, 0, 230), Rgb(255, 0, 0),   Rgb(255, 255, 0),
                                          Rgb(0, 255, 0), Rgb(128, 0, 128), Rgb(255, 0, 255)};
    std::array<ColorRef, 16> customColors = {
        Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(255, 255, 255),
        Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(255, 255, 255),
        Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(255, 255, 255),
        Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(255, 255, 255)};
    ColorRef backgroundColor = Rgb(0, 0, 0);
    ColorRef scaleColor = Rgb(0, 255, 255);
    ColorRef scaleTextColor = Rgb(0, 128, 64);
    ColorRef titleColor = Rgb(255, 128, 0);
    ColorRef crosshairColor = Rgb(0, 255, 255);
    // Tracker list columns 1 to 9, in pixels.
    std::array<int, 9> columnWidths = {66, 82, 34, 45, 63, 85, 55, 72, 78};
    bool showOpenOnly = false;

  private:
    void Clamp();
};

}  // namespace qx

#endif  // QX_SHELL_SETTINGS_H
