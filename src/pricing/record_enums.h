#ifndef QX_PRICING_RECORD_ENUMS_H
#define QX_PRICING_RECORD_ENUMS_H

#include <array>
#include <cstddef>
#include <optional>
#include <type_traits>

#include "pricing/option_type.h"

namespace qx {

// The coded fields the option, underlying and transaction records share, the kind of
// contract (option_type.h) among them. Documents, settings and spreadsheets hold them as
// the ints their enumerations give; only the readers and writers of those see the ints.

// Which side of a trade a position is on.
enum class Side { kNone = 0, kBuy = 1, kSell = 2 };

// One value for each side, none included, looked up by the side.
template <class T>
class PerSide {
  public:
    T& operator[](Side side) { return values[static_cast<std::size_t>(side)]; }
    const T& operator[](Side side) const { return values[static_cast<std::size_t>(side)]; }
    typename std::array<T, 3>::iterator begin() { return values.begin(); }
    typename std::array<T, 3>::iterator end() { return values.end(); }

  private:
    std::array<T, 3> values{};
};

// The kind of underlying asset.
enum class AssetType { kNone = 0, kStock = 1, kIndex = 2, kFuture = 3 };

// The int a document, the settings or a spreadsheet stores for a coded field.
template <class Enum>
constexpr int Stored(Enum value) {
    static_assert(std::is_enum_v<Enum>, "only a coded field has a stored int");
    return static_cast<int>(value);
}

// The text a table lists for value, the tables being in the order of the stored ints;
// empty for a value beyond the table.
template <class Enum, std::size_t n>
constexpr const char* NameOf(const char* const (&names)[n], Enum value) {
    const int stored = Stored(value);
    return stored >= 0 && stored < static_cast<int>(n) ? names[stored] : "";
}

// The coded field whose stored int is stored when it lies within first..last, the
// enumeration's values; nothing for any other int, which no record holds.
template <class Enum>
constexpr std::optional<Enum> StoredInRange(int stored, Enum first, Enum last) {
    if (stored < Stored(first) || stored > Stored(last)) return std::nullopt;
    return static_cast<Enum>(stored);
}

// The stored int read back into its coded field, or nothing for a damaged value.
constexpr std::optional<OptionType> OptionTypeFromStored(int stored) {
    return StoredInRange(stored, OptionType::kNone, OptionType::kPut);
}
constexpr std::optional<Side> SideFromStored(int stored) {
    return StoredInRange(stored, Side::kNone, Side::kSell);
}
constexpr std::optional<AssetType> AssetTypeFromStored(int stored) {
    return StoredInRange(stored, AssetType::kNone, AssetType::kFuture);
}

}  // namespace qx

#endif  // QX_PRICING_RECORD_ENUMS_H
