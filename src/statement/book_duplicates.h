#ifndef QX_STATEMENT_BOOK_DUPLICATES_H
#define QX_STATEMENT_BOOK_DUPLICATES_H

#include <string>
#include <unordered_map>

#include "pricing/record_enums.h"

namespace qx {

class Tran;
class TranList;

// The transactions a book held before an import, to find a statement's rows that are
// already in it: the same date and time, entry, kind, units, price and fees, and the
// same side where the row gives one. The action is not compared: a row that does not
// say whether it opens or closes is judged by the holding, which the first import of
// the same file has already changed. Each transaction of the book answers for one row,
// so two equal fills are both found only when the book holds both.
class BookDuplicates {
  public:
    explicit BookDuplicates(const TranList& book);

    // Whether the book holds a transaction like tran that no earlier row took; takes it.
    // With sideKnown false, a transaction of either side answers.
    bool Take(const Tran& tran, bool sideKnown);

  private:
    static std::string KeyOf(const Tran& tran);
    // Per key, the transactions not taken yet, by side (none, Buy, Sell).
    std::unordered_map<std::string, PerSide<int>> untaken;
};

}  // namespace qx

#endif  // QX_STATEMENT_BOOK_DUPLICATES_H
