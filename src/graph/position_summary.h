#ifndef QX_GRAPH_POSITION_SUMMARY_H
#define QX_GRAPH_POSITION_SUMMARY_H

#include <string>

#include "graph/graph_model.h"
#include "pricing/option.h"
#include "tracker/stock.h"

namespace qx {

// The four answers a position's NET profit at the graph date gives at a glance: the
// prices where it breaks even, its best and worst case over every price from 0 upward,
// and the chance of ending in profit. The profit is the graph's: the kept options at
// the graph date's days left and the Volatility slider's volatility, plus the holding
// when it has a value. Holds fixed arrays only, so a summary per slider step allocates
// nothing once its text has grown to size.
class PositionSummary {
  public:
    // Capacity of the price grid the profit is searched on.
    static constexpr int kMaxPrices = 160;

    PositionSummary();

    // Summarises the profit of the model's position as the model stands now.
    void Compute(const GraphModel& model);

    // False when the profit is not a finite number somewhere (a position too large for
    // doubles): then nothing else holds and the text is empty.
    bool IsValid() const { return valid; }
    // The prices, in increasing order, where the profit turns from a loss to a gain or
    // back, to the last of four decimals.
    int GetBreakEvenCount() const { return breakEvenCount; }
    double GetBreakEven(int i) const { return breakEvens[i]; }
    // Whether the profit grows without bound as the price rises: net long calls and
    // shares make the profit unlimited, net short the loss.
    bool IsProfitUnlimited() const { return profitUnlimited; }
    bool IsLossUnlimited() const { return lossUnlimited; }
    // The largest profit over all prices, when not unlimited: far above every strike the
    // limit the profit settles to.
    double GetMaxProfit() const { return maxProfit; }
    // The largest loss as an amount lost (minus the smallest profit), when not unlimited;
    // negative when the position gains at every price.
    double GetMaxLoss() const { return maxLoss; }
    // Probability, 0 to 1, that the profit is above 0 at the graph date, the price then
    // being log-normal with the slider's volatility and drift.
    double GetChanceOfProfit() const { return chance; }

    // The line under the graph, amounts with the given decimals, for example
    // "Break-even 96.50, 113.20   Max profit 1250.00   Max loss unlimited   Chance of
    // profit 43%"; empty when the summary is not valid.
    const std::string& Text(int digits);

  private:
    double ProfitAt(double price);
    double TailSlope() const;
    void BuildGrid(const GraphModel& model);
    void AddOptionPrices(const Option& option);
    void AddPrice(double price);
    void ExtendBeyondLastPrice();
    void ExtendLevelTail();
    void InsertPrice(int at, double price, double profit);
    void RefineTurningPoints();
    void FindBreakEvens();
    double RefineBreakEven(int i);
    void FindExtremes();
    double RefineExtreme(int i, double sign);
    void ComputeChance(const GraphModel& model);

    // Copies of the model's kept options, priced at each grid price in turn.
    Option options[kOptionSlots];
    int optionCount = 0;
    Stock stock;
    bool holds = false;  // the holding's profit counts

    // The grid: increasing prices from 0 to beyond every strike's reach.
    double prices[kMaxPrices] = {};
    double profits[kMaxPrices] = {};
    int priceCount = 0;

    bool valid = false;
    double breakEvens[kMaxPrices] = {};
    int breakEvenCount = 0;
    bool profitUnlimited = false;
    bool lossUnlimited = false;
    double maxProfit = 0;
    double maxLoss = 0;
    double chance = 0;
    std::string text;
};

}  // namespace qx

#endif  // QX_GRAPH_POSITION_SUMMARY_H
