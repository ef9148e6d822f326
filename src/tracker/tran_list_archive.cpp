#include "platform/archive.h"
#include "tracker/tran_list.h"

namespace qx {

// The balances go into the file for other readers; loading reads them past and
// recomputes its own from the transactions.
bool TranList::Serialize(CArchive& archive) {
    if (archive.IsStoring()) Recalculate();
    std::int32_t stored = count;
    archive.Exchange(stored);
    archive.ExpectRange(stored, 0, kMaxTransactions);
    if (!archive.EndRecord()) return false;

    TranList loaded;
    TranList& list = archive.IsStoring() ? *this : loaded;
    for (int i = 0; i < stored; ++i) {
        if (!list.transactions[i].Serialize(archive)) return false;
        double balance = list.balances[i];
        archive.Exchange(balance);
        if (!archive.EndRecord()) return false;
    }
    if (archive.IsLoading()) {
        loaded.count = stored;
        *this = loaded;
        Recalculate();
    }
    return true;
}

}  // namespace qx
