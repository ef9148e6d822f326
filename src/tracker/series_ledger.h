#ifndef QX_TRACKER_SERIES_LEDGER_H
#define QX_TRACKER_SERIES_LEDGER_H

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "tracker/lot_list.h"
#include "tracker/series_tally.h"
#include "tracker/tran.h"

namespace qx {

// The book's transactions grouped by series (equal name), each series with the indices
// of its transactions in book order and its running tally after each of them, and the
// same for the book's exercises, which move the underlying whatever their name. The
// rules read the tally before any index in logarithmic time; a change re-runs the
// tallies of the series it touches from the changed transaction onward, so a check of
// every later transaction of a series walks only that series.
class SeriesLedger {
  private:
    struct Series;

  public:
    // Groups every transaction of book afresh.
    void Rebuild(const std::vector<Tran>& book);
    // Takes in the transaction book now holds at index; later ones moved up by one.
    void Insert(const std::vector<Tran>& book, int index);
    // Drops removed, which book held at index before later ones moved down by one.
    void Erase(const std::vector<Tran>& book, int index, const Tran& removed);
    // Takes in the transaction book now holds at index in place of old.
    void Replace(const std::vector<Tran>& book, int index, const Tran& old);

    // The series of name, or -1 when the book never held one.
    int SeriesOf(const std::string& name) const;
    // The number of series ever met; a series whose transactions were all removed stays
    // with none, so series numbers never change.
    int SeriesCount() const { return static_cast<int>(series.size()); }
    // The indices of a series' transactions, in book order.
    const std::vector<int>& Members(int id) const { return series[id].members; }
    // The tally of series id over its transactions before index (all of them for
    // index past the end).
    SeriesTally Before(int id, int index) const;
    // The tally of name's transactions before index; empty for a name never met.
    SeriesTally Before(const std::string& name, int index) const;
    // The tally of the book's exercises before index.
    SeriesTally ExercisesBefore(int index) const { return TallyBefore(exercises, index); }
    // The lots of the underlying of a side: for Buy its opening purchases and the
    // exercises that delivered units to the holder (at the strike), for Sell its opening
    // sales and the exercises that took units away.
    const LotList& UnderlyingLots(Side side) const;
    // The series that ever held a trade of the underlying (a symbol), each once.
    const std::vector<int>& UnderlyingSeries() const { return underlyingSeries; }
    // The indices of the transactions that can move the underlying: its trades and the
    // exercises, in book order.
    const std::vector<int>& UnderlyingMoves() const { return underlyingMoves.members; }
    // The series touched since the last TakeTouched, each once.
    std::vector<int> TakeTouched();
    // Whether a change since the last call moved the underlying: one of its trades or an
    // exercise.
    bool TakeUnderlyingTouched() { return std::exchange(underlyingTouched, false); }
    // Whether t can move the underlying: a trade of it, or an exercise.
    static bool MovesUnderlying(const Tran& t);

    // Reads the tallies before ascending indices, walking each list forward from where
    // the previous read left it instead of searching it again: what judging every later
    // transaction of a series in book order takes. The ledger must not change meanwhile.
    class Walk {
      public:
        explicit Walk(const SeriesLedger& ledger);
        // The tally of series id before index; index not below the last read of id.
        const SeriesTally& Before(int id, int index);
        // The tally of the exercises before index; index not below the last such read.
        const SeriesTally& ExercisesBefore(int index);

      private:
        static constexpr std::size_t kUnread = static_cast<std::size_t>(-1);
        static const SeriesTally& Advance(const Series& s, std::size_t& at, int index);

        const SeriesLedger& ledger;
        std::vector<std::size_t> at;  // by series: its members before the last index read
        std::size_t exercisesAt = kUnread;
    };

  private:
    struct Series {
        std::vector<int> members;
        std::vector<SeriesTally> after;  // after[k]: the tally over members 0..k
        bool tradesUnderlying = false;
    };

    static SeriesTally TallyBefore(const Series& s, int index);
    static void AddMember(Series& s, const std::vector<Tran>& book, int index, bool tallied);
    // Takes index out of the members (and its tally) and returns where it stood.
    static std::size_t DropMember(Series& s, int index);
    static void Retally(Series& s, const std::vector<Tran>& book, std::size_t from);
    // The lot list t belongs to, or nullptr.
    LotList* LotsOf(const Tran& t);
    void TakeIn(const std::vector<Tran>& book, int index);
    void TakeOut(const std::vector<Tran>& book, int index, const Tran& t);
    int SeriesFor(const std::string& name);
    void Touch(int id);
    void ShiftFrom(int index, int by);

    std::unordered_map<std::string, int> ids;
    std::vector<Series> series;
    Series exercises;
    LotList buyLots;
    LotList sellLots;
    Series underlyingMoves;  // members only, no tallies
    std::vector<int> underlyingSeries;
    bool underlyingTouched = false;
    std::vector<int> touched;
    std::vector<bool> isTouched;
};

}  // namespace qx

#endif  // QX_TRACKER_SERIES_LEDGER_H
