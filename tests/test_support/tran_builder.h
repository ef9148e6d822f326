#ifndef QX_TEST_SUPPORT_TRAN_BUILDER_H
#define QX_TEST_SUPPORT_TRAN_BUILDER_H

#include <string>

#include "platform/ctime.h"
#include "pricing/option.h"
#include "tracker/tran.h"

namespace qx {

// Builds a transaction through its setters, as the tracker window does, so that test
// tables read as trades: TranBuilder().Day(3).Underlying().Open().Buy(100).At(10).
class TranBuilder {
  public:
    TranBuilder() { Day(2); }

    // A trade on the given day of March 2026, at the given hour.
    TranBuilder& Day(int day, int hour = 10) {
        tran.SetDate(CTime(2026, 3, day, hour));
        return *this;
    }
    // A trade of the underlying asset.
    TranBuilder& Underlying(const std::string& name = "XYZ",
                            AssetType assetType = AssetType::kStock, int unitsPerContract = 1) {
        tran.SetKind(TranKind::kUnderlying);
        tran.SetName(name);
        tran.SetAssetType(assetType);
        tran.SetUnitsPerContract(unitsPerContract);
        return *this;
    }
    // A trade of an option series on the underlying.
    TranBuilder& OptionSeries(const std::string& name, OptionType optionType, double strike,
                              AssetType assetType = AssetType::kStock, int unitsPerContract = 100) {
        tran.SetKind(TranKind::kOption);
        tran.SetName(name);
        tran.SetOptionType(optionType);
        tran.SetStrike(strike);
        tran.SetAssetType(assetType);
        tran.SetUnitsPerContract(unitsPerContract);
        tran.SetExpiration(CTime(2026, 6, 19));
        return *this;
    }
    TranBuilder& Call(const std::string& name = "Jun 50 Call", double strike = 50,
                      AssetType assetType = AssetType::kStock) {
        return OptionSeries(name, OptionType::kCall, strike, assetType);
    }
    TranBuilder& Put(const std::string& name = "Jun 50 Put", double strike = 50,
                     AssetType assetType = AssetType::kStock) {
        return OptionSeries(name, OptionType::kPut, strike, assetType);
    }
    TranBuilder& Dividend(double amount) {
        tran.SetKind(TranKind::kDividend);
        tran.SetName("Dividend");
        tran.SetPrice(amount);
        return *this;
    }
    TranBuilder& Open() { return Action(TranAction::kOpen); }
    TranBuilder& Close() { return Action(TranAction::kClose); }
    // An exercise of the given contracts at the underlying's price; the list gives
    // it its side.
    TranBuilder& Exercise(int contracts, double underlyingPrice) {
        Action(TranAction::kExercise);
        tran.SetUnits(contracts);
        tran.SetPrice(underlyingPrice);
        return *this;
    }
    TranBuilder& Buy(int units) { return Trade(qx::Side::kBuy, units); }
    TranBuilder& Sell(int units) { return Trade(qx::Side::kSell, units); }
    // Sets the side alone, as a stored exercise carries it.
    TranBuilder& Side(qx::Side side) {
        tran.SetSide(side);
        return *this;
    }
    TranBuilder& At(double price) {
        tran.SetPrice(price);
        return *this;
    }
    TranBuilder& Fees(double fees) {
        tran.SetFees(fees);
        return *this;
    }

    operator Tran() const { return tran; }  // NOLINT: reads as a value in tables

  private:
    TranBuilder& Action(TranAction action) {
        tran.SetAction(action);
        return *this;
    }
    TranBuilder& Trade(qx::Side side, int units) {
        tran.SetSide(side);
        tran.SetUnits(units);
        return *this;
    }

    Tran tran;
};

}  // namespace qx

#endif  // QX_TEST_SUPPORT_TRAN_BUILDER_H
