#include "graph/profit_table.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "graph/graph_model.h"
#include "graph/tick_rule.h"
#include "shell/market_environment.h"
#include "shell/settings.h"

namespace qx {

ProfitTable::ProfitTable(const Option (&records)[kOptionSlots], const Stock& holding) {
    for (const Option& record : records) {
        if (record.GetSide() == Side::kNone) continue;
        options[optionCount].CopyFrom(record);
        daysLeftAtStart[optionCount] = std::max(record.GetDaysLeft(), 0);
        ++optionCount;
    }
    stock.CopyFrom(holding);
    if (optionCount > 0) {
        currentPrice = options[0].GetUnderlyingPrice();
        volatility = options[0].GetVolatility();
        baseDate = options[0].GetValuationDate();
    }
    ChooseColumns();
}

double ProfitTable::GraphAxisStep(const Option (&records)[kOptionSlots], const Stock& holding,
                                  const Settings& settings) {
    GraphModel graph(records, holding, settings);
    graph.ApplyDateBounds();
    graph.SetDateOffset(graph.GetDateMax());
    graph.RecomputeCurves();
    const double minor = ChooseTicks(graph.GetXMax() - graph.GetXMin(), TickAxis::kPrices).minor;
    return std::isfinite(minor) && minor > 0 ? minor : 1;
}

void ProfitTable::ApplyRule(const Settings& settings) {
    const MarketEnvironment environment = EnvironmentOf(settings);
    for (int k = 0; k < optionCount; ++k) {
        options[k].SetLatticeSteps(LatticeStepsOf(settings));
        options[k].SetFees(environment.optionFees);
    }
    stock.SetFees(environment.underlyingFees);
}

void ProfitTable::SetVolatility(double sigma) {
    volatility = sigma;
    for (int k = 0; k < optionCount; ++k) options[k].SetVolatility(sigma);
}

int ProfitTable::SetStep(double value) {
    if (!std::isfinite(value) || value <= 0) return -1;
    step = value;
    return 0;
}

void ProfitTable::ChooseColumns() {
    int last = 0;
    for (int k = 0; k < optionCount; ++k) last = std::max(last, daysLeftAtStart[k]);
    if (last < kMaxColumns) {
        columnCount = last + 1;
        for (int j = 0; j < columnCount; ++j) columnDays[j] = j;
        return;
    }
    // Evenly spaced from the base date to the last expiration; an earlier expiration
    // then takes the place of the column nearest to it, so every leg's payoff shows.
    columnCount = kMaxColumns;
    for (int j = 0; j < kMaxColumns; ++j)
        columnDays[j] =
            static_cast<int>(std::lround(static_cast<double>(j) * last / (kMaxColumns - 1)));
    for (int k = 0; k < optionCount; ++k) PlaceExpiration(daysLeftAtStart[k]);
    std::sort(columnDays, columnDays + columnCount);
}

void ProfitTable::PlaceExpiration(int days) {
    if (std::find(columnDays, columnDays + columnCount, days) != columnDays + columnCount) return;
    // The first and the last column stay; among the others the nearest one that is not
    // already an expiration moves.
    int best = -1;
    for (int j = 1; j < columnCount - 1; ++j) {
        if (IsExpirationColumn(j)) continue;
        if (best < 0 || std::abs(columnDays[j] - days) < std::abs(columnDays[best] - days))
            best = j;
    }
    if (best > 0) columnDays[best] = days;
}

bool ProfitTable::IsExpirationColumn(int column) const {
    const int days = columnDays[column];
    if (days == 0) return false;
    for (int k = 0; k < optionCount; ++k)
        if (daysLeftAtStart[k] == days) return true;
    return false;
}

double ProfitTable::EntryCash() const {
    double cash = stock.Value();
    for (int k = 0; k < optionCount; ++k) cash += options[k].CashFlow();
    return cash;
}

void ProfitTable::Compute() {
    rowCount = 0;
    // A price a hair below 0 from rounding still stands for 0.
    while (rowCount < kMaxRows && GetPrice(rowCount) > -step * 1e-9) ++rowCount;
    largest = 0;
    percentBase = std::fabs(EntryCash());
    for (int column = 0; column < columnCount; ++column) ComputeColumn(column);
}

void ProfitTable::ComputeColumn(int column) {
    // An option that expired before the column's date keeps its payoff at expiration.
    for (int k = 0; k < optionCount; ++k)
        options[k].SetDaysLeft(std::max(daysLeftAtStart[k] - columnDays[column], 0));
    for (int row = 0; row < rowCount; ++row) {
        const double value = CellValue(std::max(GetPrice(row), 0.0));
        cells[row][column] = value;
        if (std::isfinite(value)) largest = std::max(largest, std::fabs(value));
    }
}

double ProfitTable::CellValue(double price) {
    double sum = 0;
    for (int k = 0; k < optionCount; ++k) {
        options[k].SetUnderlyingPrice(price);
        sum += quantity == TableQuantity::kValue ? options[k].PositionValue() : options[k].Profit();
    }
    if (quantity == TableQuantity::kValue) return sum;
    // The holding counts in the profit as it does in the graph's NET profit.
    if (stock.Value() != 0) sum += stock.ProfitAt(price);
    if (quantity == TableQuantity::kProfit) return sum;
    return percentBase > 0 ? sum / percentBase * 100 : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace qx
