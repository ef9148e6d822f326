#ifndef QX_TESTS_GRAPH_GRAPH_FIXTURES_H
#define QX_TESTS_GRAPH_GRAPH_FIXTURES_H

#include "pricing/option.h"
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

}  // namespace qx

#endif  // QX_TESTS_GRAPH_GRAPH_FIXTURES_H
