#include "statement/book_duplicates.h"

#include <cstring>

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
        ++untaken[KeyOf(tran)][tran.GetSide()];
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
    const auto found = untaken.find(KeyOf(tran));
    if (found == untaken.end()) return false;
    PerSide<int>& sides = found->second;
    if (sideKnown) {
        if (sides[tran.GetSide()] == 0) return false;
        --sides[tran.GetSide()];
        return true;
    }
    for (int& count : sides) {
        if (count == 0) continue;
        --count;
        return true;
    }
    return false;
}

}  // namespace qx
