#ifndef QX_GRAPH_PROFIT_TABLE_CONTROLS_H
#define QX_GRAPH_PROFIT_TABLE_CONTROLS_H

namespace qx {

// The controls of a profit table window above its grid.
enum class TableControl : int {
    kQuantityLabel,  // "&Show:"
    kQuantityList,   // profit, value or profit in percent
    kStepLabel,      // "Price &step:"
    kStepBox,        // the distance between price rows
    kVolatilityGroup,
    kVolatilitySlider,
    kVolatilityText,
    kCount
};

// The profit table window's commands, with the Escape key or close box as kCancel.
enum class TableCommand : int { kCancel = 2, kCopy = 33000, kExport, kPrint };

// What the window layer must do after a command.
enum class TableRequest {
    kNone,
    kCopy,    // put SheetText('\t') on the clipboard
    kExport,  // ask where, then Export(path)
    kPrint,   // print the table with PrintHeader() above it
    kClose,   // close the window
};

}  // namespace qx

#endif  // QX_GRAPH_PROFIT_TABLE_CONTROLS_H
