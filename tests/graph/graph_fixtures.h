#ifndef QX_TESTS_GRAPH_GRAPH_FIXTURES_H
#define QX_TESTS_GRAPH_GRAPH_FIXTURES_H

#include <climits>

#include "graph/graph_model.h"
#include "pricing/option.h"
#include "shell/settings.h"
#include "tracker/stock.h"

namespace qx {

// Settings that count time in whole days: the records of these tests carry days left
// without dates, which the time to the close needs.
inline Settings WholeDaySettings() {
    Settings settings;
    settings.valueToClose = false;
    return settings;
}

// A bought call or put on an underlying at 100, 30 % volatility, 5 % interest, 100 units
// per contract, paid 5.00; days left as given.
inline Option MakeOption(OptionType type, double strike, int daysLeft, Side side = Side::kBuy,
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
    option.SetAssetType(AssetType::kStock);
    return option;
}

// MakeOption of a call, and of a put.
inline Option MakeCall(double strike, int daysLeft, Side side = Side::kBuy, int contracts = 1) {
    return MakeOption(OptionType::kCall, strike, daysLeft, side, contracts);
}
inline Option MakePut(double strike, int daysLeft, Side side = Side::kBuy, int contracts = 1) {
    return MakeOption(OptionType::kPut, strike, daysLeft, side, contracts);
}

// 100 shares of the underlying bought at 95 with 10 in fees.
inline Stock MakeHolding() {
    Stock stock;
    stock.SetPrice(95);
    stock.SetShares(100);
    stock.SetFees(10);
    stock.SetSide(Side::kBuy);
    stock.SetAssetType(AssetType::kStock);
    return stock;
}

// The largest position the records take: calls on 2^31 - 1 contracts of 2^31 - 1 units
// at a strike of 1e12, the underlying at 1e12 and near 10,000 % volatility, with as many
// units of it held, all shown, a year ahead.
inline GraphModel LargestModel() {
    static Settings settings = WholeDaySettings();
    Option rows[4] = {MakeCall(1e12, 400, Side::kBuy, INT_MAX)};
    rows[0].SetUnderlyingPrice(1e12);
    rows[0].SetUnitsPerContract(INT_MAX);
    rows[0].SetVolatility(99.99);
    Stock holding = MakeHolding();
    holding.SetPrice(1e12);
    holding.SetShares(INT_MAX);
    holding.SetUnitsPerContract(INT_MAX);
    GraphModel model(rows, holding, settings);
    model.SetOptionSelected(1, true);
    model.SetStockSelected(true);
    model.SetDateOffset(365);
    return model;
}

}  // namespace qx

#endif  // QX_TESTS_GRAPH_GRAPH_FIXTURES_H
