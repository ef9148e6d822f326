#ifndef QX_STATEMENT_BOOK_HOLDINGS_H
#define QX_STATEMENT_BOOK_HOLDINGS_H

#include <cstdint>
#include <string>
#include <unordered_map>

namespace qx {

class Tran;
class TranList;

// The signed net holding of every entry of a book: option series in contracts, an
// underlying in its units (contracts times their size), with the units that exercises
// delivered counted under the option's root. A statement row that does not say whether
// it opens or closes, or which way an expiry goes, is judged by it.
class BookHoldings {
  public:
    explicit BookHoldings(const TranList& book);

    // The net holding of the entry: positive long, negative short, 0 when flat.
    std::int64_t Net(const std::string& entry) const;
    // Counts a transaction the book has accepted.
    void Record(const Tran& tran);

  private:
    std::unordered_map<std::string, std::int64_t> net;
};

}  // namespace qx

#endif  // QX_STATEMENT_BOOK_HOLDINGS_H
