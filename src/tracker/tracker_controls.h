#ifndef QX_TRACKER_TRACKER_CONTROLS_H
#define QX_TRACKER_TRACKER_CONTROLS_H

namespace qx {

// The controls of the trade tracker outside its list of transactions, with their labels.
enum class TrackerControl : int {
    kEntryLabel,
    kEntryList,  // the underlying, the editor's four options and "Dividend"
    kDateLabel,
    kDate,
    kOpen,
    kClose,
    kExercise,
    kUnitsLabel,  // "Shares" or "Contracts"
    kUnits,       // an editable list
    kBuy,
    kSell,
    kPriceLabel,  // "Price", or "Amount" for a dividend
    kPrice,
    kFees,
    kClear,
    kRecord,
    kChange,
    kDelete,
    kGraph,
    kExport,
    kImport,
    kImportStatement,
    kResults,
    kShowAll,
    kShowOpenOnly,
    kCount
};

// What the window layer must do after an event, since the model opens no windows.
enum class TrackerRequest {
    kNone,
    kFocusEditor,      // the chosen entry needs the editor first: give the editor the focus
    kOpenGraph,        // a new graph window on GraphOptions() and GraphStock()
    kImportStatement,  // the preview of a broker statement, and its import when accepted
    kShowResults,      // the journal's numbers of the book
};

// How a column of the list aligns its cells.
enum class ColumnAlignment { kLeft, kCenter, kRight };

}  // namespace qx

#endif  // QX_TRACKER_TRACKER_CONTROLS_H
