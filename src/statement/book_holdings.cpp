#include "statement/book_holdings.h"

#include "statement/entry_names.h"
#include "tracker/tran_list.h"

namespace qx {

BookHoldings::BookHoldings(const TranList& book) {
    for (int index = 0; index < book.GetCount(); ++index) {
        const Tran& tran = book.At(index);
        Record(tran);
    }
}

std::int64_t BookHoldings::Net(const std::string& entry) const {
    const auto found = net.find(entry);
    return found == net.end() ? 0 : found->second;
}

void BookHoldings::Record(const Tran& tran) {
    const std::int64_t units = tran.GetSignedUnits();
    if (tran.GetKind() == TranKind::kUnderlying) {
        net[tran.Name()] += units * tran.GetUnitsPerContract();
    } else if (tran.GetKind() == TranKind::kOption) {
        net[tran.Name()] += units;
        const std::string underlying = UnderlyingOfEntry(tran.Name());
        if (tran.IsExercise() && !underlying.empty()) net[underlying] += tran.DeliveredUnits();
    }
}

}  // namespace qx
