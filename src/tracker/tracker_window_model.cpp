#include "tracker/tracker_window_model.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/messages.h"
#include "pricing/date_text.h"
#include "pricing/number_text.h"
#include "pricing/record_name.h"
#include "shell/number_box.h"
#include "shell/settings.h"
#include "tracker/tran_list.h"

namespace qx {

namespace {

// Digits and thousands separators only: a count the user may still be typing.
bool IsCountBeingTyped(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](char c) { return c == ',' || (c >= '0' && c <= '9'); });
}

// A count of at least one, or an empty box.
std::string UnitsText(int units) { return units < 1 ? "" : IntegerText(units); }

using C = TrackerControl;

// The entry controls, which the control sets show and hide; the date stays.
constexpr C kEntryControls[] = {C::kOpen, C::kClose, C::kExercise,   C::kUnitsLabel, C::kUnits,
                                C::kBuy,  C::kSell,  C::kPriceLabel, C::kPrice,      C::kFees};

std::vector<std::string> UnitsItems(bool contracts) {
    std::vector<std::string> items;
    if (contracts) {
        for (int n = 1; n <= 10; ++n) items.push_back(IntegerText(n));
        for (int n : {15, 20, 25}) items.push_back(IntegerText(n));
    } else {
        for (int n = 100; n <= 1000; n += 100) items.push_back(IntegerText(n));
        for (int n : {1500, 2000, 2500}) items.push_back(IntegerText(n));
    }
    return items;
}

// The captions the controls start with.
constexpr Caption<C> kCaptions[] = {
    {C::kEntryLabel, "Entry"},
    {C::kDateLabel, "Trans. Date"},
    {C::kOpen, "Open"},
    {C::kClose, "Close"},
    {C::kExercise, "Exercise"},
    {C::kUnitsLabel, "Shares"},
    {C::kBuy, "Buy"},
    {C::kSell, "Sell"},
    {C::kPriceLabel, "Price"},
    {C::kFees, "Fees"},
    {C::kClear, "Clear"},
    {C::kRecord, "Record"},
    {C::kChange, "Change"},
    {C::kDelete, "Delete"},
    {C::kGraph, "Graph!"},
    {C::kExport, "Export..."},
    {C::kImport, "Import..."},
    {C::kImportStatement, "Import Statement..."},
    {C::kResults, "Results"},
    {C::kShowAll, "Show all transactions"},
    {C::kShowOpenOnly, "Show open transactions only"},
};

}  // namespace

TrackerWindowModel::TrackerWindowModel(const Stock& underlying,
                                       std::array<const Option*, kOptionSlots> optionRecords,
                                       TranList& list, Settings& settingsRecord,
                                       Messages& messageBoxes, FileChooser& fileChooser,
                                       const Clock& now)
    : stock(underlying),
      options(optionRecords),
      transactions(list),
      settings(settingsRecord),
      messages(messageBoxes),
      files(fileChooser),
      clock(now) {
    InitControls();
}

void TrackerWindowModel::InitControls() {
    for (const auto& caption : kCaptions) Ctl(caption.control).text = caption.text;
    ShowSet(ControlSet::kNone);
}

void TrackerWindowModel::Open() {
    Ctl(C::kShowOpenOnly).checked = settings.showOpenOnly;
    Ctl(C::kShowAll).checked = !settings.showOpenOnly;
    BuildRows();
    Ctl(C::kEntryList).selected = -1;
    RefillEntries();
    form.SetDate(clock.Now());
    ShowFormDate();
    RefreshButtons();
}

void TrackerWindowModel::RefillEntries() {
    std::vector<std::string> items = {stock.GetSymbol()};
    for (int slot = 0; slot < kOptionSlots; ++slot) {
        const std::string description = options[slot]->Description();
        items.push_back(description.empty() ? IntegerText(slot + 1) + " New Option" : description);
    }
    items.push_back("Dividend");
    Control& entries = Ctl(C::kEntryList);
    const int chosen = entries.selected;
    // The form was filled from the chosen entry; an entry that now reads otherwise
    // (another series, another symbol) no longer describes it.
    const bool stillSame = chosen >= 0 && chosen < static_cast<int>(entries.items.size()) &&
                           entries.items[chosen] == items[chosen];
    entries.items = std::move(items);
    if (!stillSame && chosen >= 0) {
        entries.selected = -1;
        RefreshButtons();
    }
}

void TrackerWindowModel::DocumentReplaced() {
    BuildRows();
    Ctl(C::kEntryList).selected = -1;
    RefillEntries();
    RefreshButtons();
}

void TrackerWindowModel::LeaveBox(TrackerControl box, const std::string& text) {
    refusedRead = false;
    switch (box) {
        case C::kDate: EnterDate(text); break;
        case C::kUnits: EnterUnits(text); return;
        case C::kPrice: EnterPrice(text); break;
        default: return;
    }
    RefreshButtons();
}

