#include "graph/profit_table_window_model.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "graph/graph_controls.h"
#include "graph/profit_table_text.h"
#include "platform/messages.h"
#include "platform/safe_file_writer.h"
#include "pricing/date_text.h"
#include "pricing/number_text.h"
#include "pricing/slider_text.h"
#include "shell/market_environment.h"
#include "shell/number_box.h"

namespace qx {

namespace {

using C = TableControl;

// The quantities in the order the list offers them.
constexpr TableQuantity kQuantities[] = {TableQuantity::kProfit, TableQuantity::kValue,
                                         TableQuantity::kPercent};

// The deepest shades of a profit and a loss, light enough for black text on them.
constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr ColorRef kProfitShade = Rgb(99, 190, 123);
constexpr ColorRef kLossShade = Rgb(248, 105, 107);

// The colour a fraction of the way from white to shade.
ColorRef Blend(ColorRef shade, double fraction) {
    const auto mix = [fraction](int full) {
        return static_cast<int>(std::lround(255 + (full - 255) * fraction));
    };
    return Rgb(mix(RedOf(shade)), mix(GreenOf(shade)), mix(BlueOf(shade)));
}

constexpr Caption<TableControl> kCaptions[] = {
    {C::kQuantityLabel, "&Show:"},
    {C::kStepLabel, "Price &step:"},
    {C::kVolatilityGroup, "Volatility"},
};

}  // namespace

ProfitTableWindowModel::ProfitTableWindowModel(const Option (&options)[kOptionSlots],
                                               const Stock& stock, const Settings& settingsRecord,
                                               Messages& messageBoxes, std::string name)
    : settings(settingsRecord),
      messages(messageBoxes),
      documentName(std::move(name)),
      table(options, stock) {
    for (const auto& caption : kCaptions) Ctl(caption.control).text = caption.text;
    Ctl(C::kQuantityList).items = {"NET Profit", "Value", "Profit % of Premium"};
    Ctl(C::kQuantityList).selected = 0;
    Ctl(C::kVolatilityGroup).color = TextColor::kGroupHighlight;
    Ctl(C::kVolatilityText).color = TextColor::kTextHighlight;
    table.SetStep(ProfitTable::GraphAxisStep(options, stock, settingsRecord));
}

bool ProfitTableWindowModel::Open() {
    if (table.GetOptionCount() == 0) {
        messages.Warning(kNoOptionsText, kNoOptionsCaption, MessageOwner::kGraph);
        return false;
    }
    // The slider starts where the graph's does, from the first option's volatility.
    Control& slider = Ctl(C::kVolatilitySlider);
    slider.minimum = kMinVolatilityPercent;
    slider.maximum = kMaxVolatilityPercent;
    const int percent = static_cast<int>(table.GetVolatility() * 100 + 1e-9);
    slider.position = std::clamp(percent, slider.minimum, slider.maximum);
    Ctl(C::kVolatilityText).text = VolatilitySliderText(percent);
    ShowStep();
    Recompute();
    return true;
}

void ProfitTableWindowModel::ShowStep() {
    Ctl(C::kStepBox).text = NumberText(table.GetStep(), 2, settings.showFractions);
}

void ProfitTableWindowModel::Recompute() {
    table.ApplyRule(settings);
    table.Compute();
}

void ProfitTableWindowModel::Refresh() {
    ShowStep();
    Recompute();
}

void ProfitTableWindowModel::LeaveBox(TableControl control, const std::string& text) {
    if (control != C::kStepBox) return;
    const std::optional<double> step =
        ReadNumberBox(text, "Price step", messages, MessageOwner::kGraph);
    if (step && table.SetStep(*step) == 0) Recompute();
    ShowStep();
}

void ProfitTableWindowModel::ChooseItem(TableControl control, int item) {
    if (control != C::kQuantityList || item < 0 || item >= static_cast<int>(std::size(kQuantities)))
        return;
    Ctl(C::kQuantityList).selected = item;
    table.SetQuantity(kQuantities[item]);
    Recompute();
}

void ProfitTableWindowModel::MoveSlider(TableControl control, int position) {
    Control& slider = Ctl(C::kVolatilitySlider);
    if (control != C::kVolatilitySlider) return;
    position = std::clamp(position, slider.minimum, slider.maximum);
    if (position == slider.position) return;
    slider.position = position;
    Ctl(C::kVolatilityText).text = VolatilitySliderText(position);
    table.SetVolatility(VolatilityFromPercent(position));
    Recompute();
}

TableRequest ProfitTableWindowModel::Command(TableCommand command) {
    switch (command) {
        case TableCommand::kCopy: return TableRequest::kCopy;
        case TableCommand::kExport: return TableRequest::kExport;
        case TableCommand::kPrint: return TableRequest::kPrint;
        case TableCommand::kCancel: return TableRequest::kClose;
    }
    return TableRequest::kNone;
}

bool ProfitTableWindowModel::Export(const std::string& path) {
    const FileError error = WriteFileSafely(path, SheetText(','));
    if (error == FileError::kNone) return true;
    messages.Warning(FileErrorText(error, path), kMessageCaption, MessageOwner::kGraph);
    return false;
}

std::string ProfitTableWindowModel::SuggestedExportName() const {
    const std::string symbol = table.GetStock().GetSymbol();
    return Stock::IsPlaceholderSymbol(symbol) ? "Profit Table" : symbol + " Profit Table";
}

std::string ProfitTableWindowModel::SheetText(char separator) const {
    return TableSheetText(table, separator, settings.significantDigits, settings.dateFormat);
}

std::vector<std::string> ProfitTableWindowModel::PrintHeader() const {
    const int digits = settings.significantDigits;
    const Control& quantity = GetControl(C::kQuantityList);
    std::vector<std::string> lines = {"Profit Table: " + quantity.items[quantity.selected]};
    if (!documentName.empty()) lines.push_back(documentName);
    const std::string symbol = table.GetStock().GetSymbol();
    lines.push_back((Stock::IsPlaceholderSymbol(symbol) ? std::string("Underlying") : symbol) +
                    " at " + NumberText(table.GetCurrentPrice(), 2, settings.showFractions) +
                    ", valued " + DateText(table.GetBaseDate(), settings.dateFormat) +
                    ", volatility " + GetControl(C::kVolatilityText).text);
    for (int k = 1; k <= table.GetOptionCount(); ++k) {
        const Option& option = table.GetOption(k);
        lines.push_back(option.TradeDescription() + " at " +
                        NumberText(option.GetPrice(), digits, settings.showFractions));
    }
    return lines;
}

std::string ProfitTableWindowModel::CellText(int row, int column) const {
    return TableCellText(table, row, column, settings.significantDigits);
}

ColorRef ProfitTableWindowModel::CellColor(int row, int column) const {
    const double value = table.GetCell(row, column);
    const double largest = table.GetLargestMagnitude();
    if (!std::isfinite(value) || value == 0 || largest == 0) return kWhite;
    // A faint tint for the smallest amounts, so the sign always shows.
    const double fraction = 0.15 + 0.85 * std::fabs(value) / largest;
    return Blend(value > 0 ? kProfitShade : kLossShade, fraction);
}

std::string ProfitTableWindowModel::RowHeader(int row) const {
    return TablePriceText(table, row, settings.showFractions);
}

std::string ProfitTableWindowModel::ColumnHeader(int column) const {
    const std::string date = TableDateText(table, column, settings.dateFormat);
    return table.IsExpirationColumn(column) ? date + "\n(exp)" : date;
}

}  // namespace qx
