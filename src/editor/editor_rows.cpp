#include <cmath>

#include "editor/editor_model.h"
#include "editor/editor_observer.h"
#include "pricing/date_text.h"
#include "pricing/expiration_calendar.h"
#include "pricing/number_text.h"
#include "shell/document.h"
#include "shell/market_environment.h"
#include "shell/settings.h"

namespace qx {

namespace {

using C = EditorControl;
using R = RowControl;

// Forgets the option's type: the setter refuses "unset", so the record is cleared and
// given back everything but its type, strike, price, contracts and side.
void ForgetType(Option& option) {
    Option kept;
    kept.CopyFrom(option);
    option.Clear();
    option.SetUnderlyingPrice(kept.GetUnderlyingPrice());
    option.SetFees(kept.GetFees());
    option.SetDaysLeft(kept.GetDaysLeft());
    option.SetAssetType(kept.GetAssetType());
    option.SetUnitsPerContract(kept.GetUnitsPerContract());
    option.SetInterestRate(kept.GetInterestRate());
    option.SetDividendYield(kept.GetDividendYield());
    option.SetVolatility(kept.GetVolatility());
}

// The fields of a row in the order they are entered; a field is only valid while every
// field before it is there.
enum class RowEntry { kExpiration, kStrike, kType, kPrice, kContracts, kSide, kComplete };

// The first field of the row's record that is missing, in entry order.
RowEntry FirstMissing(const Option& option) {
    if (option.GetDaysLeft() == 0) return RowEntry::kExpiration;
    if (option.GetStrike() == 0) return RowEntry::kStrike;
    if (option.GetOptionType() == kNoOptionType) return RowEntry::kType;
    if (option.GetPrice() == 0) return RowEntry::kPrice;
    if (option.GetContracts() == 0) return RowEntry::kContracts;
    if (option.GetSide() == kNoSide) return RowEntry::kSide;
    return RowEntry::kComplete;
}

// What the status line asks for, by the first missing field.
constexpr const char* kMissingPhrases[] = {
    "enter expiration for option ",          "enter strike for option ",
    "select call or put for option ",        "enter price for option ",
    "enter number of contracts for option ", "enter buy or sell for option "};

constexpr RowControl kAlwaysShown[] = {R::kRowChoice,
                                       R::kExpiresLabel,
                                       R::kExpires,
                                       R::kDaysLeftLabel,
                                       R::kDaysLeft,
                                       R::kStrikeLabel,
                                       R::kStrike,
                                       R::kFairValueLabel,
                                       R::kFairValue,
                                       R::kCallButton,
                                       R::kPutButton,
                                       R::kRowPriceLabel,
                                       R::kRowPrice,
                                       R::kImpliedVolatilityLabel,
                                       R::kImpliedVolatility,
                                       R::kClear};
constexpr RowControl kPositionControls[] = {R::kContractsLabel, R::kContracts,   R::kRowBuy,
                                            R::kRowSell,        R::kRowNetLabel, R::kRowNet};
constexpr RowControl kFeeControls[] = {R::kRowFeesLabel, R::kRowFees};

}  // namespace

void EditorModel::ResetRecord(int index) {
    Option& option = Slot(index);
    ResetOption(option, settings);
    ApplyEnvironment();
    option.SetUnderlyingPrice(document->GetStock().GetPrice());
}

void EditorModel::ResetAllRecords() {
    ForEachSlot([&](Option& option) { ResetOption(option, settings); });
    document->GetStock().SetFees(EnvironmentOf(settings).underlyingFees);
    rowRecord[0] = rowRecord[1] = -1;
}

// Entry order is expiration, strike, call/put, price, contracts, buy/sell: a missing
// field voids every field after it.
void EditorModel::CheckRow(int row) {
    if (HasRecord(row)) {
        Option& option = RowOption(row);
        switch (FirstMissing(option)) {
            case RowEntry::kExpiration:
                ResetRecord(rowRecord[row]);
                VoidRow(row);
                break;
            case RowEntry::kStrike:
                RowCtl(row, R::kCallButton).checked = RowCtl(row, R::kPutButton).checked = false;
                ForgetType(option);
                RowCtl(row, R::kRowPrice).text = "";
                VoidPosition(row);
                break;
            case RowEntry::kType:
            case RowEntry::kPrice:
                option.SetPrice(0);
                RowCtl(row, R::kRowPrice).text = "";
                VoidPosition(row);
                break;
            case RowEntry::kContracts:
                option.SetSide(kNoSide);
                RowCtl(row, R::kRowBuy).checked = RowCtl(row, R::kRowSell).checked = false;
                break;
            case RowEntry::kSide:
            case RowEntry::kComplete: break;
        }
    }
    UpdateGraphCommand();
    ShowRowValues(row);
    ShowRowNet(row);
    UpdatePrompt();
    if (observer) observer->RowChanged();
}

std::string EditorModel::RowPhrase(int row) const {
    if (!HasRecord(row)) return "";
    const RowEntry missing = FirstMissing(RowOption(row));
    if (missing == RowEntry::kComplete) return "";
    return kMissingPhrases[static_cast<int>(missing)] + IntegerText(rowRecord[row] + 1);
}

// The row's entries after an expiration that is no longer valid.
void EditorModel::VoidRow(int row) {
    SetListText(RowControlId(row, R::kStrike), "");
    RowCtl(row, R::kCallButton).checked = RowCtl(row, R::kPutButton).checked = false;
    RowCtl(row, R::kRowPrice).text = "";
    SetListText(RowControlId(row, R::kContracts), "");
    RowCtl(row, R::kRowBuy).checked = RowCtl(row, R::kRowSell).checked = false;
}

void EditorModel::VoidPosition(int row) {
    Option& option = RowOption(row);
    option.SetContracts(0);
    SetListText(RowControlId(row, R::kContracts), "");
    option.SetSide(kNoSide);
    RowCtl(row, R::kRowBuy).checked = RowCtl(row, R::kRowSell).checked = false;
}

void EditorModel::ShowRowValues(int row) {
    if (!HasRecord(row)) return;
    const Option& option = RowOption(row);
    RowCtl(row, R::kFairValue).text = NumberText(option.FairValue(), 3, false);
    const double v = option.ImpliedVolatility();
    std::string text;
    if (std::isfinite(v) && v > 0.01) text = v >= 2 ? "2.000" : NumberText(v, 3, false);
    RowCtl(row, R::kImpliedVolatility).text = text;
}

void EditorModel::ShowDaysLeft(int row) {
    if (!HasRecord(row)) return;
    const int days = RowOption(row).GetDaysLeft();
    RowCtl(row, R::kDaysLeft).text = days > 0 ? IntegerText(days) : "";
}

void EditorModel::ShowRowNet(int row) {
    if (!HasRecord(row)) return;
    const Option& option = RowOption(row);
    const double cash = option.CashFlow();
    RowCtl(row, R::kRowNet).text = MoneyText(cash);
    // A row without a trade has no fees to show; an old amount would mislead.
    RowCtl(row, R::kRowFees).text =
        cash != 0 ? MoneyText(option.GetContracts() * option.GetFees()) : "";
}

void EditorModel::UpdateRowTitle(int row) {
    std::string title = "Option";
    if (HasRecord(row)) {
        title += " " + IntegerText(rowRecord[row] + 1);
        const std::string code = RowOption(row).SymbolCode();
        if (!code.empty()) title += " " + code;
    }
    RowCtl(row, R::kRowGroup).text = title;
    RefreshOptionLists();
}

void EditorModel::RefreshOptionLists() {
    std::vector<std::string> items;
    for (int i = 0; i < kOptionSlots; ++i) {
        const std::string description = Slot(i).Description();
        items.push_back(IntegerText(i + 1) +
                        (description.empty() ? " New Option" : " " + description));
    }
    for (int row = 0; row < kEditorRows; ++row) {
        Control& list = RowCtl(row, R::kRowChoice);
        list.items = items;
        list.selected = rowRecord[row];
        // The record the other row shows is greyed, so the arrow keys pass over it.
        const int other = rowRecord[1 - row];
        list.unavailable = other >= 0 ? std::vector<int>{other} : std::vector<int>{};
    }
}

void EditorModel::UpdateGraphCommand() {
    recordsWithSide = 0;
    for (int i = 0; i < kOptionSlots; ++i)
        if (Slot(i).GetSide() != kNoSide) ++recordsWithSide;
    if (recordsWithSide == 0)
        Ctl(C::kGraphButton).enabled = menu[EditorCommand::kGraph].enabled = false;
    else if (settings.basicMode)
        Ctl(C::kGraphButton).enabled = menu[EditorCommand::kGraph].enabled = true;
}

void EditorModel::ShowRows(int row) { ShowRowControls(row, true); }

void EditorModel::HideRows(int row) { ShowRowControls(row, false); }

void EditorModel::ShowRowControls(int row, bool shown) {
    for (RowControl control : kAlwaysShown) RowCtl(row, control).visible = shown;
    for (RowControl control : kPositionControls)
        RowCtl(row, control).visible = shown && settings.basicMode;
    for (RowControl control : kFeeControls)
        RowCtl(row, control).visible = shown && FeesInForce(settings);
}

void EditorModel::ChooseRecord(int row, int item) {
    const int other = rowRecord[1 - row];
    if (item == other) {
        RowCtl(row, R::kRowChoice).selected = rowRecord[row];
    } else {
        rowRecord[row] = item;
        RowCtl(row, R::kRowChoice).selected = item;
        ShowRows(row);
        FillRow(row);
        ShowDaysLeft(row);
        ShowRowValues(row);
        ShowRowNet(row);
        UpdateRowTitle(row);
    }
    UpdatePrompt();
}

// The row's entry boxes from its record.
void EditorModel::FillRow(int row) {
    const Option& option = RowOption(row);
    SetListText(RowControlId(row, R::kExpires), option.ExpirationText());
    SetListText(RowControlId(row, R::kStrike), PriceText(option.GetStrike()));
    RowCtl(row, R::kCallButton).checked = option.GetOptionType() == kCall;
    RowCtl(row, R::kPutButton).checked = option.GetOptionType() == kPut;
    RowCtl(row, R::kRowPrice).text = PriceText(option.GetPrice());
    SetListText(RowControlId(row, R::kContracts), IntegerText(option.GetContracts()));
    RowCtl(row, R::kRowBuy).checked = option.GetSide() == kBuy;
    RowCtl(row, R::kRowSell).checked = option.GetSide() == kSell;
}

void EditorModel::EnterExpiration(int row, const std::string& text) {
    Option& option = RowOption(row);
    const EditorControl expires = RowControlId(row, R::kExpires);
    CTime date;
    if (ParseDate(text, settings.dateFormat, date) == 0) {
        SetListText(expires, DateBoxText(date));
        SetOptionDates(option, valuationDate, date, settings);
    } else {
        std::string month = text;
        const CTime expiration = ExpirationFromMonthText(month, MonthlyExpirationOf(settings));
        if (expiration == CTime(1970, 1, 1)) {
            option.SetDaysLeft(0);
            SetListText(expires, "");
        } else {
            SetOptionDates(option, valuationDate, expiration, settings);
            SetListText(expires, option.ExpirationText());
        }
    }
    CheckRow(row);
    ShowDaysLeft(row);
    ShowRowValues(row);
    UpdateRowTitle(row);
}

void EditorModel::ChooseExpiration(int row, const std::string& month) {
    std::string text = month;
    const CTime expiration = ExpirationFromMonthText(text, MonthlyExpirationOf(settings));
    SetOptionDates(RowOption(row), valuationDate, expiration, settings);
    SetListText(RowControlId(row, R::kExpires), month);
    ShowDaysLeft(row);
    ShowRowValues(row);
    UpdateRowTitle(row);
    UpdatePrompt();
}

void EditorModel::EnterStrike(int row, const std::string& text, bool chosen) {
    const double x = ParseNumber(text);
    // A strike the record refuses (beyond any market) reads as no strike.
    const bool valid = x > 0 && RowOption(row).SetStrike(x) == 0;
    if (!valid) RowOption(row).SetStrike(0);
    SetListText(RowControlId(row, R::kStrike), chosen ? text : valid ? PriceText(x) : "");
    CheckRow(row);
    UpdateRowTitle(row);
}

// Call and Put act as a pair; changing the type voids the price quoted for the other.
void EditorModel::ClickType(int row, int type) {
    Control& clicked = RowCtl(row, type == kCall ? R::kCallButton : R::kPutButton);
    Control& other = RowCtl(row, type == kCall ? R::kPutButton : R::kCallButton);
    if (other.checked) {
        other.checked = false;
        RowOption(row).SetPrice(0);
        RowCtl(row, R::kRowPrice).text = "";
    }
    clicked.checked = true;
    RowOption(row).SetOptionType(type);
    CheckRow(row);
    UpdateRowTitle(row);
}

void EditorModel::EnterRowPrice(int row, const std::string& text) {
    const double x = ParseNumber(text);
    const bool valid = x > 0 && RowOption(row).SetPrice(x) == 0;
    if (!valid) RowOption(row).SetPrice(0);
    RowCtl(row, R::kRowPrice).text = valid ? PriceText(x) : "";
    CheckRow(row);
}

void EditorModel::EnterContracts(int row, const std::string& text, bool chosen) {
    const int n = ParseInteger(text);
    const bool valid = n >= 1;
    SetListText(RowControlId(row, R::kContracts), chosen ? text : valid ? IntegerText(n) : "");
    RowOption(row).SetContracts(valid ? n : 0);
    CheckRow(row);
}

void EditorModel::ClickRowSide(int row, int side) {
    RowCtl(row, R::kRowBuy).checked = side == kBuy;
    RowCtl(row, R::kRowSell).checked = side == kSell;
    RowOption(row).SetSide(side);
    CheckRow(row);
}

void EditorModel::ClearRow(int row) {
    HideRows(row);
    RowCtl(row, R::kRowChoice).visible = true;
    RowCtl(row, R::kRowChoice).selected = -1;
    RowCtl(row, R::kRowGroup).text = "Option";
    ResetRecord(rowRecord[row]);
    rowRecord[row] = -1;
    RefreshOptionLists();
    UpdateGraphCommand();
    UpdatePrompt();
    if (observer) observer->RowChanged();
}

}  // namespace qx
