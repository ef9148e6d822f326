#ifndef QX_JOURNAL_OPEN_VALUATION_H
#define QX_JOURNAL_OPEN_VALUATION_H

#include "platform/ctime.h"

namespace qx {

struct JournalResults;
class Settings;
class Stock;

// Values the open positions on the editor's underlying at its current price: the
// underlying itself at that price, its options at fair value in the settings' market
// and valuation rule as of valuationDate (an expired option at what it pays at that
// price). Positions on other underlyings, whose price the document does not hold, stay
// unvalued; so does everything while the price is 0.
void ValueOpenPositions(JournalResults& results, const Stock& stock, const Settings& settings,
                        CTime valuationDate);

}  // namespace qx

#endif  // QX_JOURNAL_OPEN_VALUATION_H
