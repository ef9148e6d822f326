#ifndef QX_TESTS_GRAPH_GRAPH_FIXTURES_H
#define QX_TESTS_GRAPH_GRAPH_FIXTURES_H

#include "graph/graph_model.h"
#include "pricing/option.h"
#include "shell/settings.h"
#include "tracker/stock.h"

namespace qx {

// A bought call or put on an underlying at 100, 30 % volatility, 5 % interest, 100 units
// per contract, paid 5.00; days left as given.
inline Option MakeOption(int type, double strike, int daysLeft, int side = kBuy,
                         int contracts = 1) {
    Option option;
    option.SetOptionType(type);
    option.SetUnderlyingPrice(100);
    option.SetStrike(strike);
    option.SetDaysLeft(daysLeft);
    option.SetInterestRate(0.05);
    option.SetVolatility(0.30);
    option.SetSide(side);
    option.SetContracts(contracts);
    option.SetUnitsPerContract(100);
    option.SetPrice(5);
    option.SetAssetType(kStockAsset);
    return option;
}

// 100 shares of the underlying bought at 95 with 10 in fees.
inline Stock MakeHolding() {
    Stock stock;
    stock.SetPrice(95);
    stock.SetShares(100);
    stock.SetFees(10);
    stock.SetSide(kBuy);
    stock.SetAssetType(kStockAsset);
    return stock;
}

// A position so large that the upper part of the price axis overflows the position value:
// 10000 units of a call on an underlying near 1.3e304, shown alone, a year ahead.
inline GraphModel OverflowingModel() {
    static Settings settings;
    settings.showProfit = false;
    Option rows[4] = {MakeOption(kCall, 1, 400, kBuy, 100)};
    rows[0].SetUnderlyingPrice(1.3e304);
    GraphModel model(rows, Stock(), settings);
    model.SetNetSelected(false);
    model.SetOptionSelected(1, true);
    model.SetDateOffset(365);
    return model;
}

}  // namespace qx

#endif  // QX_TESTS_GRAPH_GRAPH_FIXTURES_H
