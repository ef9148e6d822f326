#ifndef QX_STATEMENT_BOOK_DUPLICATES_H
#define QX_STATEMENT_BOOK_DUPLICATES_H

#include <string>
#include <unordered_map>
#include <vector>

#include "pricing/record_enums.h"

namespace qx {

class Tran;
class TranList;

// The transactions a book held before an import, to find a statement's rows that are
// already in it. Where both the row and a transaction of the book carry the broker's
// id, the ids decide: the same id is the same trade, and two equal fills of different
// ids are two trades. Otherwise the content decides: the same date and time, entry,
// kind, units, price and fees, and the same side where the row gives one. The action
// is not compared: a row that does not say whether it opens or closes is judged by the
// holding, which the first import of the same file has already changed. Each
// transaction of the book answers for one row, so two equal fills are both found only
// when the book holds both.
class BookDuplicates {
  public:
    explicit BookDuplicates(const TranList& book);

    // Whether the book holds a transaction like tran that no earlier row took; takes it.
    // With sideKnown false, a transaction of either side answers.
    bool Take(const Tran& tran, bool sideKnown);

  private:
    // The untaken transactions of one content, by side (none, Buy, Sell): how many
    // carry no id, and the ids of the others.
    struct Untaken {
        PerSide<int> withoutId;
        PerSide<std::vector<std::string>> ids;
    };
    // Where a transaction of the book with an id is found by content.
    struct IdPlace {
        std::string key;
        Side side = Side::kNone;
    };

    static std::string KeyOf(const Tran& tran);
    bool TakeById(const std::string& id);
    bool TakeByContent(const Tran& tran, bool sideKnown);

    std::unordered_map<std::string, Untaken> untaken;  // by content
    std::unordered_map<std::string, IdPlace> byId;     // the untaken ids
};

}  // namespace qx

#endif  // QX_STATEMENT_BOOK_DUPLICATES_H
