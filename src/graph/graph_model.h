#ifndef QX_GRAPH_GRAPH_MODEL_H
#define QX_GRAPH_GRAPH_MODEL_H

#include <limits>

#include "graph/plot_geometry.h"
#include "platform/ctime.h"
#include "pricing/option.h"
#include "shell/market_environment.h"
#include "tracker/stock.h"

namespace qx {

class Settings;

// What a graph plots against the underlying price. ValueOrProfit is the position's
// value, its profit or its probability-weighted profit, as the settings choose.
enum class GraphType { ValueOrProfit, Gamma, Delta, Theta, Vega, Rho };

// Why a date has curves of its own: the Date slider's, the nearest expiration's, or one
// the user pinned.
enum class DateKind { kSlider, kExpiration, kPinned };

// The curves of one graph window: snapshot copies of the position, the what-if inputs
// (graph date, volatility, annual price drift), the price axis, six curves and their
// vertical range in pixel rows, at the Date slider's date and at up to four more dates.
// Holds fixed arrays only, so recomputing never allocates.
class GraphModel {
  public:
    static constexpr int kMaxPoints = 300;
    static constexpr int kCurveCount = 6;
    // The slider's date, the expiration and pinned dates: this many in all.
    static constexpr int kMaxDates = 5;
    static constexpr int kMaxPinnedDates = kMaxDates - 2;
    static constexpr int kNetCurve = 0;
    static constexpr int kStockCurve = 5;
    // The pixel row of a value that is not finite: the curve is broken there.
    static constexpr int kNoRow = std::numeric_limits<int>::min();

    // Copies the options whose side is set, in order, gaps closed up, and the holding.
    // Shows NET only, plots value or profit, with no drift; reads the settings live.
    GraphModel(const Option (&options)[kOptionSlots], const Stock& stock, const Settings& settings);

    // Moves the graph date by the slider's steps after the base date and gives every
    // option the time it will have left then. Steps are days; valued to the close, the
    // steps after the nearest expiration's day begins are hours, up to its close.
    void SetDateOffset(int steps);
    // Sets the volatility to position × 0.01 for the price axis and every option (an
    // option refusing the value keeps its own); with "Value legs at their implied
    // volatility" on, a leg whose premium gives an implied volatility takes that one,
    // moved as far as the slider has moved from the environment's volatility.
    void SetVolatilityPosition(int percent);
    // Sets the annual drift the drift slider's position gives (kNoDriftPosition is none).
    void SetDriftPosition(int position);

    // Selection of the NET curve, of option k (1..optionCount) and of the holding.
    // NET and the options count in selectedCount; the holding does not.
    void SetNetSelected(bool selected);
    void SetOptionSelected(int k, bool selected);
    void SetStockSelected(bool selected);
    void SetGraphType(GraphType type);

    // Keeps the Date slider's date as an extra date with curves of its own; false, and
    // nothing changes, when it is kept already or kMaxPinnedDates are.
    bool PinDate();
    void ClearPinnedDates() { pinnedCount = 0; }
    int GetPinnedCount() const { return pinnedCount; }

    // Re-reads the Resolution setting: three points per step of resolution.
    void ApplyResolution();
    // Lays the curves out on a picture of the given size (at least the smallest): the
    // points' spacing, the vertical scale and the pixel rows follow the plot area.
    void SetPictureSize(int width, int height);
    // Where the picture's parts stand at its present size.
    const PlotGeometry& GetGeometry() const { return geometry; }

    // The whole chain: date bounds, then the curves and their pixel rows.
    void Recompute();
    // Price axis, curves, vertical range and pixel rows, keeping the date bounds.
    void RecomputeCurves();
    // Vertical range and pixel rows again, as after the companion curves changed.
    void RecomputeRange();
    // Further curves of pointCount values that the vertical range must hold (a reference
    // position's beside this one's); null for none. The caller keeps them alive.
    void SetCompanionCurves(const double* first, const double* second) {
        companions[0] = first;
        companions[1] = second;
    }
    // Bounds the graph date by the nearest expiration among the curves shown; moves
    // the date back when it lies beyond. Does nothing while no curve is selected.
    void ApplyDateBounds();

    // Whether the holding's curve may be shown: only in the plain profit view and
    // when the holding has a value.
    bool CanShowStock() const;
    // Whether the graph date can be moved: some curve among NET and the options is shown.
    bool IsDateEnabled() const { return selectedCount >= 1; }
    // The date the curves are valued at: dateOffset calendar days after the base date, at
    // the same wall-clock time whatever daylight-saving change lies between, or on the
    // last day an hour for each step beyond it, at most to the close.
    CTime GraphDate() const;
    // Whether the graph date lies in the hour steps of the nearest expiration's last day.
    bool IsInLastDayHours() const;
    // The time from the base date to the graph date, in days (fractional in hour steps).
    double GetHorizonDays() const;

