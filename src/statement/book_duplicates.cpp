#include "statement/book_duplicates.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "tracker/tran_list.h"

namespace qx {

namespace {

template <typename T>
void AppendBytes(std::string& key, const T& value) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    key.append(bytes, sizeof(T));
}

}  // namespace

BookDuplicates::BookDuplicates(const TranList& book) {
    for (int index = 0; index < book.GetCount(); ++index) {
        const Tran& tran = book.At(index);
        std::string key = KeyOf(tran);
        Untaken& same = untaken[key];
        if (tran.BrokerId().empty()) {
            ++same.withoutId[tran.GetSide()];
            continue;
        }
        same.ids[tran.GetSide()].push_back(tran.BrokerId());
        byId[tran.BrokerId()] = {std::move(key), tran.GetSide()};
    }
}

std::string BookDuplicates::KeyOf(const Tran& tran) {
    std::string key = tran.Name();
    key += '\0';
    AppendBytes(key, tran.GetDate().GetTime());
    AppendBytes(key, tran.GetKind());
    AppendBytes(key, tran.GetUnits());
    // Adding zero turns a negative zero into the zero a fee setter stores.
    AppendBytes(key, tran.GetPrice() + 0.0);
    AppendBytes(key, tran.GetFees() + 0.0);
    return key;
}

bool BookDuplicates::Take(const Tran& tran, bool sideKnown) {
    if (!tran.BrokerId().empty() && TakeById(tran.BrokerId())) return true;
    return TakeByContent(tran, sideKnown);
}

bool BookDuplicates::TakeById(const std::string& id) {
    const auto found = byId.find(id);
    if (found == byId.end()) return false;
    std::vector<std::string>& ids = untaken[found->second.key].ids[found->second.side];
    ids.erase(std::find(ids.begin(), ids.end(), id));
    byId.erase(found);
    return true;
}

// A row with an id finds only transactions without one: a transaction of another id is
// another trade, however alike.
bool BookDuplicates::TakeByContent(const Tran& tran, bool sideKnown) {
    const auto found = untaken.find(KeyOf(tran));
    if (found == untaken.end()) return false;
    Untaken& same = found->second;
    const bool rowHasId = !tran.BrokerId().empty();
    for (const Side side : {Side::kNone, Side::kBuy, Side::kSell}) {
        if (sideKnown && side != tran.GetSide()) continue;
        if (same.withoutId[side] > 0) {
            --same.withoutId[side];
            return true;
        }
        if (!rowHasId && !same.ids[side].empty()) {
            byId.erase(same.ids[side].back());
            same.ids[side].pop_back();
            return true;
        }
    }
    return false;
}

}  // namespace qx
