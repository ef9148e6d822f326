#ifndef QX_TRACKER_TRAN_RULES_H
#define QX_TRACKER_TRAN_RULES_H

#include "platform/outcome.h"
#include "pricing/record_enums.h"

namespace qx {

class Tran;
struct SeriesTally;

// The refusal of a change or a deletion that would take the cover of later closings
// or exercises away.
inline constexpr const char* kAlreadyClosedText =
    "Cannot delete/change a transaction that is already closed.\n"
    "Try deleting the transaction(s) that closed this transaction.";

// Judges tran at its place in the book by the tallies of the transactions before it:
// those of its own series (the same name) and those of the book's exercises. An
// opening may not face a holding on the other side, a closing or an exercise needs
// open units to take, and an exercise must be in the money; the underlying is judged
// by its net holding, which the exercises' deliveries move. An accepted exercise takes
// the side ExercisedSide gives.
Outcome JudgeTran(const Tran& tran, const SeriesTally& series, const SeriesTally& exercises);

// Whether later, a trade of added's name that passed its rules, provably still passes
// them once added is recorded before it, so need not be judged again. Only trades in the underlying
// qualify: an opening or closing of the underlying moves its name's net holding toward
// its own side and only adds to the counts a closing matches, which can refuse neither
// a later opening on its side nor a later closing of the other side.
bool StillPassesAfter(const Tran& added, const Tran& later);

// The side an exercise of a series takes: opposite to the series' most recent opening.
Side ExercisedSide(const SeriesTally& series);

}  // namespace qx

#endif  // QX_TRACKER_TRAN_RULES_H
