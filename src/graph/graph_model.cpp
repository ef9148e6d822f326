#include "graph/graph_model.h"

#include <algorithm>
#include <cmath>

#include "graph/pixel.h"
#include "graph/plot_geometry.h"
#include "graph/signed_greeks.h"
#include "graph/worker_pool.h"
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
        if (record.GetSide() == Side::kNone) continue;
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
    for (int k = 0; k < optionCount; ++k) DateLeg(options[k], k, dateOffset);
}

void GraphModel::DateLeg(Option& leg, int k, int step) const {
    // Past its expiration an option is refused the dates and left with no time.
    if (settings.valueToClose)
        leg.SetDatesToClose(DateAtStep(step), leg.GetExpiration());
    else
        leg.SetDaysLeft(daysLeftAtStart[k] - step);
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
    drift = DriftFromPosition(position);
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
    pixelStep = static_cast<double>(geometry.PlotWidth()) / pointCount;
}

void GraphModel::SetPictureSize(int width, int height) {
    geometry = PlotGeometry::ForPicture(width, height);
    pixelStep = static_cast<double>(geometry.PlotWidth()) / pointCount;
    RecomputeRange();
}

bool GraphModel::PinDate() {
    if (pinnedCount == kMaxPinnedDates) return false;
    for (int j = 0; j < pinnedCount; ++j) {
        if (pinned[j] == dateOffset) return false;
    }
    pinned[pinnedCount++] = dateOffset;
    return true;
}

void GraphModel::Recompute() {
    ApplyDateBounds();
    RecomputeCurves();
}

