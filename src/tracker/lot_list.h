#ifndef QX_TRACKER_LOT_LIST_H
#define QX_TRACKER_LOT_LIST_H

#include <vector>

namespace qx {

// The lots of one side of the underlying (its acquisitions or its disposals) in book
// order, with running sums of their quantities, costs and fees: the position averages
// its most recent lots, and the sums find and price those in logarithmic time instead
// of a walk over a year of purchases. A lot of no units still counts its fees.
class LotList {
  public:
    struct Lot {
        int index;  // in the book
        double quantity;
        double price;
        double fees;
    };
    // The most recent lots that cover a quantity: the most recent one's book index (-1
    // with no lots), their average price by quantity taken, and their fees whole.
    struct Average {
        int mostRecent = -1;
        double price = 0;
        double fees = 0;
    };

    void Clear();
    // Puts lot at its place by book index.
    void Insert(const Lot& lot);
    // Drops the lot of book index, if there is one.
    void Erase(int index);
    // Moves the book indices from index on by by.
    void ShiftFrom(int index, int by);
    // The lots taken from the most recent backwards until quantity (above 0) is
    // covered, the oldest of them in part; all of them when they fall short.
    Average Recent(double quantity) const;

  private:
    struct Sums {
        double quantity = 0;
        double cost = 0;
        double fees = 0;
    };
    // The sums over the lots before position k.
    Sums Before(std::size_t k) const;
    // Sums again from position k on, after a lot came in or went out there.
    void Resum(std::size_t k);

    std::vector<Lot> lots;
    std::vector<Sums> through;  // through[k]: the sums over lots 0..k
};

}  // namespace qx

#endif  // QX_TRACKER_LOT_LIST_H
