#include "pricing/option_code.h"

#include <gtest/gtest.h>

#include "pricing/option.h"
#include "test_support/time_zone.h"

namespace qx {
namespace {

struct CodeCase {
    int month;
    OptionType optionType;
    double strike;
    const char* code;
};

TEST(SymbolCode, NamesMonthAndStrike) {
    const CodeCase cases[] = {
        {1, OptionType::kCall, 50, "AJ"},
        {6, OptionType::kPut, 22.5, "RX"},
        {3, OptionType::kCall, 105, "CA"},
        {12, OptionType::kPut, 100, "XT"},
        {1, OptionType::kPut, 95, "MS"},
        {12, OptionType::kCall, 5, ""},  // one digit
        {5, OptionType::kCall, 52, ""},
        {5, OptionType::kCall, 37.5, "EU"},
        {5, OptionType::kCall, 7.5, "EU"},
        {5, OptionType::kCall, 32.5, "EZ"},
        {5, OptionType::kCall, 62.5, "EZ"},
        {5, OptionType::kCall, 2.5, ""},
        {5, OptionType::kCall, 50.25, ""},
        {5, OptionType::kCall, 0.5, ""},
        {5, OptionType::kCall, 1e12, "ET"},
        {5, OptionType::kCall, 999999999997.5, "EU"},  // a huge half strike must not loop for ever
        {5, OptionType::kCall, 999999997.5, "EU"},
    };
    ScopedTimeZone zone("America/New_York");
    for (const auto& c : cases) {
        Option option;
        option.SetDates(CTime(2026, c.month, 1), CTime(2026, c.month, 20));
        option.SetOptionType(c.optionType);
        option.SetStrike(c.strike);
        EXPECT_EQ(SymbolCode(option), c.code)
            << "month " << c.month << " type " << Stored(c.optionType) << " strike " << c.strike;
        EXPECT_EQ(option.SymbolCode(), c.code);
    }
}

TEST(OccSymbol, PadsTheRootAndWritesDateTypeAndStrike) {
    struct Case {
        const char* root;
        OptionType optionType;
        double strike;
        const char* symbol;
    };
    const Case cases[] = {
        {"XYZ", OptionType::kCall, 100, "XYZ   270115C00100000"},
        {"spy", OptionType::kPut, 452.5, "SPY   270115P00452500"},
        {"BRK.B", OptionType::kCall, 0.125, "BRK.B 270115C00000125"},
        {"GOOGL1", OptionType::kPut, 99999.999, "GOOGL1270115P99999999"},
        {"", OptionType::kCall, 100, ""},
        {"[Stock]", OptionType::kCall, 100, ""},  // the placeholder of no symbol
        {"TOOLONG", OptionType::kCall, 100, ""},
        {"XYZ", OptionType::kCall, 100000, ""},   // nine digits
        {"XYZ", OptionType::kCall, 10.0005, ""},  // between thousandths
    };
    ScopedTimeZone zone("Asia/Tokyo");
    for (const auto& c : cases) {
        Option option;
        option.SetDates(CTime(2026, 12, 1), CTime(2027, 1, 15));
        option.SetOptionType(c.optionType);
        option.SetStrike(c.strike);
        EXPECT_EQ(OccSymbol(option, c.root), c.symbol) << c.root << " " << c.strike;
    }
    Option undated;
    undated.SetOptionType(OptionType::kCall);
    undated.SetStrike(100);
    EXPECT_EQ(OccSymbol(undated, "XYZ"), "");
}

TEST(SymbolCode, EmptyWhileTheContractIsIncomplete) {
    Option option;
    option.SetDates(CTime(2026, 1, 1), CTime(2026, 1, 17));
    option.SetOptionType(OptionType::kCall);
    option.SetStrike(50);
    ASSERT_EQ(SymbolCode(option), "AJ");
    Option expired = option;
    expired.SetDaysLeft(0);
    Option noStrike = option;
    noStrike.SetStrike(0);
    Option noType;
    noType.SetDates(CTime(2026, 1, 1), CTime(2026, 1, 17));
    noType.SetStrike(50);
    for (const Option& incomplete : {expired, noStrike, noType}) {
        EXPECT_EQ(SymbolCode(incomplete), "");
    }
}

}  // namespace
}  // namespace qx
