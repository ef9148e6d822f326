#include "shell/settings.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/settings_store.h"
#include "pricing/number_text.h"

namespace qx {

namespace {

enum class Kind { kInt, kYesNo, kFee, kColor };

// One stored value: where it lives in the store and which field holds it.
struct Binding {
    const char* section;
    std::string name;
    Kind kind;
    void* field;  // int*, bool*, double* or ColorRef*, as kind says
};

// Every stored value of the record, in the order the store is read and written.
std::vector<Binding> Bindings(Settings* r) {
    std::vector<Binding> list = {
        {"Editor", "Dividend", Kind::kInt, &r->dividend},
        {"Editor", "Interest", Kind::kInt, &r->interest},
        {"Editor", "Volatility", Kind::kInt, &r->volatility},
        {"Editor", "Units", Kind::kInt, &r->unitsPerContract},
        {"Editor", "Asset Type", Kind::kInt, &r->assetType},
        {"Editor", "Significant Digits", Kind::kInt, &r->significantDigits},
        {"Editor", "Date Format", Kind::kInt, &r->dateFormat},
        {"Editor", "Iterations", Kind::kInt, &r->iterations},
        {"Editor", "Stock Fees", Kind::kFee, &r->underlyingFees},
        {"Editor", "Option Fees", Kind::kFee, &r->optionFees},
        {"Editor", "Include Fees", Kind::kYesNo, &r->includeFees},
        {"Editor", "Include Dividend", Kind::kYesNo, &r->includeDividend},
        {"Editor", "Show Fractions", Kind::kYesNo, &r->showFractions},
        {"Editor", "European Rule", Kind::kYesNo, &r->europeanRule},
        {"Editor", "Basic Mode", Kind::kYesNo, &r->basicMode},
        {"Editor", "Show Contract Units", Kind::kYesNo, &r->showContractUnits},
        {"Graph", "Resolution", Kind::kInt, &r->resolution},
        {"Graph", "Share Weighted", Kind::kYesNo, &r->shareWeighted},
        {"Graph", "Probability Weighted", Kind::kYesNo, &r->probabilityWeighted},
        {"Graph", "Show Profit", Kind::kYesNo, &r->showProfit},
        {"Graph", "Percent Scaled", Kind::kYesNo, &r->percentScaled},
        {"Graph", "Color Plot Text", Kind::kYesNo, &r->colorPlotText},
        {"Graph", "Background Color", Kind::kColor, &r->backgroundColor},
        {"Graph", "Scale Color", Kind::kColor, &r->scaleColor},
        {"Graph", "Scale Text Color", Kind::kColor, &r->scaleTextColor},
        {"Graph", "Title Color", Kind::kColor, &r->titleColor},
        {"Graph", "Crosshair Color", Kind::kColor, &r->crosshairColor},
    };
    for (std::size_t i = 0; i < r->plotColors.size(); ++i)
        list.push_back(
            {"Graph", "Plot Color " + std::to_string(i), Kind::kColor, &r->plotColors[i]});
    for (std::size_t i = 0; i < r->customColors.size(); ++i)
        list.push_back(
            {"Graph", "Custom Color " + std::to_string(i), Kind::kColor, &r->customColors[i]});
    list.push_back({"Global", "Group Highlight Color", Kind::kColor, &r->groupHighlightColor});
    list.push_back({"Global", "Text Highlight Color", Kind::kColor, &r->textHighlightColor});
    list.push_back({"Global", "Message Highlight Color", Kind::kColor, &r->messageHighlightColor});
    for (std::size_t i = 0; i < r->columnWidths.size(); ++i)
        list.push_back(
            {"Tracker", "Column Width " + std::to_string(i + 1), Kind::kInt, &r->columnWidths[i]});
    list.push_back({"Tracker", "Show Open Only", Kind::kYesNo, &r->showOpenOnly});
    return list;
}

// The fee text the store holds: two decimals, and an empty text for 0.
std::string FeeText(double fee) { return NumberText(fee, 2, false); }

// Reads one value into its field, whose current content is the default.
void Read(const SettingsStore& store, const Binding& b) {
    switch (b.kind) {
        case Kind::kInt: {
            auto* field = static_cast<int*>(b.field);
            *field = store.GetInt(b.section, b.name, *field);
            break;
        }
        case Kind::kYesNo: {
            auto* field = static_cast<bool*>(b.field);
            *field = store.GetInt(b.section, b.name, *field ? 1 : 0) != 0;
            break;
        }
        case Kind::kFee: {
            auto* field = static_cast<double*>(b.field);
            *field = ParseNumber(store.GetText(b.section, b.name, FeeText(*field)));
            break;
        }
        case Kind::kColor: {
            auto* field = static_cast<ColorRef*>(b.field);
            *field =
                static_cast<ColorRef>(store.GetInt(b.section, b.name, static_cast<int>(*field)));
            break;
        }
    }
}

void Write(SettingsStore& store, const Binding& b) {
    switch (b.kind) {
        case Kind::kInt:
            store.SetInt(b.section, b.name, *static_cast<const int*>(b.field));
            break;
        case Kind::kYesNo:
            store.SetInt(b.section, b.name, *static_cast<const bool*>(b.field) ? 1 : 0);
            break;
        case Kind::kFee:
            store.SetText(b.section, b.name, FeeText(*static_cast<const double*>(b.field)));
            break;
        case Kind::kColor:
            store.SetInt(b.section, b.name,
                         static_cast<int>(*static_cast<const ColorRef*>(b.field)));
            break;
    }
}

// A fee is an amount paid, so it is finite and never below zero.
double SaneFee(double fee) { return std::isfinite(fee) && fee > 0 ? fee : 0; }

// Writes a version text only when the store holds another one.
void WriteIfDifferent(SettingsStore& store, const char* name, const std::string& text) {
    if (store.GetText("Global", name, "") != text) store.SetText("Global", name, text);
}

}  // namespace

void Settings::Load(const SettingsStore& store) {
    *this = Settings();
    for (const Binding& binding : Bindings(this)) Read(store, binding);
    Clamp();
}

void Settings::Save(SettingsStore& store) const {
    Settings copy = *this;  // the bindings point into a record they may change
    for (const Binding& binding : Bindings(&copy)) Write(store, binding);
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
    volatility = std::clamp(volatility, 1, 99);
    interest = std::clamp(interest, 0, 150);
    dividend = std::clamp(dividend, 0, 150);
    iterations = std::clamp(iterations, 1, 100);
    resolution = std::clamp(resolution, 1, 100);
    significantDigits = std::clamp(significantDigits, 2, 4);
    unitsPerContract = std::max(unitsPerContract, 1);
    assetType = std::clamp(assetType, 1, 3);
    for (int& width : columnWidths) width = std::clamp(width, 0, 2000);
    underlyingFees = SaneFee(underlyingFees);
    optionFees = SaneFee(optionFees);
    for (const Binding& binding : Bindings(this)) {
        if (binding.kind == Kind::kColor) *static_cast<ColorRef*>(binding.field) &= 0xFFFFFF;
    }
}

}  // namespace qx