    // Read access for the renderer and the window: the fields as the names say.
    int GetOptionCount() const { return optionCount; }
    // Kept option k, 1..optionCount.
    const Option& GetOption(int k) const { return options[k - 1]; }
    const Stock& GetStock() const { return stock; }
    const Settings& GetSettings() const { return settings; }
    double GetCurrentPrice() const { return currentPrice; }
    double GetRangeVolatility() const { return rangeVolatility; }
    CTime GetBaseDate() const { return baseDate; }
    int GetDateOffset() const { return dateOffset; }
    int GetDateMax() const { return dateMax; }
    int GetVolatilityPosition() const { return volatilityPosition; }
    int GetDriftPosition() const { return driftPosition; }
    double GetDrift() const { return drift; }
    int GetPointCount() const { return pointCount; }
    double GetPixelStep() const { return pixelStep; }
    double GetXMin() const { return xMin; }
    double GetXMax() const { return xMax; }
    double GetXStep() const { return xStep; }
    double GetYMin() const { return yMin; }
    double GetYMax() const { return yMax; }
    double GetYScale() const { return yScale; }
    // Value of curve (kNetCurve, option k, kStockCurve) at point i (0..pointCount − 1) at
    // the slider's date, and at date d (0..GetDateCount() − 1, 0 the slider's).
    double GetCurve(int curve, int i) const { return curves[0][curve][i]; }
    double GetCurve(int d, int curve, int i) const { return curves[d][curve][i]; }
    // Pixels below the plot's top edge of curve at point i, or kNoRow.
    int GetPixelRow(int curve, int i) const { return pixelRows[0][curve][i]; }
    int GetPixelRow(int d, int curve, int i) const { return pixelRows[d][curve][i]; }
    // The dates with curves, in the order drawn: the slider's first, then the expiration
    // when the Show Expiration setting is on and the view is not a Greek, then the
    // pinned dates up to the date bound, each date once.
    int GetDateCount() const { return dateCount; }
    DateKind GetDateKind(int d) const { return dates[d].kind; }
    CTime DateOf(int d) const { return DateAtStep(dates[d].offset); }
    // Whether curve is shown: NET, option k or the holding.
    bool IsCurveSelected(int curve) const;
    // The value of curve at date d at a price on the axis, between the two points around it.
    double ValueAtPrice(int d, int curve, double price) const;
    GraphType GetGraphType() const { return graphType; }
    bool IsNetSelected() const { return netSelected; }
    bool IsOptionSelected(int k) const { return optionSelected[k - 1]; }
    bool IsStockSelected() const { return stockSelected; }
    int GetSelectedCount() const { return selectedCount; }

  private:
    struct Date {
        int offset;  // days after the base date
        DateKind kind;
    };

    void ComputeDates();
    void AddDate(int offset, DateKind kind);
    void ApplyDate();
    void ApplyVolatilities();
    int StepsToClose(const Option& option, int& lastDay) const;
    CTime DateAtStep(int step) const;
    double DaysAhead(int step) const;
    void DateLeg(Option& leg, int k, int step) const;
    void ComputePriceAxis();
    void ComputeCurves();
    static void ComputeTask(void* model, int task);
    void ComputePoints(int d, int begin, int end);
    double OptionQuantity(const Option& option, int offset) const;
    double HoldingQuantity(double x) const;
    void ComputeRange();
    bool IsFlatUpToRounding() const;
    void ComputePixelRows();

    Option options[kOptionSlots];
    int optionCount = 0;
    int daysLeftAtStart[kOptionSlots] = {};
    // Each leg's implied volatility at copy time, 0 when its premium gives none.
    double impliedAtStart[kOptionSlots] = {};
    double environmentVolatility = 0;  // the volatility the slider starts from
    Stock stock;
    const Settings& settings;

    double currentPrice = 0;     // S0
    double rangeVolatility = 0;  // σ of the price axis
    CTime baseDate;
    int dateOffset = 0;  // D, days
    int dateMax = 999999999;
    // Valued to the close: the step at which the nearest expiration's last day begins;
    // steps beyond it are hours up to lastDayClose.
    int lastDayOffset = 999999999;
    CTime lastDayClose;
    int volatilityPosition = 0;
    int driftPosition = kNoDriftPosition;
    double drift = 0;  // μ per year

    PlotGeometry geometry = kSmallestPlot;
    int pointCount = 60;   // N
    double pixelStep = 5;  // the plot's width over N
    double xMin = 0;
    double xMax = 0;
    double xStep = 0;
    double curves[kMaxDates][kCurveCount][kMaxPoints] = {};
    double yMin = 0;
    double yMax = 0;
    double yScale = 0;
    int pixelRows[kMaxDates][kCurveCount][kMaxPoints] = {};

    Date dates[kMaxDates] = {};
    int dateCount = 1;
    int pinned[kMaxPinnedDates] = {};  // offsets, in the order pinned
    int pinnedCount = 0;

    GraphType graphType = GraphType::ValueOrProfit;
    bool netSelected = true;
    bool optionSelected[kOptionSlots] = {};
    bool stockSelected = false;
    int selectedCount = 1;  // NET and options shown; the holding is not counted
    const double* companions[2] = {};
};

}  // namespace qx

#endif  // QX_GRAPH_GRAPH_MODEL_H
