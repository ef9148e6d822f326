#ifndef QX_STATEMENT_DELIVERY_PAIRING_H
#define QX_STATEMENT_DELIVERY_PAIRING_H

#include <vector>

#include "statement/broker_trade.h"

namespace qx {

// The tracker's exercise moves the underlying itself, at the strike: a statement's own
// row for those units would count them twice. Each row the file marks as a delivery,
// and each plain buy or sell that is exactly the units an exercise or assignment of the
// same day moves (same underlying, count, direction, at the strike), is paired with that
// exercise and skipped; a marked delivery with no exercise to pair is refused.
void PairDeliveries(std::vector<StatementRow>& rows);

}  // namespace qx

#endif  // QX_STATEMENT_DELIVERY_PAIRING_H
