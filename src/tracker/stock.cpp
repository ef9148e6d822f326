#include "tracker/stock.h"

#include <climits>

#include "pricing/option.h"
#include "pricing/record_fields.h"
#include "pricing/record_name.h"

namespace qx {

int Stock::SetPrice(double value) { return SetNonNegative(price, value); }
int Stock::SetShares(int value) { return SetInRange(shares, value, 0, INT_MAX); }

int Stock::SetUnitsPerContract(int value) {
    return SetInRange(unitsPerContract, value, 0, INT_MAX);
}
int Stock::SetFees(double value) { return SetFee(fees, value); }
int Stock::SetSide(Side value) { return SetCoded(side, value); }
int Stock::SetAssetType(AssetType value) { return SetCoded(assetType, value); }

int Stock::SetSymbol(const std::string& value) { return SetName(symbol, value); }

const char* Stock::PlaceholderSymbol(AssetType assetType) {
    switch (assetType) {
        case AssetType::kIndex: return "[Index]";
        case AssetType::kFuture: return "[Future]";
        default: return "[Stock]";
    }
}

bool Stock::IsPlaceholderSymbol(const std::string& symbol) {
    return symbol.empty() || symbol == PlaceholderSymbol(AssetType::kStock) ||
           symbol == PlaceholderSymbol(AssetType::kIndex) ||
           symbol == PlaceholderSymbol(AssetType::kFuture);
}

void Stock::CopyFrom(const Stock& other) { *this = other; }

void Stock::Clear() {
    price = 0;
    shares = 0;
    unitsPerContract = 1;
    fees = 0;
}

double Stock::Value() const {
    // The money of the trade itself: paid out for a purchase, received for a sale.
    const double gross = static_cast<double>(unitsPerContract) * shares * price;
    if (side == Side::kBuy) return fees - gross;
    if (side == Side::kSell) return gross + fees;
    return 0;
}

double Stock::ProfitAt(double x) const {
    const double units = static_cast<double>(shares) * unitsPerContract;
    if (side == Side::kBuy) return (x - price) * units + fees;
    if (side == Side::kSell) return (price - x) * units + fees;
    return 0;
}

bool operator==(const Stock& a, const Stock& b) {
    return a.price == b.price && a.shares == b.shares && a.unitsPerContract == b.unitsPerContract &&
           a.fees == b.fees && a.side == b.side && a.assetType == b.assetType &&
           a.symbol == b.symbol;
}

}  // namespace qx
