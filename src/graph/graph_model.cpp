#include "graph/graph_model.h"

#include <algorithm>
#include <cmath>

#include "graph/pixel.h"
#include "graph/plot_geometry.h"
#include "pricing/civil_date.h"
#include "pricing/market_close.h"
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
        impliedAtStart[optionCount] = std::max(record.ImpliedVolatility(), 0.0);
        ++optionCount;
    }
    stock.CopyFrom(holding);
    if (optionCount > 0) {
        currentPrice = options[0].GetUnderlyingPrice();
        rangeVolatility = options[0].GetVolatility();
        environmentVolatility = rangeVolatility;
        baseDate = options[0].GetValuationDate();
    }
    // Truncated, but a volatility set from a whole percent (0.29 is 28.999... percent in
    // binary) keeps that percent.
    volatilityPosition = static_cast<int>(rangeVolatility * 100 + 1e-9);
    ApplyResolution();
}

void GraphModel::SetDateOffset(int steps) {
    // The axis widens with the square root of the days ahead; a date before the base
    // date has no such axis.
    dateOffset = std::max(steps, 0);
    ApplyDate();
}

void GraphModel::ApplyDate() {
    const CTime date = GraphDate();
    for (int k = 0; k < optionCount; ++k) {
        // Past its expiration an option is refused the dates and left with no time.
        if (settings.valueToClose)
            options[k].SetDatesToClose(date, options[k].GetExpiration());
        else
            options[k].SetDaysLeft(daysLeftAtStart[k] - dateOffset);
    }
}

void GraphModel::SetVolatilityPosition(int percent) {
    volatilityPosition = percent;
    rangeVolatility = VolatilityFromPercent(percent);
    ApplyVolatilities();
}

void GraphModel::ApplyVolatilities() {
    // A leg's own volatility moved below nothing keeps the least a record takes.
    constexpr double kLeastVolatility = 0.0001;
    const double move = rangeVolatility - environmentVolatility;
    for (int k = 0; k < optionCount; ++k) {
        const bool own = settings.impliedVolatilityLegs && impliedAtStart[k] > 0;
        options[k].SetVolatility(own ? std::max(impliedAtStart[k] + move, kLeastVolatility)
                                     : rangeVolatility);
    }
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
    // The settings are read live: the time rule and the legs' volatilities may have changed.
    ApplyDate();
    ApplyVolatilities();
    ComputePriceAxis();
    ComputeCurves();
    ComputeRange();
    ComputePixelRows();
}

void GraphModel::ApplyDateBounds() {
    if (selectedCount < 1) return;
    int bound = kNoDateBound;
    lastDayOffset = kNoDateBound;
    for (int k = 0; k < optionCount; ++k) {
        if (!netSelected && !optionSelected[k]) continue;
        int lastDay = kNoDateBound;
        const int steps =
            settings.valueToClose ? StepsToClose(options[k], lastDay) : daysLeftAtStart[k];
        if (steps >= bound) continue;
        bound = steps;
        lastDayOffset = lastDay;
        lastDayClose = MarketClose(options[k].GetExpiration());
    }
    // A Greek needs time left on every option: a day, or the last hour before the close.
    if (graphType != GraphType::ValueOrProfit) --bound;
    // An option that has already expired cannot push the graph date before the base date.
    dateMax = std::max(bound, 0);
    if (dateMax < dateOffset) SetDateOffset(dateMax);
}

bool GraphModel::CanShowStock() const {
    return !settings.probabilityWeighted && settings.showProfit &&
           graphType == GraphType::ValueOrProfit && stock.Value() != 0;
}

int GraphModel::StepsToClose(const Option& option, int& lastDay) const {
    const CTime expiration = option.GetExpiration();
    lastDay = static_cast<int>(std::max<std::int64_t>(
        CivilDate::LocalDayOf(expiration).Days() - CivilDate::LocalDayOf(baseDate).Days(), 0));
    const std::int64_t seconds =
        MarketClose(expiration).GetTime() - baseDate.AddDays(lastDay).GetTime();
    constexpr std::int64_t kHour = 3600;
    // Whole hours, the last one cut short at the close.
    return lastDay + static_cast<int>(std::max<std::int64_t>((seconds + kHour - 1) / kHour, 0));
}

bool GraphModel::IsInLastDayHours() const {
    return settings.valueToClose && dateOffset > lastDayOffset;
}

CTime GraphModel::GraphDate() const {
    if (!IsInLastDayHours()) return baseDate.AddDays(dateOffset);
    const std::int64_t hours = dateOffset - lastDayOffset;
    const CTime lastDay = baseDate.AddDays(lastDayOffset);
    return CTime(std::min(lastDay.GetTime() + hours * 3600, lastDayClose.GetTime()));
}

double GraphModel::GetHorizonDays() const {
    return (GraphDate().GetWallClockSeconds() - baseDate.GetWallClockSeconds()) / 86400.0;
}

void GraphModel::ComputePriceAxis() {
    // Two standard deviations of a log-normal price either side of the drifted price,
    // widening with the square root of the time to the graph date.
    const double D = GetHorizonDays();
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
        return option.WeightedProfit(currentPrice, GetHorizonDays() * Option::kYearsPerDay);
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
    for (int curve = 0; curve < kCurveCount; ++curve) {
        if (!IsCurveSelected(curve)) continue;
        anySelected = true;
        for (int i = 0; i < pointCount; ++i) {
            const double v = curves[curve][i];
            if (!std::isfinite(v)) continue;
            yMax = std::max(yMax, v);
            yMin = std::min(yMin, v);
        }
    }
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
