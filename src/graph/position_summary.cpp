#include "graph/position_summary.h"

#include <algorithm>
#include <cmath>

#include "graph/profit_search.h"
#include "graph/signed_greeks.h"
#include "pricing/number_text.h"
#include "pricing/record_fields.h"

namespace qx {

namespace {

// Where an option's value still bends, in widths σ·√T either side of its strike: the
// grid is dense near the strike and sparse where the value is nearly a straight line.
constexpr double kWidthSteps[] = {0.25, 0.5, 1, 1.5, 2, 3, 4.5};
// Beyond this many widths, and the forward's drift, an option's value is a straight
// line to far less than a cent.
constexpr double kReachWidths = 7;
// Log-spaced prices over the whole range, so that no stretch between strikes goes unseen.
constexpr int kSpanPrices = 24;
// The price options are valued at when the underlying stands at 0. A record values every
// option at a price of exactly 0 as worthless, a put included, so the options take the
// limit from above, at a price too small to change any amount; the holding takes 0 itself.
constexpr double kLeastOptionPrice = 1e-290;
// The extra prices placed beyond the grid to reach a break-even far out.
constexpr int kMaxTailExtensions = 3;
// Doublings of the price beyond the grid while a level profit still moves: early exercise
// on a lattice makes a sold call worth S − K only far above its strike.
constexpr int kMaxLevelExtensions = 12;

// How fast a call's value rises with the price far above its strike, per unit of the
// underlying: S − K once expired or exercised early on the lattice, S·e^(−qT) under the
// closed form. Puts are worthless up there.
double CallTailSlope(const Option& option) {
    if (option.GetOptionType() != OptionType::kCall || option.GetStrike() == 0 ||
        option.GetVolatility() == 0)
        return 0;
    if (option.GetYears() == 0 || option.GetLatticeSteps() > 0) return 1;
    return std::exp(-option.GetDividendYield() * option.GetYears());
}

// A profit as the break-even search sees it: a profit of exactly 0 counts as a small
// loss, so the search finds the edge of the profitable prices and a level stretch at 0
// never passes for a crossing.
double GainOrLoss(double profit) { return profit > 0 ? profit : std::min(profit, -1e-300); }

// The price at the graph date: ln(S/S0) normal with the given mean and deviation.
struct LogNormal {
    double S0;
    double mean;
    double deviation;