void TrackerWindowModel::EditUnits(const std::string& text) {
    if (const std::optional<int> read = ReadInteger(text)) {
        TakeUnits(*read);
    } else if (IsCountBeingTyped(text)) {
        // "1," on the way to "1,000" stays as typed; the box is judged when left.
        Ctl(C::kUnits).text = text;
    } else {
        Ctl(C::kUnits).text = UnitsText(form.GetUnits());
    }
}

void TrackerWindowModel::EnterUnits(const std::string& text) {
    const std::optional<int> read =
        ReadIntegerBox(text, Ctl(C::kUnitsLabel).text, messages, MessageOwner::kTracker);
    if (read) {
        TakeUnits(*read);
        return;
    }
    refusedRead = true;
    Ctl(C::kUnits).text = UnitsText(form.GetUnits());
}

void TrackerWindowModel::TakeUnits(int units) {
    Control& box = Ctl(C::kUnits);
    box.text = UnitsText(units);
    box.selected = -1;
    form.SetUnits(units < 1 ? 0 : units);
    RefreshButtons();
}

TrackerRequest TrackerWindowModel::ChooseItem(TrackerControl list, int item) {
    if (list == C::kEntryList) return ChooseEntry(item);
    Control& units = Ctl(C::kUnits);
    if (list == C::kUnits && item >= 0 && item < static_cast<int>(units.items.size())) {
        units.selected = item;
        units.text = units.items[item];
        form.SetUnits(ReadInteger(units.text).value_or(0));
        RefreshButtons();
    }
    return TrackerRequest::kNone;
}

TrackerRequest TrackerWindowModel::ChooseEntry(int entry) {
    ClearEntryControls();
    form.Clear();
    Ctl(C::kEntryList).selected = entry;
    if (entry == kUnderlyingEntry) {
        if (stock.GetPrice() == 0) return RefuseEntry();
        ShowSet(ControlSet::kUnderlying);
        form.SetKind(TranKind::kUnderlying);
        form.SetUnitsPerContract(stock.GetUnitsPerContract());
        form.SetAssetType(stock.GetAssetType());
        // Only a symbol kept from an earlier edition's document can be too long.
        if (form.SetName(stock.GetSymbol()) != 0)
            messages.Warning(NameTooLongText("The entry"), kMessageCaption, MessageOwner::kTracker);
        FillUnits(stock.GetAssetType() == AssetType::kFuture);
    } else if (entry > kUnderlyingEntry && entry < kDividendEntry) {
        const Option& option = *options[entry - 1];
        if (option.GetOptionType() == OptionType::kNone) return RefuseEntry();
        ShowSet(ControlSet::kOption);
        FillUnits(true);
        form.SetKind(TranKind::kOption);
        form.SetUnitsPerContract(option.GetUnitsPerContract());
        form.SetStrike(option.GetStrike());
        form.SetOptionType(option.GetOptionType());
        form.SetExpiration(option.GetExpiration());
        form.SetName(option.Description());
        form.SetAssetType(option.GetAssetType());
    } else if (entry == kDividendEntry) {
        ShowSet(ControlSet::kDividend);
        form.SetKind(TranKind::kDividend);
        form.SetUnitsPerContract(1);
        form.SetName("Dividend");
    } else {
        Ctl(C::kEntryList).selected = -1;
    }
    selectedRow = -1;
    RefreshButtons();
    return TrackerRequest::kNone;
}

// An entry whose record the editor has not filled yet cannot be chosen: the editor
// gets the focus, so the user fills it in there first.
TrackerRequest TrackerWindowModel::RefuseEntry() {
    Ctl(C::kEntryList).selected = -1;
    ShowSet(ControlSet::kNone);
    selectedRow = -1;
    RefreshButtons();
    return TrackerRequest::kFocusEditor;
}

void TrackerWindowModel::ShowSet(ControlSet set) {
    for (C control : kEntryControls) Ctl(control).visible = false;
    if (set == ControlSet::kNone) return;
    Ctl(C::kPrice).visible = Ctl(C::kPriceLabel).visible = true;
    Ctl(C::kPriceLabel).text = set == ControlSet::kDividend ? "Amount" : "Price";
    if (set == ControlSet::kDividend) return;
    for (C control : {C::kOpen, C::kClose, C::kUnitsLabel, C::kUnits, C::kFees})
        Ctl(control).visible = true;
    Ctl(C::kExercise).visible = set == ControlSet::kOption;
    const bool sides = set == ControlSet::kUnderlying || form.GetAction() != TranAction::kExercise;
    Ctl(C::kBuy).visible = Ctl(C::kSell).visible = sides;
}

void TrackerWindowModel::FillUnits(bool contracts) {
    Ctl(C::kUnits).items = UnitsItems(contracts);
    Ctl(C::kUnits).selected = -1;
    Ctl(C::kUnitsLabel).text = contracts ? "Contracts" : "Shares";
}

void TrackerWindowModel::ClearEntryControls() {
    for (C control : {C::kOpen, C::kClose, C::kExercise, C::kBuy, C::kSell, C::kFees})
        Ctl(control).checked = false;
    Ctl(C::kUnits).text.clear();
    Ctl(C::kUnits).selected = -1;
    Ctl(C::kPrice).text.clear();
}

