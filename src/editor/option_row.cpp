#include "editor/option_row.h"

#include <cmath>

#include "editor/choice_lists.h"
#include "editor/editor_text.h"
#include "pricing/date_text.h"
#include "pricing/expiration_calendar.h"
#include "pricing/market_close.h"
#include "pricing/number_text.h"
#include "pricing/option.h"
#include "pricing/option_code.h"
#include "shell/document.h"
#include "shell/market_environment.h"
#include "shell/number_box.h"
#include "shell/settings.h"

namespace qx {

namespace {

using R = RowControl;

constexpr Caption<RowControl> kRowCaptions[] = {
    {R::kRowGroup, "Option"},
    {R::kExpiresLabel, "Expires"},
    {R::kDaysLeftLabel, "Days Left"},
    {R::kStrikeLabel, "Strike"},
    {R::kFairValueLabel, "Fair Value"},
    {R::kCallButton, "Call"},
    {R::kPutButton, "Put"},
    {R::kRowPriceLabel, "Price"},
    {R::kImpliedVolatilityLabel, "Implied Volatility"},
    {R::kContractsLabel, "Contracts"},
    {R::kRowBuy, "Buy"},
    {R::kRowSell, "Sell"},
    {R::kRowFeesLabel, "Fees"},
    {R::kRowNetLabel, "NET"},
    {R::kClear, "Clear"},
};

constexpr RowControl kTextHighlighted[] = {R::kDaysLeft, R::kFairValue, R::kImpliedVolatility,
                                           R::kRowFees, R::kRowNet};

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

// Forgets the option's type: the setter refuses "unset", so the record is cleared and
// given back everything but its type, strike, price, contracts and side.
void ForgetType(Option& option, const Settings& settings) {
    Option kept;
    kept.CopyFrom(option);
    option.Clear();
    option.SetUnderlyingPrice(kept.GetUnderlyingPrice());
    option.SetFees(kept.GetFees());
    option.SetDaysLeft(kept.GetDaysLeft());
    RedateOption(option, settings);  // the time to the close, from the dates Clear kept
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
    if (option.GetOptionType() == OptionType::kNone) return RowEntry::kType;
    if (option.GetPrice() == 0) return RowEntry::kPrice;
    if (option.GetContracts() == 0) return RowEntry::kContracts;
    if (option.GetSide() == Side::kNone) return RowEntry::kSide;
    return RowEntry::kComplete;
}

// What the status line asks for, by the first missing field.
constexpr const char* kMissingPhrases[] = {
    "enter expiration for option ",          "enter strike for option ",
    "select call or put for option ",        "enter price for option ",
    "enter number of contracts for option ", "enter buy or sell for option "};

}  // namespace

OptionRow::OptionRow(Document& document, const Settings& settings, const CTime& valuationDate,
                     Messages& messages)
    : document(document), settings(settings), valuationDate(valuationDate), messages(messages) {
    for (const auto& caption : kRowCaptions) Ctl(caption.control).text = caption.text;
    Ctl(R::kRowGroup).color = TextColor::kGroupHighlight;
    for (RowControl control : kTextHighlighted) Ctl(control).color = TextColor::kTextHighlight;
    Ctl(R::kContracts).items = ContractsList();
    ShowControls(false);
}

const Option& OptionRow::GetOption() const { return document.GetOption(record); }

Option& OptionRow::Record() { return document.GetOption(record); }

bool OptionRow::LeaveBox(RowControl control, const std::string& text) {
    if (!HasRecord()) return false;
    switch (control) {
        case R::kExpires: EnterExpiration(text); return true;
        case R::kStrike: EnterStrike(text, false); return true;
        case R::kRowPrice: EnterPrice(text); return true;
        case R::kContracts: EnterContracts(text, false); return true;
        default: return false;
    }
}

bool OptionRow::ChooseItem(RowControl control, const std::string& item) {
    if (!HasRecord()) return false;
    switch (control) {
        case R::kExpires: ChooseExpiration(item); return true;
        case R::kStrike: EnterStrike(item, true); return true;
        case R::kContracts: EnterContracts(item, true); return true;
        default: return false;
    }
}

bool OptionRow::ClickButton(RowControl control) {
    if (!HasRecord()) return false;
    switch (control) {
        case R::kCallButton: ClickType(OptionType::kCall); return true;
        case R::kPutButton: ClickType(OptionType::kPut); return true;
        case R::kRowBuy: ClickSide(Side::kBuy); return true;
        case R::kRowSell: ClickSide(Side::kSell); return true;
        case R::kClear: Clear(); return true;
        default: return false;
    }
}

void OptionRow::ShowRecord(int index) {
    record = index;
    Ctl(R::kRowChoice).selected = index;
    ShowControls(true);
    Fill();
    ShowDaysLeft();
    ShowValues();
    ShowNet();
    ShowTitle();
}

void OptionRow::Detach() {
    ShowControls(false);
    record = -1;
    Ctl(R::kRowChoice).selected = -1;
    ShowTitle();
}

void OptionRow::Clear() {
    ResetRecord();
    Detach();
    ShowChoice(true);
}

void OptionRow::ResetRecord() {
    Option& option = Record();
    ResetOption(option, settings);
    option.SetUnderlyingPrice(document.GetStock().GetPrice());
}

// Entry order is expiration, strike, call/put, price, contracts, buy/sell: a missing
// field voids every field after it.
void OptionRow::Check() {
    if (!HasRecord()) return;
    Option& option = Record();
    switch (FirstMissing(option)) {
        case RowEntry::kExpiration:
            ResetRecord();
            VoidEntries();
            break;
        case RowEntry::kStrike:
            Ctl(R::kCallButton).checked = Ctl(R::kPutButton).checked = false;
            ForgetType(option, settings);
            Ctl(R::kRowPrice).text = "";
            VoidPosition();
            break;
        case RowEntry::kType:
        case RowEntry::kPrice:
            option.SetPrice(0);
            Ctl(R::kRowPrice).text = "";
            VoidPosition();
            break;
        case RowEntry::kContracts:
            option.SetSide(Side::kNone);
            Ctl(R::kRowBuy).checked = Ctl(R::kRowSell).checked = false;
            break;
        case RowEntry::kSide:
        case RowEntry::kComplete: break;
    }
    ShowValues();
    ShowNet();
}

std::string OptionRow::Phrase() const {
    if (!HasRecord()) return "";
    const RowEntry missing = FirstMissing(GetOption());
    if (missing == RowEntry::kComplete) return "";
    return kMissingPhrases[static_cast<int>(missing)] + IntegerText(record + 1);
}

bool OptionRow::IsTraded() const { return HasRecord() && GetOption().GetSide() != Side::kNone; }

// The row's entries after an expiration that is no longer valid.
void OptionRow::VoidEntries() {
    SetListText(Ctl(R::kStrike), "");
    Ctl(R::kCallButton).checked = Ctl(R::kPutButton).checked = false;
    Ctl(R::kRowPrice).text = "";
    SetListText(Ctl(R::kContracts), "");
    Ctl(R::kRowBuy).checked = Ctl(R::kRowSell).checked = false;
}

void OptionRow::VoidPosition() {
    Option& option = Record();
    option.SetContracts(0);
    SetListText(Ctl(R::kContracts), "");
    option.SetSide(Side::kNone);
    Ctl(R::kRowBuy).checked = Ctl(R::kRowSell).checked = false;
}

void OptionRow::ShowValues() {
    if (!HasRecord()) return;
    const Option& option = GetOption();
    Ctl(R::kFairValue).text = NumberText(option.FairValue(), 3, false);
    const double v = option.ImpliedVolatility();
    std::string text;
    if (std::isfinite(v) && v > 0.01) text = v >= 2 ? "2.000" : NumberText(v, 3, false);
    Ctl(R::kImpliedVolatility).text = text;
}

void OptionRow::ShowDaysLeft() {
    if (!HasRecord()) return;
    const Option& option = GetOption();
    const int days = option.GetDaysLeft();
    // Valued to the close, the last day counts in hours.
    const bool lastDay = settings.valueToClose && days > 0 &&
                         IsExpirationDay(option.GetValuationDate(), option.GetExpiration());
    Ctl(R::kDaysLeft).text = lastDay ? HoursLeftText(option.GetYears()) : IntegerText(days);
}

void OptionRow::ShowNet() {
    if (!HasRecord()) return;
    const Option& option = GetOption();
    const double cash = option.CashFlow();
    Ctl(R::kRowNet).text = MoneyText(cash, settings);
    // A row without a trade has no fees to show; an old amount would mislead.
    Ctl(R::kRowFees).text =
        cash != 0 ? MoneyText(option.GetContracts() * option.GetFees(), settings) : "";
}

void OptionRow::ShowTitle() {
    std::string title = "Option";
    if (HasRecord()) {
        title += " " + IntegerText(record + 1);
        // Today's symbol needs the underlying's; the classic code names few of today's strikes.
        const std::string occ = OccSymbol(GetOption(), document.GetStock().GetSymbol());
        const std::string code = occ.empty() ? GetOption().SymbolCode() : occ;
        if (!code.empty()) title += " " + code;
    }
    Ctl(R::kRowGroup).text = title;
}

void OptionRow::RewritePrices() {
    if (!HasRecord()) return;
    SetListText(Ctl(R::kStrike), PriceText(GetOption().GetStrike(), settings));
    Ctl(R::kRowPrice).text = PriceText(GetOption().GetPrice(), settings);
}

void OptionRow::ShowControls(bool shown) {
    for (RowControl control : kAlwaysShown) Ctl(control).visible = shown;
    for (RowControl control : kPositionControls) Ctl(control).visible = shown && settings.basicMode;
    for (RowControl control : kFeeControls) Ctl(control).visible = shown && FeesInForce(settings);
}

void OptionRow::SetExpirationItems(std::vector<std::string> months) {
    SetListItems(Ctl(R::kExpires), std::move(months));
}

void OptionRow::SetStrikeItems(std::vector<std::string> strikes) {
    SetListItems(Ctl(R::kStrike), std::move(strikes));
}

void OptionRow::SetRecordChoices(std::vector<std::string> items, int otherRecord) {
    Control& list = Ctl(R::kRowChoice);
    list.items = std::move(items);
    list.selected = record;
    list.unavailable = otherRecord >= 0 ? std::vector<int>{otherRecord} : std::vector<int>{};
}

// The entry boxes from the record.
void OptionRow::Fill() {
    const Option& option = GetOption();
    SetListText(Ctl(R::kExpires), option.ExpirationText());
    SetListText(Ctl(R::kStrike), PriceText(option.GetStrike(), settings));
    Ctl(R::kCallButton).checked = option.GetOptionType() == OptionType::kCall;
    Ctl(R::kPutButton).checked = option.GetOptionType() == OptionType::kPut;
    Ctl(R::kRowPrice).text = PriceText(option.GetPrice(), settings);
    SetListText(Ctl(R::kContracts), IntegerText(option.GetContracts()));
    Ctl(R::kRowBuy).checked = option.GetSide() == Side::kBuy;
    Ctl(R::kRowSell).checked = option.GetSide() == Side::kSell;
}

void OptionRow::EnterExpiration(const std::string& text) {
    Option& option = Record();
    CTime date;
    if (ParseDate(text, settings.dateFormat, date) == 0) {
        SetListText(Ctl(R::kExpires), DateBoxText(date, settings));
        SetOptionDates(option, valuationDate, date, settings);
    } else {
        std::string month = text;
        const CTime expiration = ExpirationFromMonthText(month, MonthlyExpirationOf(settings));
        if (expiration == CTime(1970, 1, 1)) {
            option.SetDaysLeft(0);
            SetListText(Ctl(R::kExpires), "");
        } else {
            SetOptionDates(option, valuationDate, expiration, settings);
            SetListText(Ctl(R::kExpires), option.ExpirationText());
        }
    }
    Check();
    ShowDaysLeft();
    ShowValues();
}

void OptionRow::ChooseExpiration(const std::string& month) {
    std::string text = month;
    const CTime expiration = ExpirationFromMonthText(text, MonthlyExpirationOf(settings));
    SetOptionDates(Record(), valuationDate, expiration, settings);
    SetListText(Ctl(R::kExpires), month);
    ShowDaysLeft();
    ShowValues();
}

// The row's box named, as a refusal names it.
std::string OptionRow::BoxName(const char* box) const {
    return std::string(box) + " of Option " + IntegerText(record + 1);
}

// A typed number of the row's box named; nothing when the box refuses the text.
std::optional<double> OptionRow::ReadRowNumber(const std::string& text, const char* box) {
    return ReadNumberBox(text, BoxName(box), messages, MessageOwner::kMainWindow);
}

void OptionRow::EnterStrike(const std::string& text, bool chosen) {
    const std::optional<double> read = ReadRowNumber(text, "Strike");
    if (!read) {
        SetListText(Ctl(R::kStrike), PriceText(GetOption().GetStrike(), settings));
        return;
    }
    const double x = *read;
    // A strike the record refuses (beyond any market) reads as no strike.
    const bool valid = x > 0 && Record().SetStrike(x) == 0;
    if (!valid) Record().SetStrike(0);
    SetListText(Ctl(R::kStrike), chosen ? text : valid ? PriceText(x, settings) : "");
    Check();
}

// Call and Put act as a pair; changing the type voids the price quoted for the other.
void OptionRow::ClickType(OptionType type) {
    Control& clicked = Ctl(type == OptionType::kCall ? R::kCallButton : R::kPutButton);
    Control& other = Ctl(type == OptionType::kCall ? R::kPutButton : R::kCallButton);
    if (other.checked) {
        other.checked = false;
        Record().SetPrice(0);
        Ctl(R::kRowPrice).text = "";
    }
    clicked.checked = true;
    Record().SetOptionType(type);
    Check();
}

void OptionRow::EnterPrice(const std::string& text) {
    const std::optional<double> read = ReadRowNumber(text, "Price");
    if (!read) {
        Ctl(R::kRowPrice).text = PriceText(GetOption().GetPrice(), settings);
        return;
    }
    const double x = *read;
    const bool valid = x > 0 && Record().SetPrice(x) == 0;
    if (!valid) Record().SetPrice(0);
    Ctl(R::kRowPrice).text = valid ? PriceText(x, settings) : "";
    Check();
}

void OptionRow::EnterContracts(const std::string& text, bool chosen) {
    const std::optional<int> read =
        ReadIntegerBox(text, BoxName("Contracts"), messages, MessageOwner::kMainWindow);
    if (!read) {
        SetListText(Ctl(R::kContracts), IntegerText(GetOption().GetContracts()));
        return;
    }
    const int n = *read;
    const bool valid = n >= 1;
    SetListText(Ctl(R::kContracts), chosen ? text : valid ? IntegerText(n) : "");
    Record().SetContracts(valid ? n : 0);
    Check();
}

void OptionRow::ClickSide(Side side) {
    Ctl(R::kRowBuy).checked = side == Side::kBuy;
    Ctl(R::kRowSell).checked = side == Side::kSell;
    Record().SetSide(side);
    Check();
}

}  // namespace qx
