#include <cstdint>
#include <limits>

#include "platform/archive.h"
#include "tracker/tran_list.h"

namespace qx {

namespace {

// The fewest bytes one transaction takes in a file: its fixed fields, the length byte
// of an empty name and its balance. A count the rest of the file cannot hold is damage.
constexpr std::uint64_t kLeastTranBytes = 60 + 1 + 8;

}  // namespace

// The balances go into the file for other readers; loading reads them past and
// recomputes its own from the transactions.
bool TranList::Serialize(CArchive& archive, bool extended) {
    std::int32_t stored = GetCount();
    archive.Exchange(stored);
    archive.ExpectRange(
        stored, 0, extended ? std::numeric_limits<std::int32_t>::max() : kClassicMaxTransactions);
    if (stored > 0) archive.ExpectRoom(static_cast<std::uint64_t>(stored) * kLeastTranBytes);
    if (!archive.EndRecord()) return false;
    if (archive.IsStoring()) {
        for (int i = 0; i < stored; ++i) {
            if (!transactions[i].Serialize(archive)) return false;
            double balance = balances[i];
            archive.Exchange(balance);
            if (!archive.EndRecord()) return false;
        }
        return true;
    }
    std::vector<Tran> loaded(stored);
    for (Tran& tran : loaded) {
        if (!tran.Serialize(archive)) return false;
        double balance = 0;
        archive.Exchange(balance);
        if (!archive.EndRecord()) return false;
    }
    transactions = std::move(loaded);
    Recalculate();
    return true;
}

}  // namespace qx
