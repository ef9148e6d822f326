#include <algorithm>

#include "editor/choice_lists.h"
#include "editor/editor_model.h"
#include "editor/editor_text.h"
#include "pricing/date_text.h"
#include "pricing/number_text.h"
#include "pricing/slider_text.h"
#include "shell/document.h"
#include "shell/market_environment.h"
#include "shell/number_box.h"
#include "shell/settings.h"

namespace qx {

namespace {

using C = EditorControl;

}  // namespace

void EditorModel::ApplyEnvironment() {
    const MarketEnvironment environment = EnvironmentOf(settings);
    ForEachSlot([&](Option& option) { environment.ApplyTo(option); });
    document->GetStock().SetFees(environment.underlyingFees);
}

void EditorModel::ApplyFees() {
    const MarketEnvironment environment = EnvironmentOf(settings);
    ForEachSlot([&](Option& option) { option.SetFees(environment.optionFees); });
    document->GetStock().SetFees(environment.underlyingFees);
}

void EditorModel::ShowEnvironmentNet() {
    const Stock& stock = document->GetStock();
    const double value = stock.Value();
    Ctl(C::kNet).text = MoneyText(value, settings);
    Ctl(C::kFees).text =
        FeesInForce(settings) && value != 0 ? MoneyText(stock.GetFees(), settings) : "";
}

void EditorModel::EnterPrice(const std::string& text) {
    const std::optional<double> read =
        ReadNumberBox(text, "Price", messages, MessageOwner::kMainWindow);
    if (!read) {
        Ctl(C::kPrice).text = PriceText(document->GetStock().GetPrice(), settings);
        return;
    }
    const double x = *read;
    // A price the record refuses (beyond any market) is no price, like text that is no number.
    if (!(x > 0) || document->GetStock().SetPrice(x) != 0) {
        ClearPrice();
    } else {
        Ctl(C::kPrice).text = PriceText(x, settings);
        ForEachSlot([&](Option& option) { option.SetUnderlyingPrice(x); });
        RebuildStrikeLists();
        ShowEnvironmentNet();
        RevalueRows();
        if (!rowsEnabled) {
            ForEachRow([](OptionRow& row) { row.ShowChoice(true); });
            rowsEnabled = true;
        }
    }
    UpdatePrompt();
}

// Without a price no row can be used: every record, and the underlying's position, go.
void EditorModel::ClearPrice() {
    Ctl(C::kPrice).text = "";
    rowsEnabled = false;
    ResetAllRecords();
    RefreshOptionLists();
    Stock& stock = document->GetStock();
    stock.SetPrice(0);
    stock.SetShares(0);
    stock.SetSide(Side::kNone);
    Ctl(C::kBuyButton).checked = Ctl(C::kSellButton).checked = false;
    SetListText(C::kShares, "");
    ShowEnvironmentNet();
    UpdateGraphCommand();
}

void EditorModel::EnterShares(const std::string& text, bool chosen) {
    if (!rowsEnabled) {
        SetListText(C::kShares, "");
        return;
    }
    Stock& stock = document->GetStock();
    const std::optional<int> read =
        ReadIntegerBox(text, Ctl(C::kSharesLabel).text, messages, MessageOwner::kMainWindow);
    if (!read) {
        SetListText(C::kShares, IntegerText(stock.GetShares()));
        return;
    }
    const int n = *read;
    if (n < 1) {
        SetListText(C::kShares, "");
        stock.SetShares(0);
        stock.SetSide(Side::kNone);
        Ctl(C::kBuyButton).checked = Ctl(C::kSellButton).checked = false;
    } else {
        SetListText(C::kShares, chosen ? text : IntegerText(n));
        stock.SetShares(n);
    }
    ShowEnvironmentNet();
    UpdatePrompt();
}

// Buy and Sell behave as a pair that is only open while units are held.
void EditorModel::ClickSide(Side side) {
    Stock& stock = document->GetStock();
    if (stock.GetShares() <= 0) {
        Ctl(side == Side::kBuy ? C::kBuyButton : C::kSellButton).checked = false;
        return;
    }
    Ctl(C::kBuyButton).checked = side == Side::kBuy;
    Ctl(C::kSellButton).checked = side == Side::kSell;
    stock.SetSide(side);
    ShowEnvironmentNet();
    UpdatePrompt();
}

void EditorModel::ChooseAssetType(AssetType type) {
    Stock& stock = document->GetStock();
    stock.SetAssetType(type);
    ForEachSlot([&](Option& option) { option.SetAssetType(type); });
    stock.SetUnitsPerContract(UnderlyingUnitsPerContract(type, settings));
    if (Stock::IsPlaceholderSymbol(stock.GetSymbol())) {
        stock.SetSymbol(Stock::PlaceholderSymbol(type));
    }
    settings.assetType = type;
    ShowAssetType();
    ShowEnvironmentNet();
    UpdatePrompt();
}

// The three type buttons, the symbol and the holdings list of the underlying's type.
void EditorModel::ShowAssetType() {
    const Stock& stock = document->GetStock();
    Ctl(C::kStock).checked = stock.GetAssetType() == AssetType::kStock;
    Ctl(C::kIndex).checked = stock.GetAssetType() == AssetType::kIndex;
    Ctl(C::kFuture).checked = stock.GetAssetType() == AssetType::kFuture;
    Ctl(C::kSymbol).text = stock.GetSymbol();
    RebuildSharesList();
}

void EditorModel::RebuildSharesList() {
    const AssetType type = document->GetStock().GetAssetType();
    Ctl(C::kSharesLabel).text =
        type == AssetType::kFuture ? kFutureSharesLabelText : kSharesLabelText;
    SetListItems(C::kShares, SharesList(type));
}

void EditorModel::EnterUnits(const std::string& text) {
    const std::optional<int> read =
        ReadIntegerBox(text, Ctl(C::kUnitsLabel).text, messages, MessageOwner::kMainWindow);
    const int n = read.value_or(0);
    if (n < 1) {
        SetListText(C::kUnits, IntegerText(settings.unitsPerContract));
    } else {
        settings.unitsPerContract = n;
        Stock& stock = document->GetStock();
        stock.SetUnitsPerContract(UnderlyingUnitsPerContract(stock.GetAssetType(), settings));
        ForEachSlot([&](Option& option) { option.SetUnitsPerContract(n); });
        SetListText(C::kUnits, IntegerText(n));
        ShowEnvironmentNet();
    }
    ForEachRow([](OptionRow& row) { row.Check(); });
    RefreshAfterRowChange();
}

void EditorModel::MoveSlider(EditorControl control, int position) {
    const EventScope scope(*this);
    stepSlider = control;
    if (control != C::kVolatilitySlider && control != C::kInterestSlider &&
        control != C::kDividendSlider)
        return;
    if (!Ctl(control).visible || !Ctl(control).enabled) return;
    Control& slider = Ctl(control);
    slider.position = std::clamp(position, slider.minimum, slider.maximum);
    if (Ctl(C::kVolatilitySlider).position != settings.volatility) {
        settings.volatility = Ctl(C::kVolatilitySlider).position;
        ForEachSlot([&](Option& option) {
            option.SetVolatility(VolatilityFromPercent(settings.volatility));
        });
    }
    if (Ctl(C::kInterestSlider).position != settings.interest) {
        settings.interest = Ctl(C::kInterestSlider).position;
        ForEachSlot(
            [&](Option& option) { option.SetInterestRate(RateFromTenths(settings.interest)); });
    }
    if (Ctl(C::kDividendSlider).position != settings.dividend) {
        settings.dividend = Ctl(C::kDividendSlider).position;
        if (settings.includeDividend)
            ForEachSlot([&](Option& option) {
                option.SetDividendYield(RateFromTenths(settings.dividend));
            });
    }
    ShowSliders();
    RevalueRows();
}

void EditorModel::RevalueRows() {
    ForEachRow([](OptionRow& row) { row.ShowValues(); });
}

// Slider positions and texts from the settings.
void EditorModel::ShowSliders() {
    Ctl(C::kVolatilitySlider).position = settings.volatility;
    Ctl(C::kInterestSlider).position = settings.interest;
    Ctl(C::kDividendSlider).position = settings.dividend;
    Ctl(C::kVolatilityText).text = VolatilitySliderText(settings.volatility);
    Ctl(C::kInterestText).text = RateSliderText(settings.interest);
    Ctl(C::kDividendText).text = RateSliderText(settings.dividend);
}

void EditorModel::EnterDate(const std::string& text) {
    CTime date;
    valuationDate = ParseDate(text, settings.dateFormat, date) == 0 ? date : startupDate;
    ShowDateBox();
    RebuildExpirationLists();
    // A record that has run out of days stays out: the date alone does not revive it.
    ForEachSlot([&](Option& option) {
        if (option.GetDaysLeft() != 0)
            SetOptionDates(option, valuationDate, option.GetExpiration(), settings);
    });
    ForEachRow([](OptionRow& row) {
        row.ShowDaysLeft();
        row.ShowValues();
    });
    UpdatePrompt();
}

void EditorModel::ShowDateBox() { Ctl(C::kDate).text = DateBoxText(valuationDate, settings); }

void EditorModel::RebuildExpirationLists() {
    const std::vector<std::string> months = ExpirationList(valuationDate);
    ForEachRow([&](OptionRow& row) { row.SetExpirationItems(months); });
}

void EditorModel::RebuildStrikeLists() {
    const std::vector<std::string> strikes = StrikeList(document->GetStock().GetPrice());
    ForEachRow([&](OptionRow& row) { row.SetStrikeItems(strikes); });
}

// Prices and strikes in the current digits and form.
void EditorModel::RewritePrices() {
    Ctl(C::kPrice).text = PriceText(document->GetStock().GetPrice(), settings);
    ForEachRow([](OptionRow& row) { row.RewritePrices(); });
}

}  // namespace qx
