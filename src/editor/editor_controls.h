#ifndef QX_EDITOR_EDITOR_CONTROLS_H
#define QX_EDITOR_EDITOR_CONTROLS_H

#include "editor/strategy_template.h"

namespace qx {

// The controls of the main window outside the two option rows, with their labels; the
// ids of the rows' controls follow them (RowControlId).
enum class EditorControl : int {
    kEnvironmentGroup,  // the "Environment" group box; its text is the title
    kSymbolLabel,
    kSymbol,
    kStock,
    kIndex,
    kFuture,
    kDateLabel,
    kDate,
    kPriceLabel,
    kPrice,
    kSharesLabel,  // reads "Shares (Units)", or "Contracts" for a future
    kShares,       // an editable list
    kBuyButton,
    kSellButton,
    kFeesLabel,
    kFees,
    kNetLabel,
    kNet,
    kUnitsLabel,  // "Units/Contract"
    kUnits,       // an editable list
    kVolatilityLabel,
    kVolatilitySlider,
    kVolatilityText,
    kInterestLabel,
    kInterestSlider,
    kInterestText,
    kDividendLabel,
    kDividendSlider,
    kDividendText,
    kModeLabel,
    kRuleLabel,
    kPrompt,  // the wide left pane of the status line
    kClock,   // the narrow right pane of the status line
    kGraphButton,
    kTrackerButton,
    kPositionLabel,  // "Position"
    kPosition,       // the position table: the holding, the four slots and the total
    kFirstRowControl
};

// The number of controls outside the rows.
inline constexpr int kEnvironmentControlCount = static_cast<int>(EditorControl::kFirstRowControl);

// The two texts of kSharesLabel: a stock's or an index's holding is in units, a
// future's in contracts.
inline constexpr const char* kSharesLabelText = "Shares (Units)";
inline constexpr const char* kFutureSharesLabelText = "Contracts";

// The controls of one option row; both rows have the same set.
enum class RowControl : int {
    kRowGroup,   // the "Option" group box; its text is the row title
    kRowChoice,  // which record the row shows
    kExpiresLabel,
    kExpires,  // an editable list
    kDaysLeftLabel,
    kDaysLeft,
    kStrikeLabel,
    kStrike,  // an editable list
    kFairValueLabel,
    kFairValue,
    kCallButton,
    kPutButton,
    kRowPriceLabel,
    kRowPrice,
    kImpliedVolatilityLabel,
    kImpliedVolatility,
    kContractsLabel,
    kContracts,  // an editable list
    kRowBuy,
    kRowSell,
    kRowFeesLabel,
    kRowFees,
    kRowNetLabel,
    kRowNet,
    kClear,
    kCount
};

// The number of controls of one row.
inline constexpr int kRowControlCount = static_cast<int>(RowControl::kCount);

// The number of option rows the main window shows.
inline constexpr int kEditorRows = 2;

// The id of a row's control: row 0 or 1.
constexpr EditorControl RowControlId(int row, RowControl control) {
    return static_cast<EditorControl>(kEnvironmentControlCount + row * kRowControlCount +
                                      static_cast<int>(control));
}

// The number of control ids, environment and rows together.
inline constexpr int kEditorControlCount =
    kEnvironmentControlCount + kEditorRows * kRowControlCount;

// The main window's commands: menu items, the two command buttons, the system menu's
// About item and the dialog's Enter and Escape keys, with the system's own numbers.
enum class EditorCommand : int {
    kOk = 1,      // the Enter key
    kCancel = 2,  // the Escape key
    kSystemAbout = 16,
    kNew = 32771,
    kOpen = 32772,
    kSave = 32773,
    kSaveAs = 32774,
    kExit = 32775,
    kBasicMode = 32776,
    kAdvancedMode = 32777,
    kIncludeFees = 32778,
    kShowDecimal = 32779,
    kEuropeanRule = 32780,
    kAmericanRule = 32781,
    kDividend = 32782,
    kProperties = 32783,
    kGraph = 32784,
    kNotes = 32785,
    kAbout = 32786,
    kTracker = 32795,
    kShowUnits = 32797,
    kHomePage = 32802,
    kProfitTable = 32906,
    kContents = 57667,
    kUndo = 57643,
    kRedo = 57644,
    kClose = 61536,          // the close box, as the system menu's Close
    kFirstStrategy = 33300,  // the Strategy menu's items, one a Strategy in its order
};

// The command of a strategy template's menu item.
constexpr EditorCommand StrategyCommand(Strategy strategy) {
    return static_cast<EditorCommand>(static_cast<int>(EditorCommand::kFirstStrategy) +
                                      static_cast<int>(strategy));
}

// Whether a command lays out a strategy; strategy is then the one it lays out.
constexpr bool IsStrategyCommand(EditorCommand command, Strategy& strategy) {
    const int index = static_cast<int>(command) - static_cast<int>(EditorCommand::kFirstStrategy);
    if (index < 0 || index >= kStrategyCount) return false;
    strategy = static_cast<Strategy>(index);
    return true;
}

// What the window layer must do after a command: the model cannot open windows, so it
// hands these out.
enum class EditorRequest {
    kNone,
    kRunProperties,      // the property sheet, then AfterProperties() whatever its result
    kOpenGraph,          // a new graph window on CopyForGraph()
    kOpenProfitTable,    // a new profit table window on CopyForGraph()
    kShowTracker,        // create, or refill and show, the trade tracker
    kShowNotes,          // create, or show and focus, the notes window
    kShowAbout,          // the about box, modally
    kEndOk,              // end the main window with OK: the settings are saved
    kCloseWindowsEndOk,  // destroy the notes and tracker windows, then end with OK
    kEndCancel,          // end the main window with Cancel: the settings are not saved
};

}  // namespace qx

#endif  // QX_EDITOR_EDITOR_CONTROLS_H
