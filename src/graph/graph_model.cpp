#include "graph/graph_model.h"

#include <algorithm>
#include <cmath>

#include "graph/pixel.h"
#include "graph/plot_geometry.h"
#include "pricing/record_fields.h"
#include "shell/market_environment.h"
#include "shell/settings.h"

namespace qx {

namespace {

constexpr int kNoDateBound = 999999999;
constexpr double kRangeStart = 999999999999999.0;

}  // namespace

GraphModel::GraphModel(const Option (&records)[kOptionSlots], const Stock& holding,
                       const Settings& settingsRecord)
    : settings(settingsRecord) {
    for (const Option& record : records) {
        if (record.GetSide() == kNoSide) continue;
        options[optionCount].CopyFrom(record);
        daysLeftAtStart[optionCount] = record.GetDaysLeft();
        ++optionCount;
    }
    stock.CopyFrom(holding);
    if (optionCount > 0) {
        currentPrice = options[0].GetUnderlyingPrice();
        rangeVolatility = options[0].GetVolatility();
        baseDate = options[0].GetValuationDate();
    }
    // Truncated, but a volatility set from a whole percent (0.29 is 28.999... percent in
    // binary) keeps that percent.
    volatilityPosition = static_cast<int>(rangeVolatility * 100 + 1e-9);
    ApplyResolution();
}

void GraphModel::SetDateOffset(int days) {
    // The axis widens with the square root of the days ahead; a date before the base
    // date has no such axis.
    dateOffset = std::max(days, 0);
    for (int k = 0; k < optionCount; ++k) options[k].SetDaysLeft(daysLeftAtStart[k] - dateOffset);
}

void GraphModel::SetVolatilityPosition(int percent) {
    volatilityPosition = percent;
    rangeVolatility = VolatilityFromPercent(percent);
    for (int k = 0; k < optionCount; ++k) options[k].SetVolatility(rangeVolatility);
}

void GraphModel::SetDriftPosition(int position) {
    driftPosition = position;
    drift = (position - 100) * 0.01;
}

void GraphModel::SetNetSelected(bool selected) {
    if (selected == netSelected) return;
    netSelected = selected;
    selectedCount += selected ? 1 : -1;
}

void GraphModel::SetOptionSelected(int k, bool selected) {
    if (k < 1 || k > optionCount || selected == optionSelected[k - 1]) return;
    optionSelected[k - 1] = selected;
    selectedCount += selected ? 1 : -1;
}

void GraphModel::SetStockSelected(bool selected) { stockSelected = selected; }

void GraphModel::SetGraphType(GraphType type) { graphType = type; }

void GraphModel::ApplyResolution() {
    // The curves hold 300 points, so a stored resolution outside 1..100 is held to it.
    pointCount = 3 * std::clamp(settings.resolution, 1, kMaxPoints / 3);
    pixelStep = static_cast<double>(kPlotWidth) / pointCount;
}

void GraphModel::Recompute() {
    ApplyDateBounds();
    RecomputeCurves();
}

void GraphModel::RecomputeCurves() {
    ComputePriceAxis();
    ComputeCurves();
    RecomputeRange();
}

void GraphModel::RecomputeRange() {
    ComputeRange();
    ComputePixelRows();
}

void GraphModel::ApplyDateBounds() {
    if (selectedCount < 1) return;
    int bound = kNoDateBound;
    for (int k = 0; k < optionCount; ++k) {
        if (netSelected || optionSelected[k]) bound = std::min(bound, daysLeftAtStart[k]);
    }
    // A Greek needs at least one day left on every option.
    if (graphType != GraphType::ValueOrProfit) --bound;
    // An option that has already expired cannot push the graph date before the base date.
    dateMax = std::max(bound, 0);
    if (dateMax < dateOffset) SetDateOffset(dateMax);
}

bool GraphModel::CanShowStock() const {
    return !settings.probabilityWeighted && settings.showProfit &&
           graphType == GraphType::ValueOrProfit && stock.Value() != 0;
}

CTime GraphModel::GraphDate() const { return baseDate.AddDays(dateOffset); }

void GraphModel::ComputePriceAxis() {
    // Two standard deviations of a log-normal price either side of the drifted price,
    // widening with the square root of the time to the graph date.
    const double D = dateOffset;
    const double s = rangeVolatility * std::sqrt(D) / std::sqrt(365.0);
    const double g = currentPrice * (1 + drift * D / 365);
    // No record takes a price beyond the largest amount, so the axis ends there too.
    xMin = std::min(g * std::exp(-2 * s), kMaxMagnitude);
    if (!(xMin > 0)) xMin = 0;
    xMax = std::min(g * std::exp(2 * s), kMaxMagnitude);
    xStep = (xMax - xMin) / pointCount;
}

void GraphModel::ComputeCurves() {
    for (int i = 0; i < pointCount; ++i) {
        const double x = xMin + i * xStep;
        double net = 0;
        for (int k = 0; k < optionCount; ++k) {
            // A negative price is refused and the option keeps its previous one.
            options[k].SetUnderlyingPrice(x);
            const double c = OptionQuantity(options[k]);
            curves[k + 1][i] = c;
            net += c;
        }
        curves[kNetCurve][i] = net;
    }
    AddHoldingProfit();
}

double GraphModel::OptionQuantity(Option& option) {
    const bool shares = settings.shareWeighted;
    switch (graphType) {
        case GraphType::Gamma: return option.Gamma(shares);
        case GraphType::Delta: return option.Delta(shares);
        case GraphType::Theta: return option.Theta(shares);
        case GraphType::Vega: return option.Vega(shares);
        case GraphType::Rho: return option.Rho(shares);
        case GraphType::ValueOrProfit: break;
    }
    // The weight's horizon is the time to the graph date, not the option's time left.
    if (settings.probabilityWeighted)
        return option.WeightedProfit(currentPrice, dateOffset * Option::kYearsPerDay);
    return settings.showProfit ? option.Profit() : option.PositionValue();
}

void GraphModel::AddHoldingProfit() {
    // Only the plain profit view includes the holding, and then in NET whether or not
    // its own curve is shown.
    const bool profitView = graphType == GraphType::ValueOrProfit &&
                            !settings.probabilityWeighted && settings.showProfit;
    const bool holds = profitView && stock.Value() != 0;
    for (int i = 0; i < pointCount; ++i) {
        curves[kStockCurve][i] = holds ? stock.ProfitAt(xMin + i * xStep) : 0;
        curves[kNetCurve][i] += curves[kStockCurve][i];
    }
}

bool GraphModel::IsCurveSelected(int curve) const {
    if (curve == kNetCurve) return netSelected;
    if (curve == kStockCurve) return stockSelected;
    return curve <= optionCount && optionSelected[curve - 1];
}

void GraphModel::ComputeRange() {
    yMin = kRangeStart;
    yMax = -kRangeStart;
    bool anySelected = false;
    const auto widen = [this](const double* values) {
        for (int i = 0; i < pointCount; ++i) {
            if (!std::isfinite(values[i])) continue;
            yMax = std::max(yMax, values[i]);
            yMin = std::min(yMin, values[i]);
        }
    };
    for (int curve = 0; curve < kCurveCount; ++curve) {
        if (!IsCurveSelected(curve)) continue;
        anySelected = true;
        widen(curves[curve]);
    }
    for (const double* companion : companions)
        if (anySelected && companion) widen(companion);
    // Shown curves without a single finite value: an empty range around zero.
    if (anySelected && yMin > yMax) yMin = yMax = 0;
    if (!std::isfinite(kPlotHeight / (yMax - yMin))) {
        // A flat curve, or one so nearly flat (a far out-of-the-money Greek) that its scale
        // overflows, has no scale of its own: give it one unit, the line at mid-height.
        const double mid = yMin + (yMax - yMin) / 2;
        const double half = std::max(0.5, std::fabs(mid) * 1e-12);
        yMax = mid + half;
        yMin = mid - half;
    }
    yScale = kPlotHeight / (yMax - yMin);
}

void GraphModel::ComputePixelRows() {
    for (int curve = 0; curve < kCurveCount; ++curve) {
        if (curve > optionCount && !(curve == kStockCurve && stockSelected)) continue;
        for (int i = 0; i < pointCount; ++i) {
            const double v = curves[curve][i];
            pixelRows[curve][i] = std::isfinite(v) ? TruncateToPixel((yMax - v) * yScale) : kNoRow;
        }
    }
}

}  // namespace qx
