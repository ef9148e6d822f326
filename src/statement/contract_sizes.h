#ifndef QX_STATEMENT_CONTRACT_SIZES_H
#define QX_STATEMENT_CONTRACT_SIZES_H

#include <map>
#include <string>

#include "statement/broker_trade.h"

namespace qx {

// Contract sizes of a layout that has no column for them: told by a row's notional
// value (its cash without fees) over quantity times price, and remembered per symbol
// for the rows of the same contract that carry no price (an expiry, an assignment).
// Equity options without either are standard contracts of 100; a future without either
// has no size that can be told.
class ContractSizes {
  public:
    // Sets trade.multiplier; false when no size can be told or the ratio is no whole
    // number.
    bool Find(const std::string& symbol, double notional, BrokerTrade& trade);

  private:
    std::map<std::string, int> seen;
};

}  // namespace qx

#endif  // QX_STATEMENT_CONTRACT_SIZES_H
