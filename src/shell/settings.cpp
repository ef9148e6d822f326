#include "shell/settings.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "platform/settings_store.h"
#include "pricing/number_text.h"
#include "pricing/record_fields.h"

namespace qx {

namespace {

// One stored value: where it lives in the store and which field holds it. The field's
// type gives the stored form: an integer, a yes/no, a fee text or a colour reference.
struct Binding {
    const char* section;
    std::string name;
    std::variant<int*, bool*, double*, ColorRef*, AssetType*> field;
};

// An indexed value name: the stem followed by the decimal index, with no leading zeros.
std::string Indexed(const char* stem, std::size_t index) {
    return stem + IntegerText(static_cast<long long>(index), true);
}

// Every stored value of the record, in the order the store is read and written.
std::vector<Binding> Bindings(Settings* r) {
    std::vector<Binding> list = {
        {"Editor", "Dividend", &r->dividend},
        {"Editor", "Interest", &r->interest},
        {"Editor", "Volatility", &r->volatility},
        {"Editor", "Units", &r->unitsPerContract},
        {"Editor", "Asset Type", &r->assetType},
        {"Editor", "Significant Digits", &r->significantDigits},
        {"Editor", "Date Format", &r->dateFormat},
        {"Editor", "Iterations", &r->iterations},
        {"Editor", "Stock Fees", &r->underlyingFees},
        {"Editor", "Option Fees", &r->optionFees},
        {"Editor", "Include Fees", &r->includeFees},
        {"Editor", "Include Dividend", &r->includeDividend},
        {"Editor", "Show Fractions", &r->showFractions},
        {"Editor", "European Rule", &r->europeanRule},
        {"Editor", "Basic Mode", &r->basicMode},
        {"Editor", "Show Contract Units", &r->showContractUnits},
        {"Editor", "Monthly Expiration", &r->monthlyExpiration},
        {"Editor", "Value To Close", &r->valueToClose},
        {"Graph", "Resolution", &r->resolution},
        {"Graph", "Share Weighted", &r->shareWeighted},
        {"Graph", "Probability Weighted", &r->probabilityWeighted},
        {"Graph", "Show Profit", &r->showProfit},
        {"Graph", "Percent Scaled", &r->percentScaled},
        {"Graph", "Show Expiration", &r->showExpiration},
        {"Graph", "Show Second Deviation", &r->showSecondDeviation},
        {"Graph", "Print Screen Colors", &r->printScreenColors},
        {"Graph", "Color Plot Text", &r->colorPlotText},
        {"Graph", "Implied Volatility Legs", &r->impliedVolatilityLegs},
        {"Graph", "Background Color", &r->backgroundColor},
        {"Graph", "Scale Color", &r->scaleColor},
        {"Graph", "Scale Text Color", &r->scaleTextColor},
        {"Graph", "Title Color", &r->titleColor},
        {"Graph", "Crosshair Color", &r->crosshairColor},
    };
    for (std::size_t i = 0; i < r->plotColors.size(); ++i)
        list.push_back({"Graph", Indexed("Plot Color ", i), &r->plotColors[i]});
    for (std::size_t i = 0; i < r->customColors.size(); ++i)
        list.push_back({"Graph", Indexed("Custom Color ", i), &r->customColors[i]});
    list.push_back({"Global", "Group Highlight Color", &r->groupHighlightColor});
    list.push_back({"Global", "Text Highlight Color", &r->textHighlightColor});
    list.push_back({"Global", "Message Highlight Color", &r->messageHighlightColor});
    for (std::size_t i = 0; i < r->columnWidths.size(); ++i)
        list.push_back({"Tracker", Indexed("Column Width ", i + 1), &r->columnWidths[i]});
    list.push_back({"Tracker", "Show Open Only", &r->showOpenOnly});
    return list;
}

// The fee text the store holds: two decimals, and an empty text for 0.
std::string FeeText(double fee) { return NumberText(fee, 2, false); }

// Whether text begins with a decimal number: a sign, then a digit or a point and a digit.
bool StartsWithNumber(const std::string& text) {
    std::size_t at = text[0] == '+' || text[0] == '-' ? 1 : 0;
    if (at < text.size() && text[at] == '.') ++at;
    return at < text.size() && text[at] >= '0' && text[at] <= '9';
}

// Reads one value into its field, whose current content is the default.
void Read(const SettingsStore& store, const Binding& b, int* field) {
    *field = store.GetInt(b.section, b.name, *field);
}
void Read(const SettingsStore& store, const Binding& b, bool* field) {
    *field = store.GetInt(b.section, b.name, *field ? 1 : 0) != 0;
}
void Read(const SettingsStore& store, const Binding& b, double* field) {
    // The empty text is the fee 0, as Write stores it; a text that holds no number at
    // all (damaged, or edited by hand) keeps the default fee.
    const std::string text = TrimSpaces(store.GetText(b.section, b.name, FeeText(*field)));
    if (text.empty() || StartsWithNumber(text)) *field = ParseNumber(text);
}
void Read(const SettingsStore& store, const Binding& b, AssetType* field) {
    // A type edited by hand beyond the three kinds of underlying becomes the nearest.
    const int stored = store.GetInt(b.section, b.name, Stored(*field));
    *field = AssetTypeFromStored(std::clamp(stored, 1, 3)).value_or(*field);
}
void Read(const SettingsStore& store, const Binding& b, ColorRef* field) {
    // A colour reference has a zero top byte; any other number is no colour at all.
    const int stored = store.GetInt(b.section, b.name, static_cast<int>(*field));
    if (stored >= 0 && stored <= 0xFFFFFF) *field = static_cast<ColorRef>(stored);
}

// Writes one value from its field.
void Write(SettingsStore& store, const Binding& b, const int* field) {
    store.SetInt(b.section, b.name, *field);
}
void Write(SettingsStore& store, const Binding& b, const bool* field) {
    store.SetInt(b.section, b.name, *field ? 1 : 0);
}
void Write(SettingsStore& store, const Binding& b, const double* field) {
    store.SetText(b.section, b.name, FeeText(*field));
}
void Write(SettingsStore& store, const Binding& b, const AssetType* field) {
    store.SetInt(b.section, b.name, Stored(*field));
}
void Write(SettingsStore& store, const Binding& b, const ColorRef* field) {
    store.SetInt(b.section, b.name, static_cast<int>(*field));
}

// A fee is an amount paid, so never below zero, and no larger than a record takes; it
// is kept to the cent, as the store writes it, so that what loads saves as it loaded.
double SaneFee(double fee) {
    return fee > 0 && fee <= kMaxMagnitude ? std::round(fee * 100) / 100 : 0;
}

// Writes a version text only when the store holds another one.
void WriteIfDifferent(SettingsStore& store, const char* name, const std::string& text) {
    if (store.GetText("Global", name, "") != text) store.SetText("Global", name, text);
}

}  // namespace

void Settings::Load(const SettingsStore& store) {
    *this = Settings();
    for (const Binding& b : Bindings(this))
        std::visit([&](auto* field) { Read(store, b, field); }, b.field);
    Clamp();
}

Outcome Settings::Save(SettingsStore& store) const {
    Settings copy = *this;  // the bindings point into a record they may change
    for (const Binding& b : Bindings(&copy))
        std::visit([&](auto* field) { Write(store, b, field); }, b.field);
    if (store.Flush()) return Outcome::Accepted();
    return Outcome::Refused("The settings could not be saved to " + store.GetLocation() + ".");
}

void Settings::WriteVersionRecord(SettingsStore& store) {
    version = kVersion;
    versionType.clear();
    WriteIfDifferent(store, "Version", version);
    WriteIfDifferent(store, "Version Type", versionType);
}

// A store edited by hand or by another program may hold values no window can show;
// they are brought to the nearest value that makes sense.
void Settings::Clamp() {
    volatility = std::clamp(volatility, kMinVolatilityPercent, kMaxVolatilityPercent);
    interest = std::clamp(interest, 0, 150);
    dividend = std::clamp(dividend, 0, 150);
    iterations = std::clamp(iterations, 1, 100);
    resolution = std::clamp(resolution, 1, 100);
    significantDigits = std::clamp(significantDigits, 2, 4);
    dateFormat = std::clamp(dateFormat, 1, 2);
    monthlyExpiration = std::clamp(monthlyExpiration, 1, 2);
    unitsPerContract = std::max(unitsPerContract, 1);
    for (int& width : columnWidths) width = std::clamp(width, 0, 2000);
    underlyingFees = SaneFee(underlyingFees);
    optionFees = SaneFee(optionFees);
}

}  // namespace qx
