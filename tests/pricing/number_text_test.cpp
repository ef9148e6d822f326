#include "pricing/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>
#include <utility>

namespace qx {
namespace {

struct NumberTextCase {
    double x;
    int digits;
    bool fractions;
    const char* expected;
};

const NumberTextCase kNumberTextCases[] = {
    {12.346, 2, false, "12.35"},
    {0.05, 2, false, "0.05"},
    {7, 2, false, "7.00"},
    {-1.5, 2, false, "-1.50"},
    {0.0005, 4, false, "0.0005"},
    {0, 2, false, ""},
    {0.001, 2, false, "0.00"},
    {1234567.891, 3, false, "1234567.891"},
    {12.6, 0, false, "13"},
    {50.25, 2, true, "50 1/4"},
    {0.5, 2, true, " 1/2"},
    {12.999, 2, true, "12 1/1"},
    {-2.5, 2, true, "-2"},
    {3.984375, 2, true, "3 63/64"},
    {3.99, 2, true, "3 63/64"},
    {0, 2, true, ""},
    {7, 2, true, "7"},
    {45.5, 4, true, "45 1/2"},
    {1e300 * 1e300, 2, false, ""},
};

void ExpectNumberTexts() {
    for (const auto& c : kNumberTextCases) {
        EXPECT_EQ(NumberText(c.x, c.digits, c.fractions), c.expected)
            << "x=" << c.x << " digits=" << c.digits << " fractions=" << c.fractions;
    }
}

TEST(NumberText, DecimalAndFractionForms) { ExpectNumberTexts(); }

// A corrupt setting may ask for any number of places; the text must stay a number.
TEST(NumberText, AbsurdDigitCountsGiveANumber) {
    for (int digits : {31, 400, 100000}) {
        const std::string text = NumberText(-1e300, digits, false);
        EXPECT_EQ(text.substr(0, 3), "-10") << digits;
        EXPECT_EQ(text.find_first_not_of("-0123456789."), std::string::npos) << digits;
        EXPECT_EQ(text.size(), 1 + 301 + 1 + 30u) << digits;
    }
    EXPECT_EQ(NumberText(7.25, -3, false), "7");
}

TEST(IntegerText, ZeroIsEmpty) {
    EXPECT_EQ(IntegerText(0), "");
    EXPECT_EQ(IntegerText(-12), "-12");
    EXPECT_EQ(IntegerText(100), "100");
    // A label, a slider's text or a stored name shows 0 as a digit.
    EXPECT_EQ(IntegerText(0, true), "0");
    EXPECT_EQ(IntegerText(-40, true), "-40");
    EXPECT_EQ(IntegerText(999999999999999999, true), "999999999999999999");
}

struct ParseCase {
    const char* text;
    double expected;
};

const ParseCase kParseCases[] = {
    {"  12 3/8  ", 12.375},
    {"3/0", 3},
    {"/4", 0},
    {"abc", 0},
    {"50 1/4", 50.25},
    {"3/8", 0.375},
    {"12.5", 12.5},
    {"-4.25", -4.25},
    {"+3", 3},
    {"7.5xyz", 7.5},
    {".5", 0.5},
    {"nan", 0},
    {"inf", 0},
    {"-inf", 0},
    {"1e999", 0},
    {"1e3", 1000},
    {"", 0},
    {"--5", 0},
    {"0x10", 0},
    {"12 0/4", 12},
};

void ExpectParsedNumbers() {
    for (const auto& c : kParseCases) {
        EXPECT_DOUBLE_EQ(ParseNumber(c.text), c.expected) << "text=\"" << c.text << "\"";
    }
}

TEST(ParseNumber, ReadsDecimalsAndFractions) { ExpectParsedNumbers(); }

// What a box reads whole; nullopt for a text it refuses.
TEST(ReadNumber, ReadsThousandsSeparatorsAndRefusesWhatItCannotReadWhole) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"1,250", 1250.0},
        {"1,250,000.50", 1250000.5},
        {" 12,345.678 ", 12345.678},
        {"-1,250", -1250.0},
        {"50 1/4", 50.25},
        {"1,250 1/2", 1250.5},
        {"3/8", 0.375},
        {"12.5", 12.5},
        {"1e3", 1000.0},
        {"", 0.0},
        {"1,25", std::nullopt},
        {"12,50.5", std::nullopt},
        {",250", std::nullopt},
        {"1,2500", std::nullopt},
        {"1,250,", std::nullopt},
        {"1,250.5.5", std::nullopt},
        {"1,250e3", std::nullopt},
        {"7.5xyz", std::nullopt},
        {"abc", std::nullopt},
        {"3/0", std::nullopt},
        {"/4", std::nullopt},
        {"50.5 1/4", std::nullopt},
        {"50 1/4x", std::nullopt},
        {"12 34", std::nullopt},
        {"inf", std::nullopt},
        {"1e999", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        const std::optional<double> read = ReadNumber(text);
        ASSERT_EQ(read.has_value(), expected.has_value()) << "text=\"" << text << "\"";
        if (expected) {
            EXPECT_DOUBLE_EQ(*read, *expected) << "text=\"" << text << "\"";
        }
    }
}

// A box of whole numbers reads as the decimal boxes do, and refuses what is not whole.
TEST(ReadInteger, ReadsThousandsSeparatorsAndRefusesWhatIsNotWhole) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"1,250", 1250},
        {"1,250,000", 1250000},
        {" 1,000 ", 1000},
        {"-1,250", -1250},
        {"100", 100},
        {"1,000.00", 1000},
        {"1e3", 1000},
        {"", 0},
        {"2,147,483,647", 2147483647},
        {"-2,147,483,648", -2147483647 - 1},
        {"2,147,483,648", std::nullopt},
        {"1,25", std::nullopt},
        {"12,50,0", std::nullopt},
        {"1,000,00", std::nullopt},
        {"10.5", std::nullopt},
        {"50 1/4", std::nullopt},
        {"12abc", std::nullopt},
        {"1 000", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ReadInteger(text), expected) << "text=\"" << text << "\"";
    }
}

TEST(ParseInteger, RefusesTextOutsideTheIntRange) {
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseInteger("2147483648"), 0);
    EXPECT_EQ(ParseInteger("99999999999999999999"), 0);
    EXPECT_EQ(ParseInteger("  42abc"), 42);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger("x1"), 0);
    EXPECT_EQ(ParseInteger("+-5"), 0) << "one sign only";
}

// Qt sets the process locale from the environment; a German decimal comma must not
// reach any text we show or read.
TEST(NumberText, IgnoresTheProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is missing; scripts/install-deps generates it";
    ExpectNumberTexts();
    ExpectParsedNumbers();
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace qx
