#ifndef QX_PRICING_OPTION_TYPE_H
#define QX_PRICING_OPTION_TYPE_H

namespace qx {

// The kind of contract, as the records hold it and the valuation routines take it.
enum class OptionType { kNone = 0, kCall = 1, kPut = 2 };

}  // namespace qx

#endif  // QX_PRICING_OPTION_TYPE_H