void GraphModel::RecomputeCurves() {
    ComputeDates();
    // The settings are read live: the time rule and the legs' volatilities may have changed.
    ApplyDate();
    ApplyVolatilities();
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

CTime GraphModel::GraphDate() const { return DateAtStep(dateOffset); }

CTime GraphModel::DateAtStep(int step) const {
    // Steps are days up to the last day, then hours up to its close.
    if (!settings.valueToClose || step <= lastDayOffset) return baseDate.AddDays(step);
    const std::int64_t hours = step - lastDayOffset;
    const CTime lastDay = baseDate.AddDays(lastDayOffset);
    return CTime(std::min(lastDay.GetTime() + hours * 3600, lastDayClose.GetTime()));
}

double GraphModel::GetHorizonDays() const { return DaysAhead(dateOffset); }

double GraphModel::DaysAhead(int step) const {
    return (DateAtStep(step).GetWallClockSeconds() - baseDate.GetWallClockSeconds()) / 86400.0;
}

void GraphModel::ComputeDates() {
    dateCount = 0;
    AddDate(dateOffset, DateKind::kSlider);
    // A Greek has no value at the expiration itself, so its graph has no such curve.
    if (settings.showExpiration && graphType == GraphType::ValueOrProfit && dateMax < kNoDateBound)
        AddDate(dateMax, DateKind::kExpiration);
    for (int j = 0; j < pinnedCount; ++j) {
        if (pinned[j] <= dateMax) AddDate(pinned[j], DateKind::kPinned);
    }
}

void GraphModel::AddDate(int offset, DateKind kind) {
    for (int d = 0; d < dateCount; ++d) {
        if (dates[d].offset == offset) return;
    }
    dates[dateCount++] = {offset, kind};
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

namespace {

// Points per task of the worker pool: small enough to share a date's points out, large
// enough that copying the legs for a task costs nothing next to valuing them.
constexpr int kPointsPerTask = 25;

}  // namespace

void GraphModel::ComputeCurves() {
    // Every point is valued on copies of its own, so the points can be shared out among
    // threads and come out the same whichever thread values them.
    const int tasksPerDate = (pointCount + kPointsPerTask - 1) / kPointsPerTask;
    WorkerPool::Shared().Run(dateCount * tasksPerDate, &GraphModel::ComputeTask, this);
}

void GraphModel::ComputeTask(void* context, int task) {
    auto* model = static_cast<GraphModel*>(context);
    const int tasksPerDate = (model->pointCount + kPointsPerTask - 1) / kPointsPerTask;
    const int begin = task % tasksPerDate * kPointsPerTask;
    model->ComputePoints(task / tasksPerDate, begin,
                         std::min(begin + kPointsPerTask, model->pointCount));
}

void GraphModel::ComputePoints(int d, int begin, int end) {
    const int offset = dates[d].offset;
    Option legs[kOptionSlots];
    for (int k = 0; k < optionCount; ++k) {
        legs[k].CopyFrom(options[k]);
        DateLeg(legs[k], k, offset);
    }
    double(&rows)[kCurveCount][kMaxPoints] = curves[d];
    for (int i = begin; i < end; ++i) {
        const double x = xMin + i * xStep;
        double net = 0;
        for (int k = 0; k < optionCount; ++k) {
            // A negative price (an axis drifted below 0, which starts at 0) is refused by
            // the record, which keeps the axis's first price, 0.
            legs[k].SetUnderlyingPrice(std::max(x, 0.0));
            const double c = OptionQuantity(legs[k], offset);
            rows[k + 1][i] = c;
            net += c;
        }
        rows[kStockCurve][i] = HoldingQuantity(x);
        rows[kNetCurve][i] = net + rows[kStockCurve][i];
    }
}

double GraphModel::OptionQuantity(const Option& option, int offset) const {
    if (graphType != GraphType::ValueOrProfit)
        return SignedGreek(option, graphType, settings.shareWeighted);
    // The weight's horizon is the time to the graph date, not the option's time left.
    if (settings.probabilityWeighted)
        return option.WeightedProfit(currentPrice, offset * Option::kYearsPerDay);
    return settings.showProfit ? option.Profit() : option.PositionValue();
}

double GraphModel::HoldingQuantity(double x) const {
    // The holding counts in NET, whether or not its own curve is shown, in the plain
    // profit view by its profit and in the delta view by its units.
    if (graphType == GraphType::Delta) return HoldingDelta(stock, settings.shareWeighted);
    const bool profitView = graphType == GraphType::ValueOrProfit &&
                            !settings.probabilityWeighted && settings.showProfit;
    return profitView && stock.Value() != 0 ? stock.ProfitAt(x) : 0;
}

bool GraphModel::IsCurveSelected(int curve) const {
    if (curve == kNetCurve) return netSelected;
    if (curve == kStockCurve) return stockSelected;
    return curve <= optionCount && optionSelected[curve - 1];
}

double GraphModel::ValueAtPrice(int d, int curve, double price) const {
    if (!(xStep != 0)) return curves[d][curve][0];
    const double at = std::clamp((price - xMin) / xStep, 0.0, pointCount - 1.0);
    const int i = std::min(static_cast<int>(at), pointCount - 2);
    if (i < 0) return curves[d][curve][0];
    const double f = at - i;
    return curves[d][curve][i] + f * (curves[d][curve][i + 1] - curves[d][curve][i]);
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
        for (int d = 0; d < dateCount; ++d) widen(curves[d][curve]);
    }
    for (const double* companion : companions)
        if (anySelected && companion) widen(companion);
    // Shown curves without a single finite value: an empty range around zero.
    if (anySelected && yMin > yMax) yMin = yMax = 0;
    if ((anySelected && IsFlatUpToRounding()) ||
        !std::isfinite(geometry.PlotHeight() / (yMax - yMin))) {
        // A flat curve, one flat but for rounding (legs that cancel), or one so nearly flat
        // (a far out-of-the-money Greek) that its scale overflows, has no scale of its
        // own: give it one unit, the line at mid-height.
        const double mid = yMin + (yMax - yMin) / 2;
        const double half = std::max(0.5, std::fabs(mid) * 1e-12);
        yMax = mid + half;
        yMin = mid - half;
    }
    yScale = geometry.PlotHeight() / (yMax - yMin);
}

bool GraphModel::IsFlatUpToRounding() const {
    // Rounding is relative to the terms summed, which for NET are the legs and the
    // holding; a spread far below that is no shape of the position.
    constexpr double kRounding = 1e-10;
    double size = 0;
    for (int d = 0; d < dateCount; ++d) {
        for (int i = 0; i < pointCount; ++i) {
            double terms = 0;
            for (int curve = 1; curve < kCurveCount; ++curve) {
                const double v = std::fabs(curves[d][curve][i]);
                if (curve <= optionCount || curve == kStockCurve) terms += v;
                if (IsCurveSelected(curve)) size = std::max(size, v);
            }
            if (netSelected) size = std::max(size, terms);
        }
    }
    return yMax - yMin <= kRounding * size;
}

void GraphModel::ComputePixelRows() {
    for (int d = 0; d < dateCount; ++d) {
        for (int curve = 0; curve < kCurveCount; ++curve) {
            if (curve > optionCount && !(curve == kStockCurve && stockSelected)) continue;
            for (int i = 0; i < pointCount; ++i) {
                const double v = curves[d][curve][i];
                pixelRows[d][curve][i] =
                    std::isfinite(v) ? TruncateToPixel((yMax - v) * yScale) : kNoRow;
            }
        }
    }
}

}  // namespace qx
