#include "editor/choice_lists.h"

#include <cmath>

#include "pricing/expiration_calendar.h"
#include "pricing/number_text.h"
#include "pricing/option.h"

namespace qx {

namespace {

struct StrikeStep {
    double step = 0;
    int decimals = 0;
};

// Walks the decades from 0.001 upward until the price fits one: below 10 or 25 units of
// the decade the step is half a unit, below 50 it is a whole unit.
StrikeStep FindStrikeStep(double p) {
    static constexpr double kDecades[] = {1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2,  1e3,  1e4,
                                          1e5,  1e6,  1e7,  1e8, 1e9, 1e10, 1e11, 1e12};
    for (int n = 0; n < static_cast<int>(std::size(kDecades)); ++n) {
        const double f = kDecades[n];
        if (p / f < 10) return {f / 2, std::max(3 - n, 0)};
        if (p / (2.5 * f) < 10) return {f / 2, std::max(4 - n, 0)};
        if (p / (5 * f) < 10) return {f, std::max(3 - n, 0)};
    }
    return {};
}

std::vector<std::string> IntegerTexts(std::initializer_list<int> values) {
    std::vector<std::string> texts;
    for (int value : values) texts.push_back(IntegerText(value));
    return texts;
}

}  // namespace

std::vector<std::string> StrikeList(double price) {
    std::vector<std::string> strikes;
    if (!(price > 0) || !std::isfinite(price)) return strikes;
    const StrikeStep found = FindStrikeStep(price);
    if (found.step == 0) return strikes;
    const int decimals = std::max(found.decimals, 2);
    // A price on a whole step can divide to just below that count in binary (4.1 / 0.1);
    // a hair's tolerance keeps such a price as the base instead of the step under it.
    const double base = std::trunc(price / found.step + 1e-9) * found.step;
    for (int k = -5; k <= 5; ++k) {
        const double strike = base + k * found.step;
        // Only the tiniest prices reach zero; a strike there could not be entered.
        if (strike > found.step / 2) strikes.push_back(NumberText(strike, decimals, false));
    }
    return strikes;
}

std::vector<std::string> SharesList(AssetType assetType) {
    if (assetType == AssetType::kFuture)
        return IntegerTexts({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 25, 50, 100});
    return IntegerTexts({100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 2500, 5000, 10000});
}

std::vector<std::string> ContractsList() {
    return IntegerTexts({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 20, 25});
}

std::vector<std::string> ExpirationList(CTime start) {
    std::vector<std::string> months;
    for (std::string month : ExpirationMonths(start)) {
        std::string text = month;
        // Any rule tells whether the month has an expiration at all.
        const CTime expiration = ExpirationFromMonthText(text, MonthlyExpiration::kThirdFriday);
        if (expiration != CTime(1970, 1, 1)) months.push_back(std::move(month));
    }
    return months;
}

std::vector<std::string> UnitsList() {
    return IntegerTexts({100, 500, 1000, 10000, 100000, 1000000});
}

}  // namespace qx
