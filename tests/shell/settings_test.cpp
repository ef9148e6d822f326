#include "shell/settings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "test_support/memory_settings_store.h"

namespace qx {
namespace {

// Every field, compared one by one, so that a field missing from the store's table
// shows up by name.
void ExpectSameSettings(const Settings& a, const Settings& b) {
#define QX_EXPECT_FIELD(field) EXPECT_EQ(a.field, b.field) << #field
    QX_EXPECT_FIELD(version);
    QX_EXPECT_FIELD(versionType);
    QX_EXPECT_FIELD(groupHighlightColor);
    QX_EXPECT_FIELD(textHighlightColor);
    QX_EXPECT_FIELD(messageHighlightColor);
    QX_EXPECT_FIELD(volatility);
    QX_EXPECT_FIELD(interest);
    QX_EXPECT_FIELD(dividend);
    QX_EXPECT_FIELD(underlyingFees);
    QX_EXPECT_FIELD(optionFees);
    QX_EXPECT_FIELD(iterations);
    QX_EXPECT_FIELD(unitsPerContract);
    QX_EXPECT_FIELD(assetType);
    QX_EXPECT_FIELD(significantDigits);
    QX_EXPECT_FIELD(dateFormat);
    QX_EXPECT_FIELD(includeFees);
    QX_EXPECT_FIELD(includeDividend);
    QX_EXPECT_FIELD(showFractions);
    QX_EXPECT_FIELD(europeanRule);
    QX_EXPECT_FIELD(basicMode);
    QX_EXPECT_FIELD(showContractUnits);
    QX_EXPECT_FIELD(monthlyExpiration);
    QX_EXPECT_FIELD(valueToClose);
    QX_EXPECT_FIELD(resolution);
    QX_EXPECT_FIELD(shareWeighted);
    QX_EXPECT_FIELD(probabilityWeighted);
    QX_EXPECT_FIELD(showProfit);
    QX_EXPECT_FIELD(percentScaled);
    QX_EXPECT_FIELD(showExpiration);
    QX_EXPECT_FIELD(showSecondDeviation);
    QX_EXPECT_FIELD(printScreenColors);
    QX_EXPECT_FIELD(colorPlotText);
    QX_EXPECT_FIELD(impliedVolatilityLegs);
    QX_EXPECT_FIELD(plotColors);
    QX_EXPECT_FIELD(customColors);
    QX_EXPECT_FIELD(backgroundColor);
    QX_EXPECT_FIELD(scaleColor);
    QX_EXPECT_FIELD(scaleTextColor);
    QX_EXPECT_FIELD(titleColor);
    QX_EXPECT_FIELD(crosshairColor);
    QX_EXPECT_FIELD(columnWidths);
    QX_EXPECT_FIELD(showOpenOnly);
#undef QX_EXPECT_FIELD
}

// A record in which every field differs from its default and lies in its range.
Settings EveryFieldChanged() {
    Settings s;
    s.groupHighlightColor = Rgb(1, 2, 3);
    s.textHighlightColor = Rgb(4, 5, 6);
    s.messageHighlightColor = Rgb(7, 8, 9);
    s.volatility = 300;
    s.interest = 72;
    s.dividend = 0;
    s.underlyingFees = 9.95;
    s.optionFees = 0;
    s.iterations = 100;
    s.unitsPerContract = 250;
    s.assetType = AssetType::kFuture;
    s.significantDigits = 4;
    s.dateFormat = 2;
    s.includeFees = true;
    s.includeDividend = true;
    s.showFractions = true;
    s.europeanRule = false;
    s.basicMode = false;
    s.showContractUnits = true;
    s.monthlyExpiration = 2;
    s.valueToClose = false;
    s.resolution = 77;
    s.shareWeighted = false;
    s.probabilityWeighted = true;
    s.showProfit = false;
    s.percentScaled = true;
    s.showExpiration = false;
    s.showSecondDeviation = false;
    s.printScreenColors = true;
    s.colorPlotText = true;
    s.impliedVolatilityLegs = true;
    for (int i = 0; i < 6; ++i) s.plotColors[i] = Rgb(10 + i, 20 + i, 30 + i);
    for (int i = 0; i < 16; ++i) s.customColors[i] = Rgb(i, 2 * i, 3 * i);
    s.backgroundColor = Rgb(11, 12, 13);
    s.scaleColor = Rgb(14, 15, 16);
    s.scaleTextColor = Rgb(17, 18, 19);
    s.titleColor = Rgb(20, 21, 22);
    s.crosshairColor = Rgb(23, 24, 25);
    for (int i = 0; i < 9; ++i) s.columnWidths[i] = 100 + i;
    s.showOpenOnly = true;
    return s;
}

TEST(Settings, EmptyStoreGivesTheDefaults) {
    const MemorySettingsStore empty;
    Settings loaded = EveryFieldChanged();
    loaded.Load(empty);

    EXPECT_EQ(loaded.volatility, 15);
    EXPECT_EQ(loaded.interest, 50);
    EXPECT_EQ(loaded.dividend, 50);
    EXPECT_FALSE(loaded.includeDividend);
    EXPECT_EQ(loaded.unitsPerContract, 100);
    EXPECT_EQ(loaded.assetType, AssetType::kStock);
    EXPECT_EQ(loaded.significantDigits, 2);
    EXPECT_EQ(loaded.dateFormat, 1);
    EXPECT_EQ(loaded.iterations, 25);
    EXPECT_EQ(loaded.underlyingFees, 25.0);
    EXPECT_EQ(loaded.optionFees, 25.0);
    EXPECT_FALSE(loaded.includeFees);
    EXPECT_FALSE(loaded.showFractions);
    EXPECT_TRUE(loaded.europeanRule);
    EXPECT_TRUE(loaded.basicMode);
    EXPECT_EQ(loaded.monthlyExpiration, 1);
    EXPECT_TRUE(loaded.valueToClose);
    EXPECT_FALSE(loaded.impliedVolatilityLegs);
    EXPECT_EQ(loaded.resolution, 20);
    EXPECT_TRUE(loaded.shareWeighted);
    EXPECT_TRUE(loaded.showProfit);
    EXPECT_EQ(loaded.scaleTextColor, 0x408000u);  // red 0, green 128, blue 64
    EXPECT_EQ(loaded.titleColor, 0x0080FFu);      // red 255, green 128, blue 0
    EXPECT_EQ(loaded.plotColors[0], 0xE60000u);   // red 0, green 0, blue 230
    EXPECT_EQ(loaded.customColors[15], 0xFFFFFFu);
    EXPECT_EQ(loaded.textHighlightColor, 0xE11919u);
    EXPECT_EQ(loaded.columnWidths, (std::array<int, 9>{66, 82, 34, 45, 63, 85, 55, 72, 78}));
    ExpectSameSettings(loaded, Settings());
}

TEST(Settings, SaveAndLoadKeepEveryField) {
    const Settings saved = EveryFieldChanged();
    MemorySettingsStore store;
    saved.Save(store);
    Settings loaded;
    loaded.Load(store);
    ExpectSameSettings(loaded, saved);
}

// A store whose file cannot be written, such as one under a folder that is a file.
class UnwritableStore : public MemorySettingsStore {
  public:
    bool Flush() override { return false; }
    std::string GetLocation() const override { return "/home/ann/.config/Qualtrixon.conf"; }
};

TEST(Settings, SaveNamesTheStoreThatCouldNotKeepThem) {
    MemorySettingsStore kept;
    UnwritableStore lost;
    const struct {
        SettingsStore& store;
        bool accepted;
        std::string reason;
    } cases[] = {
        {kept, true, ""},
        {lost, false, "The settings could not be saved to /home/ann/.config/Qualtrixon.conf."},
    };
    for (const auto& c : cases) {
        const Outcome saved = Settings().Save(c.store);
        EXPECT_EQ(saved.IsAccepted(), c.accepted) << c.reason;
        EXPECT_EQ(saved.GetReason(), c.reason);
    }
}

TEST(Settings, SaveWritesEveryValueUnderItsNameAndForm) {
    MemorySettingsStore store;
    Settings().Save(store);

    EXPECT_EQ(store.GetSize(), 68u);
    EXPECT_EQ(store.GetText("Editor", "Stock Fees", "?"), "25.00");
    EXPECT_EQ(store.GetText("Editor", "Option Fees", "?"), "25.00");
    EXPECT_EQ(store.GetInt("Editor", "European Rule", -1), 1);
    EXPECT_EQ(store.GetInt("Editor", "Include Fees", -1), 0);
    EXPECT_EQ(store.GetInt("Graph", "Title Color", -1), 0x0080FF);
    EXPECT_EQ(store.GetInt("Graph", "Plot Color 5", -1), 0xFF00FF);
    EXPECT_EQ(store.GetInt("Global", "Message Highlight Color", -1), 0x0000FF);
    EXPECT_EQ(store.GetInt("Tracker", "Column Width 1", -1), 66);
    EXPECT_EQ(store.GetInt("Tracker", "Column Width 9", -1), 78);
    EXPECT_TRUE(store.Contains("Graph", "Custom Color 0"));
    EXPECT_TRUE(store.Contains("Graph", "Custom Color 15"));
    EXPECT_FALSE(store.Contains("Graph", "Custom Color 16"));
    EXPECT_FALSE(store.Contains("Graph", "Plot Color 6"));
    EXPECT_FALSE(store.Contains("Tracker", "Column Width 0"));
    EXPECT_FALSE(store.Contains("Global", "Version"));
}

TEST(Settings, FeesAreStoredAsTwoDecimalTextsAndReadAsNumbers) {
    struct Case {
        double fee;
        std::string text;
    };
    for (const Case& c : std::vector<Case>{{0, ""}, {12.5, "12.50"}, {9.999, "10.00"}}) {
        MemorySettingsStore store;
        Settings s;
        s.underlyingFees = c.fee;
        s.Save(store);
        EXPECT_EQ(store.GetText("Editor", "Stock Fees", "?"), c.text) << c.fee;
    }
    struct Stored {
        std::string text;
        double fee;
    };
    const std::vector<Stored> stored = {
        {"", 0},     {"12 1/2", 12.5}, {"7", 7},       {"12 3/8", 12.38}, {"0.004", 0},
        {".5", 0.5}, {"x", 25},        {"twelve", 25}, {"-", 25},

    };
    for (const Stored& c : stored) {
        MemorySettingsStore store;
        store.SetText("Editor", "Option Fees", c.text);
        Settings s;
        s.Load(store);
        EXPECT_EQ(s.optionFees, c.fee) << '"' << c.text << '"';
    }
}

TEST(Settings, FeeTextsIgnoreTheProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    MemorySettingsStore store;
    Settings s;
    s.underlyingFees = 1234.5;
    s.Save(store);
    store.SetText("Editor", "Option Fees", "9.95");
    Settings loaded;
    loaded.Load(store);
    std::setlocale(LC_ALL, saved.c_str());

    EXPECT_EQ(store.GetText("Editor", "Stock Fees", "?"), "1234.50");
    EXPECT_EQ(loaded.underlyingFees, 1234.5);
    EXPECT_EQ(loaded.optionFees, 9.95);
}

TEST(Settings, LoadBringsStoredValuesIntoTheirRange) {
    struct Case {
        const char* section;
        const char* name;
        int stored;
        int Settings::*field;
        int expected;
    };
    const std::vector<Case> cases = {
        {"Editor", "Volatility", 0, &Settings::volatility, 1},
        {"Editor", "Volatility", 99, &Settings::volatility, 99},
        {"Editor", "Volatility", 500, &Settings::volatility, 500},
        {"Editor", "Volatility", 501, &Settings::volatility, 500},
        {"Editor", "Interest", -5, &Settings::interest, 0},
        {"Editor", "Interest", 151, &Settings::interest, 150},
        {"Editor", "Dividend", 1000, &Settings::dividend, 150},
        {"Editor", "Iterations", 0, &Settings::iterations, 1},
        {"Editor", "Iterations", 5000, &Settings::iterations, 100},
        {"Graph", "Resolution", 101, &Settings::resolution, 100},
        {"Graph", "Resolution", -3, &Settings::resolution, 1},
        {"Editor", "Significant Digits", 1, &Settings::significantDigits, 2},
        {"Editor", "Significant Digits", 5, &Settings::significantDigits, 4},
        {"Editor", "Units", 0, &Settings::unitsPerContract, 1},
        {"Editor", "Units", 5000, &Settings::unitsPerContract, 5000},
        {"Editor", "Date Format", 3, &Settings::dateFormat, 2},
        {"Editor", "Date Format", 0, &Settings::dateFormat, 1},
        {"Editor", "Monthly Expiration", 3, &Settings::monthlyExpiration, 2},
        {"Editor", "Monthly Expiration", 0, &Settings::monthlyExpiration, 1},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.SetInt(c.section, c.name, c.stored);
        Settings s;
        s.Load(store);
        EXPECT_EQ(s.*c.field, c.expected) << c.name << " stored as " << c.stored;
    }
    for (const auto& [stored, expected] :
         {std::pair{0, AssetType::kStock}, std::pair{4, AssetType::kFuture}}) {
        MemorySettingsStore store;
        store.SetInt("Editor", "Asset Type", stored);
        Settings s;
        s.Load(store);
        EXPECT_EQ(s.assetType, expected) << "Asset Type stored as " << stored;
    }
}

TEST(Settings, LoadBringsWidthsFeesAndColoursIntoTheirRange) {
    MemorySettingsStore store;
    store.SetInt("Tracker", "Column Width 3", -1);
    store.SetInt("Tracker", "Column Width 4", 99999);
    store.SetText("Editor", "Stock Fees", "-5");
    store.SetText("Editor", "Option Fees", "1e999");
    store.SetInt("Graph", "Scale Color", static_cast<int>(0xFF123456u));
    store.SetInt("Tracker", "Show Open Only", 7);
    Settings s;
    s.Load(store);
    EXPECT_EQ(s.columnWidths[2], 0);
    EXPECT_EQ(s.columnWidths[3], 2000);
    EXPECT_EQ(s.underlyingFees, 0);
    EXPECT_EQ(s.optionFees, 0);
    EXPECT_EQ(s.scaleColor, Settings().scaleColor) << "no colour: the default stays";
    EXPECT_TRUE(s.showOpenOnly);
}

TEST(Settings, VersionRecordIsWrittenOnlyWhereItDiffers) {
    struct Case {
        const char* what;
        const char* storedVersion;  // nullptr: nothing stored
        const char* storedType;
        int writes;
    };
    const std::vector<Case> cases = {
        {"empty store", nullptr, nullptr, 1},
        {"older version", "1.03", nullptr, 1},
        {"current version", "1.04", nullptr, 0},
        {"current version, foreign edition", "1.04", "Pro", 1},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        if (c.storedVersion) store.SetText("Global", "Version", c.storedVersion);
        if (c.storedType) store.SetText("Global", "Version Type", c.storedType);
        const int before = store.GetWriteCount();
        Settings s;
        s.version = "old";
        s.versionType = "x";
        s.WriteVersionRecord(store);
        EXPECT_EQ(store.GetWriteCount() - before, c.writes) << c.what;
        EXPECT_EQ(store.GetText("Global", "Version", "?"), "1.04") << c.what;
        EXPECT_EQ(store.GetText("Global", "Version Type", ""), "") << c.what;
        EXPECT_EQ(s.version, "1.04") << c.what;
        EXPECT_EQ(s.versionType, "") << c.what;
    }
}

TEST(Settings, ColourReferencesHoldRedInTheLowestByte) {
    EXPECT_EQ(Rgb(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(RedOf(0x563412u), 0x12);
    EXPECT_EQ(GreenOf(0x563412u), 0x34);
    EXPECT_EQ(BlueOf(0x563412u), 0x56);
}

}  // namespace
}  // namespace qx