    // Probability that the price ends between a and b (0 ≤ a < b ≤ ∞), from whichever
    // tail keeps the difference exact.
    double Between(double a, double b) const {
        const double za = Score(a);
        const double zb = Score(b);
        if (za > 0) return Upper(za) - Upper(zb);
        return Upper(-zb) - Upper(-za);
    }
    // How many deviations the price x lies above the law's centre.
    double Score(double x) const {
        if (x <= 0) return -HUGE_VAL;
        if (std::isinf(x)) return HUGE_VAL;
        return (std::log(x / S0) - mean) / deviation;
    }
    // Probability that a standard normal variable exceeds z.
    static double Upper(double z) { return 0.5 * std::erfc(z / std::sqrt(2.0)); }
};

// An amount in number text, "0" rather than the empty text of exactly 0.
void AppendAmount(std::string& text, double amount, int digits) {
    const std::string number = NumberText(amount, digits, false);
    text += number.empty() ? "0" : number;
}

}  // namespace

PositionSummary::PositionSummary() {
    // Room for the line with several break-evens, so that refreshing it never allocates.
    text.reserve(192);
}

void PositionSummary::Compute(const GraphModel& model) {
    optionCount = model.GetOptionCount();
    for (int k = 0; k < optionCount; ++k) options[k].CopyFrom(model.GetOption(k + 1));
    stock.CopyFrom(model.GetStock());
    holds = stock.Value() != 0;

    breakEvenCount = 0;
    BuildGrid(model);
    valid = std::all_of(profits, profits + priceCount, [](double p) { return std::isfinite(p); });
    if (!valid) return;
    FindBreakEvens();
    FindExtremes();
    ComputeChance(model);
}

double PositionSummary::ProfitAt(double price) {
    double profit = holds ? stock.ProfitAt(price) : 0;
    for (int k = 0; k < optionCount; ++k) {
        options[k].SetUnderlyingPrice(std::max(price, kLeastOptionPrice));
        profit += options[k].Profit();
    }
    return profit;
}

double PositionSummary::TailSlope() const {
    // The profit's rise per unit of price far above every strike. Summed with the scale of
    // its terms, so that long and short units that cancel count as exactly level.
    double slope = 0;
    double scale = 0;
    for (int k = 0; k < optionCount; ++k) {
        const Option& o = options[k];
        const double units = static_cast<double>(o.GetContracts()) * o.GetUnitsPerContract();
        const double term = SideSign(o.GetSide()) * units * CallTailSlope(o);
        slope += term;
        scale += std::fabs(term);
    }
    if (holds) {
        const double term = SideSign(stock.GetSide()) * stock.GetShares() *
                            static_cast<double>(stock.GetUnitsPerContract());
        slope += term;
        scale += std::fabs(term);
    }
    return std::fabs(slope) <= 1e-12 * scale ? 0 : slope;
}

void PositionSummary::BuildGrid(const GraphModel& model) {
    priceCount = 0;
    for (int k = 0; k < optionCount; ++k) AddOptionPrices(options[k]);
    // The range of interest: every strike's reach, today's price and the holding's price.
    double low = HUGE_VAL;
    double high = 0;
    for (double price : {model.GetCurrentPrice(), stock.GetPrice()}) {
        if (price > 0) low = std::min(low, price), high = std::max(high, price);
    }
    for (int i = 0; i < priceCount; ++i) {
        low = std::min(low, prices[i]);
        high = std::max(high, prices[i]);
    }
    if (!(high > 0)) low = high = 1;
    prices[priceCount++] = 0;
    const double top = 2 * high;
    for (int j = 0; j < kSpanPrices; ++j)
        AddPrice(low * std::pow(top / low, static_cast<double>(j) / (kSpanPrices - 1)));

    std::sort(prices, prices + priceCount);
    priceCount = static_cast<int>(std::unique(prices, prices + priceCount) - prices);
    for (int i = 0; i < priceCount; ++i) profits[i] = ProfitAt(prices[i]);
    ExtendBeyondLastPrice();
    ExtendLevelTail();
    RefineTurningPoints();
}

void PositionSummary::AddOptionPrices(const Option& option) {
    const double K = option.GetStrike();
    if (!(K > 0)) return;
    AddPrice(K);
    // An expired option bends at its strike alone; one with time left over a few widths.
    const double T = option.GetYears();
    const double w = option.GetVolatility() * std::sqrt(T);
    if (!(w > 0)) return;
    for (double z : kWidthSteps) {
        AddPrice(K * std::exp(z * w));
        AddPrice(K * std::exp(-z * w));
    }
    const double drift = (option.GetInterestRate() - option.GetDividendYield()) * T;
    const double reach = kReachWidths * w + std::fabs(drift) + w * w;
    AddPrice(K * std::exp(reach));
    AddPrice(K * std::exp(-reach));
}

void PositionSummary::AddPrice(double price) {
    // An option takes no underlying price beyond the largest amount, so none is tried.
    if (priceCount < kMaxPrices && price > 0 && price <= kMaxMagnitude)
        prices[priceCount++] = price;
}

void PositionSummary::ExtendBeyondLastPrice() {
    // Past the last price the profit is a straight line of the tail's slope; when it
    // still has to cross 0 there, a price beyond that crossing brackets the break-even.
    const double slope = TailSlope();
    if (slope == 0) return;
    for (int n = 0; n < kMaxTailExtensions && priceCount < kMaxPrices; ++n) {
        const double last = prices[priceCount - 1];
        const double profit = profits[priceCount - 1];
        if ((profit > 0) == (slope > 0) || !std::isfinite(profit)) return;
        const double next = 2 * std::max(last, last - profit / slope);
        if (!(next <= kMaxMagnitude)) return;
        prices[priceCount] = next;
        profits[priceCount] = ProfitAt(next);
        ++priceCount;
    }
}

void PositionSummary::ExtendLevelTail() {
    // A profit that ends level still settles toward its limit; the grid runs on until two
    // doublings give the same profit to far below a cent.
    if (TailSlope() != 0) return;
    for (int n = 0; n < kMaxLevelExtensions && priceCount < kMaxPrices; ++n) {
        const double last = profits[priceCount - 1];
        const double next = 2 * prices[priceCount - 1];
        if (!(next <= kMaxMagnitude)) return;
        InsertPrice(priceCount, next, ProfitAt(next));
        if (std::fabs(profits[priceCount - 1] - last) <= 1e-9 * (1 + std::fabs(last))) return;
    }
}

void PositionSummary::InsertPrice(int at, double price, double profit) {
    std::copy_backward(prices + at, prices + priceCount, prices + priceCount + 1);
    std::copy_backward(profits + at, profits + priceCount, profits + priceCount + 1);
    prices[at] = price;
    profits[at] = profit;
    ++priceCount;
}

void PositionSummary::RefineTurningPoints() {
    // Between two grid prices the profit may dip below 0 and come back (two break-evens a
    // few cents apart) unseen by the grid. Where the grid turns on the profitable side of
    // 0, or on the losing side, the turn itself is searched and added to the grid.
    for (int i = priceCount - 2; i >= 1 && priceCount < kMaxPrices; --i) {
        const double here = profits[i];
        const bool trough = here <= profits[i - 1] && here <= profits[i + 1] && here > 0;
        const bool crest = here >= profits[i - 1] && here >= profits[i + 1] && here <= 0;
        if (!trough && !crest) continue;
        const double sign = trough ? -1 : 1;
        const auto signedProfit = [this, sign](double x) { return sign * ProfitAt(x); };
        const Peak turn = FindMaximum(signedProfit, prices[i - 1], prices[i + 1]);
        const double profit = sign * turn.value;
        if ((profit > 0) == (here > 0)) continue;
        const int at = turn.x < prices[i] ? i : i + 1;
        if (turn.x != prices[at - 1] && turn.x != prices[at]) InsertPrice(at, turn.x, profit);
    }
}

void PositionSummary::FindBreakEvens() {
    for (int i = 1; i < priceCount; ++i) {
        if ((profits[i - 1] > 0) == (profits[i] > 0)) continue;
        breakEvens[breakEvenCount++] = RefineBreakEven(i);
    }
}

double PositionSummary::RefineBreakEven(int i) {
    const auto gain = [this](double x) { return GainOrLoss(ProfitAt(x)); };
    return FindCrossing(gain, prices[i - 1], GainOrLoss(profits[i - 1]), prices[i],
                        GainOrLoss(profits[i]));
}

void PositionSummary::FindExtremes() {
    const double slope = TailSlope();
    profitUnlimited = slope > 0;
    lossUnlimited = slope < 0;
    const int best = static_cast<int>(std::max_element(profits, profits + priceCount) - profits);
    const int worst = static_cast<int>(std::min_element(profits, profits + priceCount) - profits);
    maxProfit = profitUnlimited ? 0 : RefineExtreme(best, 1);
    maxLoss = lossUnlimited ? 0 : -RefineExtreme(worst, -1);
}

double PositionSummary::RefineExtreme(int i, double sign) {
    // The ends stand for the limits at 0 and far above every strike; between them the
    // extreme lies within the neighbouring grid prices.
    if (i == 0 || i == priceCount - 1) return profits[i];
    const auto signedProfit = [this, sign](double x) { return sign * ProfitAt(x); };
    const double best = FindMaximum(signedProfit, prices[i - 1], prices[i + 1]).value;
    return sign * std::max(best, sign * profits[i]);
}

void PositionSummary::ComputeChance(const GraphModel& model) {
    // ln(S/S0) is normal with mean (μ − σ²/2)·t and variance σ²·t at the graph date.
    const double S0 = model.GetCurrentPrice();
    const double sigma = model.GetRangeVolatility();
    const double t = model.GetHorizonDays() * Option::kYearsPerDay;
    const LogNormal law{S0, (model.GetDrift() - sigma * sigma / 2) * t, sigma * std::sqrt(t)};
    bool profitable = profits[0] > 0;
    if (!(S0 > 0) || !(law.deviation > 0)) {
        // No spread: the price lands on one point, profitable or not.
        const double at = S0 > 0 ? S0 * std::exp(law.mean) : 0;
        for (int j = 0; j < breakEvenCount && breakEvens[j] < at; ++j) profitable = !profitable;
        chance = profitable ? 1 : 0;
        return;
    }
    chance = 0;
    double from = 0;
    for (int j = 0; j <= breakEvenCount; ++j) {
        const double to = j < breakEvenCount ? breakEvens[j] : HUGE_VAL;
        if (profitable) chance += law.Between(from, to);
        profitable = !profitable;
        from = to;
    }
    chance = std::clamp(chance, 0.0, 1.0);
}

const std::string& PositionSummary::Text(int digits) {
    text.clear();
    if (!valid) return text;
    text += "Break-even ";
    if (breakEvenCount == 0) text += "none";
    for (int j = 0; j < breakEvenCount; ++j) {
        // A profit that only touches 0 (a straddle bought for nothing) leaves and
        // regains its sign at one price: one break-even to the reader.
        if (j > 0 && breakEvens[j] - breakEvens[j - 1] < 0.005) continue;
        if (j > 0) text += ", ";
        AppendAmount(text, breakEvens[j], digits);
    }
    text += "   Max profit ";
    if (profitUnlimited)
        text += "unlimited";
    else
        AppendAmount(text, maxProfit, digits);
    text += "   Max loss ";
    if (lossUnlimited)
        text += "unlimited";
    else
        AppendAmount(text, maxLoss, digits);
    text += "   Chance of profit ";
    const std::string percent = IntegerText(static_cast<int>(std::lround(chance * 100)));
    text += percent.empty() ? "0" : percent;
    text += "%";
    return text;
}

}  // namespace qx