void TrackerWindowModel::CheckAction(TranAction action) {
    Ctl(C::kOpen).checked = action == TranAction::kOpen;
    Ctl(C::kClose).checked = action == TranAction::kClose;
    Ctl(C::kExercise).checked = action == TranAction::kExercise;
}

void TrackerWindowModel::CheckSide(Side side) {
    Ctl(C::kBuy).checked = side == Side::kBuy;
    Ctl(C::kSell).checked = side == Side::kSell;
}

TrackerRequest TrackerWindowModel::ClickButton(TrackerControl control) {
    TrackerRequest request = TrackerRequest::kNone;
    switch (control) {
        case C::kOpen:
        case C::kClose:
            CheckAction(control == C::kOpen ? TranAction::kOpen : TranAction::kClose);
            form.SetAction(control == C::kOpen ? TranAction::kOpen : TranAction::kClose);
            if (form.GetKind() != TranKind::kDividend)
                Ctl(C::kBuy).visible = Ctl(C::kSell).visible = true;
            break;
        case C::kExercise:
            CheckAction(TranAction::kExercise);
            form.SetAction(TranAction::kExercise);
            // The list gives an exercise the side opposite to the opening it exercises.
            Ctl(C::kBuy).visible = Ctl(C::kSell).visible = false;
            CheckSide(Side::kNone);
            form.SetSide(Side::kNone);
            // Exercised at the underlying's price in the editor, as the box shows it.
            EnterPrice(
                NumberText(stock.GetPrice(), settings.significantDigits, settings.showFractions));
            break;
        case C::kBuy:
        case C::kSell:
            CheckSide(control == C::kBuy ? Side::kBuy : Side::kSell);
            form.SetSide(control == C::kBuy ? Side::kBuy : Side::kSell);
            break;
        case C::kFees: ClickFees(); break;
        case C::kClear: {
            ClearEntryControls();
            const TranKind kind = form.GetKind();
            form.Clear();
            form.SetKind(kind);
            break;
        }
        case C::kRecord: Record(); break;
        case C::kChange: ChangeRow(); break;
        case C::kDelete: DeleteRow(); break;
        case C::kGraph: request = HandToGraph(); break;
        case C::kShowAll:
        case C::kShowOpenOnly: ShowView(control == C::kShowOpenOnly); break;
        case C::kExport: Export(); break;
        case C::kImport: Import(); break;
        case C::kImportStatement: request = TrackerRequest::kImportStatement; break;
        case C::kResults: request = TrackerRequest::kShowResults; break;
        default: return request;
    }
    RefreshButtons();
    return request;
}

void TrackerWindowModel::ClickFees() {
    Control& fees = Ctl(C::kFees);
    fees.checked = !fees.checked;
    const double perTrade =
        form.GetKind() == TranKind::kUnderlying ? settings.underlyingFees : settings.optionFees;
    form.SetFees(fees.checked ? perTrade : 0);
}

void TrackerWindowModel::EnterDate(const std::string& text) {
    CTime date;
    if (ParseDate(text, settings.dateFormat, date) == 0) form.SetDate(date);
    ShowFormDate();
}

void TrackerWindowModel::ShowFormDate() { Ctl(C::kDate).text = DateCell(form.GetDate()); }

void TrackerWindowModel::EnterPrice(const std::string& text) {
    const std::optional<double> read =
        ReadNumberBox(text, Ctl(C::kPriceLabel).text, messages, MessageOwner::kTracker);
    if (!read) refusedRead = true;
    const double price = read.value_or(form.GetPrice());
    const bool positive = price > 0;
    Ctl(C::kPrice).text =
        positive ? NumberText(price, settings.significantDigits, settings.showFractions) : "";
    form.SetPrice(positive ? price : 0);
}

void TrackerWindowModel::RefreshButtons() {
    const bool complete = form.IsComplete();
    const bool rowChosen = selectedRow >= 0;
    const bool entryChosen = GetControl(C::kEntryList).selected >= 0;
    Ctl(C::kRecord).enabled = complete && (rowChosen || entryChosen);
    Ctl(C::kChange).enabled = !IsOpenView() && complete && rowChosen;
    Ctl(C::kDelete).enabled = !IsOpenView() && rowChosen;
    // Positions fill their slots from 0, the underlying first: an option position, if
    // any is open, is in slot 0 or 1.
    transactions.BuildPositions();
    bool optionOpen = false;
    for (int slot = 0; slot < 2; ++slot) {
        Tran position;
        optionOpen = optionOpen || (transactions.GetPosition(slot, position) == 0 &&
                                    position.GetKind() == TranKind::kOption);
    }
    Ctl(C::kGraph).enabled = optionOpen;
    if (!rowChosen && !entryChosen) {
        form.Clear();
        ShowSet(ControlSet::kNone);
    }
}

}  // namespace qx
