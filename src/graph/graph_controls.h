#ifndef QX_GRAPH_GRAPH_CONTROLS_H
#define QX_GRAPH_GRAPH_CONTROLS_H

namespace qx {

// The controls of a graph window, with the group boxes that frame them.
enum class GraphControl : int {
    kSelectGroup,  // "Select Option"
    kNetBox,
    kOption1Box,
    kOption2Box,
    kOption3Box,
    kOption4Box,
    kStockBox,   // "Stock/Asset"
    kTypeGroup,  // "Graph Type"
    kDeltaBox,
    kGammaBox,
    kThetaBox,
    kVegaBox,
    kRhoBox,
    kDateGroup,
    kDateSlider,
    kDateText,
    kVolatilityGroup,
    kVolatilitySlider,
    kVolatilityText,
    kDriftGroup,  // "Annual Price Drift"
    kDriftSlider,
    kDriftText,
    kReadout,  // the line above the plot with the price and value under the mouse
    kSummary,  // the line under the plot: break-evens, best and worst case, chance of profit
    kGreeks,   // the line under the summary: the NET Greeks at today's price
    kCount
};

// The graph window's menu commands with the system's own numbers, and the Escape key
// or close box as kCancel. The two picture commands keep a graph for a report without a
// printer.
enum class GraphCommand : int {
    kCancel = 2,
    kProperties = 32783,
    kAbout = 32786,
    kPercentScaled = 32787,
    kProbabilityWeighted = 32788,
    kShowProfit = 32789,
    kShowValue = 32790,
    kShareWeighted = 32791,
    kPrint = 32799,
    kHomePage = 32802,
    kSavePicture = 32900,
    kCopyPicture = 32901,
    kKeepReference = 32902,
    kClearReference = 32903,
    kShowDifference = 32904,
    kProfitTable = 32905,
    kPinDate = 32910,
    kClearPinnedDates = 32911,
    kShowExpiration = 32912,
    kSecondDeviation = 32913,
    kPrintScreenColors = 32914,
    kImpliedVolatilityLegs = 32915,
    kContents = 57667,
};

// What the window layer must do after a command, since the model opens no windows.
enum class GraphRequest {
    kNone,
    kPrint,            // print the picture
    kRunProperties,    // the property sheet, then AfterProperties() whatever its result
    kShowAbout,        // the about box, modally
    kSavePicture,      // ask where, then write the picture there as PNG or PDF
    kCopyPicture,      // put the picture on the clipboard
    kOpenProfitTable,  // a profit table window on the position the graph was opened on
    kClose,            // close the window
};

// The warning a graph or a profit table gives instead of opening when the position has
// no option, under its own caption.
inline constexpr const char* kNoOptionsText =
    "You must have one or more options entered in the editor\n"
    "if in basic mode.  If in advanced mode, choose the graph\n"
    "option from the trade sheet.";
inline constexpr const char* kNoOptionsCaption = "Brantovelium";

// The kinds of file a picture is saved as.
enum class PictureFormat { kPng, kPdf };

// Mouse buttons and keys held during a mouse event, as flags.
enum MouseFlags : int {
    kLeftButton = 1,
    kRightButton = 2,
    kShiftKey = 4,
    kControlKey = 8,
    kMiddleButton = 16,
};

}  // namespace qx

#endif  // QX_GRAPH_GRAPH_CONTROLS_H
