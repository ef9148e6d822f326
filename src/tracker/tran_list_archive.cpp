#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/archive.h"
#include "tracker/tran_list.h"

namespace qx {

namespace {

// The fewest bytes one transaction takes in a file: its fixed fields, the length byte
// of an empty name and its balance, and the length byte of an empty broker id where
// the layout has ids. A count the rest of the file cannot hold is damage.
std::uint64_t LeastTranBytes(TranList::Layout layout) {
    return 60 + 1 + 8 + (layout == TranList::Layout::kExtendedWithIds ? 1 : 0);
}

}  // namespace

TranList::Layout TranList::LayoutToWrite() const {
    const bool ids = std::any_of(transactions.begin(), transactions.end(),
                                 [](const Tran& t) { return !t.BrokerId().empty(); });
    if (ids) return Layout::kExtendedWithIds;
    return GetCount() > kClassicMaxTransactions ? Layout::kExtended : Layout::kClassic;
}

// The balances go into the file for other readers; loading reads them past and
// recomputes its own from the transactions.
bool TranList::Serialize(CArchive& archive, Layout layout) {
    std::int32_t stored = GetCount();
    archive.Exchange(stored);
    archive.ExpectRange(stored, 0,
                        layout == Layout::kClassic ? kClassicMaxTransactions
                                                   : std::numeric_limits<std::int32_t>::max());
    if (stored > 0) archive.ExpectRoom(static_cast<std::uint64_t>(stored) * LeastTranBytes(layout));
    if (!archive.EndRecord()) return false;
    std::vector<Tran> loaded(archive.IsStoring() ? 0 : stored);
    for (int i = 0; i < stored; ++i) {
        Tran& tran = archive.IsStoring() ? transactions[i] : loaded[i];
        if (!tran.Serialize(archive)) return false;
        double balance = archive.IsStoring() ? balances[i] : 0;
        archive.Exchange(balance);
        if (layout == Layout::kExtendedWithIds) {
            std::string id = tran.BrokerId();
            archive.Exchange(id);
            if (archive.IsLoading()) archive.Expect(tran.SetBrokerId(id) == 0);
        }
        if (!archive.EndRecord()) return false;
    }
    if (archive.IsLoading()) {
        transactions = std::move(loaded);
        Recalculate();
    }
    return true;
}

}  // namespace qx
