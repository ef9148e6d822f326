#ifndef QX_TRACKER_SERIES_TALLY_H
#define QX_TRACKER_SERIES_TALLY_H

#include "pricing/record_enums.h"

namespace qx {

class Tran;

// The running counts of one series of transactions (all those of one name), or of the
// book's exercises, over the transactions taken so far: what the validation rules and
// the accounting read instead of rescanning the book. Units are counted as doubles, so
// that no sum of 32-bit counts overflows.
struct SeriesTally {
    // Adds one transaction of the series; a dividend adds nothing.
    void Take(const Tran& t);

    // Units of the openings, and of the closings and exercises, by side, and how many
    // of each there were.
    PerSide<double> opened;
    PerSide<double> taken;
    PerSide<int> openings;
    PerSide<int> takings;

    // Units of the underlying the name's trades in the underlying hold: +|u|·m for a
    // purchase, -|u|·m for a sale, openings and closings alike.
    double underlyingUnits = 0;
    // Units of the underlying the exercises moved into (+) or out of (-) the holding.
    double delivered = 0;
    // Net units whatever the action: +|u| for a buy, -|u| for a sale; an option series
    // is open while this is not 0.
    double net = 0;
    // The number of exercises, and of openings of an option.
    int exercises = 0;
    int optionOpenings = 0;
    // The side of the most recent opening, none before the first.
    Side lastOpenSide = Side::kNone;
};

}  // namespace qx

#endif  // QX_TRACKER_SERIES_TALLY_H
