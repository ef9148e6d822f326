#ifndef QX_TRACKER_STOCK_H
#define QX_TRACKER_STOCK_H

#include <string>

#include "pricing/record_enums.h"

namespace qx {

class CArchive;

// The underlying asset leg of a position: which asset, how many units, at what price,
// bought or sold, and its fees. Setters return 0 when they accept a value and -1 when
// they refuse it, leaving the field unchanged.
class Stock {
  public:
    // Refuses a negative or non-finite price, or one beyond kMaxMagnitude.
    int SetPrice(double value);
    // Refuses a negative count.
    int SetShares(int value);
    // Refuses a negative multiplier; 0 is accepted and raised to 1 by the archive.
    int SetUnitsPerContract(int value);
    // Stores minus the absolute value, so a fee is always a cost; refuses non-finite
    // values and magnitudes beyond kMaxMagnitude.
    int SetFees(double value);
    // Accept every side and every asset type.
    int SetSide(Side value);
    int SetAssetType(AssetType value);
    // Refuses a symbol longer than kMaxNameLength characters.
    int SetSymbol(const std::string& value);

    // The symbol a new underlying of the asset type shows until the user types one:
    // "[Stock]", "[Index]" or "[Future]".
    static const char* PlaceholderSymbol(AssetType assetType);
    // True for an empty symbol or a placeholder, which a change of asset type replaces.
    static bool IsPlaceholderSymbol(const std::string& symbol);

    double GetPrice() const { return price; }
    int GetShares() const { return shares; }
    int GetUnitsPerContract() const { return unitsPerContract; }
    double GetFees() const { return fees; }
    Side GetSide() const { return side; }
    AssetType GetAssetType() const { return assetType; }
    std::string GetSymbol() const { return symbol; }

    // Copies every field of other.
    void CopyFrom(const Stock& other);
    // Zeroes price, shares and fees and sets the multiplier to 1; keeps side, asset
    // type and symbol.
    void Clear();

    // Net cash of the leg, fees included: negative for a purchase, 0 with no side.
    double Value() const;
    // Profit or loss of the leg if the underlying stood at x, fees counted once.
    double ProfitAt(double x) const;

    // Writes or reads the record in its document layout (defined with the document
    // code); false on a file error, which it has reported.
    bool Serialize(CArchive& archive);

    friend bool operator==(const Stock& a, const Stock& b);
    friend bool operator!=(const Stock& a, const Stock& b) { return !(a == b); }

  private:
    // Rebuilds a record just read from a document through the setters, from the
    // values read: false when a setter refuses one.
    bool TakeLoaded(const Stock& read);

    // Declaration order is the document order.
    double price = 0;
    int shares = 0;
    int unitsPerContract = 1;
    double fees = 0;  // zero or negative
    Side side = Side::kNone;
    AssetType assetType = AssetType::kNone;
    std::string symbol;
};

}  // namespace qx

#endif  // QX_TRACKER_STOCK_H
