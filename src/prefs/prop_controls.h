#ifndef QX_PREFS_PROP_CONTROLS_H
#define QX_PREFS_PROP_CONTROLS_H

namespace qx {

// The three pages of the property sheet, in their order.
enum class PropPage : int { kGeneral, kGraph, kColors };

// The controls of the property sheet's pages, with their labels.
enum class PropControl : int {
    // General
    kStockFeesLabel,
    kStockFees,  // a fee box, at most 9 characters
    kOptionFeesLabel,
    kOptionFees,  // a fee box, at most 9 characters
    kUnitsLabel,
    kUnits,  // an editable list
    kIterationsLabel,
    kIterationsNote,
    kIterationsSlider,
    kIterationsText,
    kDigitsLabel,
    kDigits2,  // the three digits boxes act as one choice
    kDigits3,
    kDigits4,
    kDateFormatLabel,
    kMonthFirst,  // "MM/DD/YYYY"; the two date boxes act as one choice
    kDayFirst,    // "DD/MM/YYYY"
    kMonthlyExpirationLabel,
    kThirdFriday,    // the two expiration boxes act as one choice
    kSaturdayAfter,  // "Saturday after the third Friday"
    kValueToClose,   // a check box
    // Graph
    kResolutionLabel,
    kResolutionNote,
    kResolutionSlider,
    kResolutionText,
    kColorPlotText,  // a check box
    // Colors: three group headings, then one label per swatch in Swatch order
    kPlotColorsGroup,
    kGraphColorsGroup,
    kApplicationColorsGroup,
    kFirstSwatchLabel,
    kCount = kFirstSwatchLabel + 14  // one label per swatch
};

// The fourteen colour swatches of the Colors page, in the order the page shows them:
// six plot colours, five graph colours, three application colours.
enum class Swatch : int {
    kNet,
    kStock,
    kOption1,
    kOption2,
    kOption3,
    kOption4,
    kBackground,
    kTitle,
    kScale,
    kScaleText,
    kCrosshair,
    kGroupHighlight,
    kTextHighlight,
    kMessageHighlight,
    kCount
};

// The number of swatches.
inline constexpr int kSwatchCount = static_cast<int>(Swatch::kCount);

static_assert(static_cast<int>(PropControl::kCount) ==
              static_cast<int>(PropControl::kFirstSwatchLabel) + kSwatchCount);

// The label beside a swatch.
constexpr PropControl SwatchLabel(Swatch swatch) {
    return static_cast<PropControl>(static_cast<int>(PropControl::kFirstSwatchLabel) +
                                    static_cast<int>(swatch));
}

}  // namespace qx

#endif  // QX_PREFS_PROP_CONTROLS_H
