#include "editor/editor_model.h"

#include <algorithm>

#include "editor/choice_lists.h"
#include "editor/clock.h"
#include "platform/messages.h"
#include "pricing/number_text.h"
#include "pricing/record_name.h"
#include "pricing/slider_text.h"
#include "shell/document.h"
#include "shell/settings.h"

namespace qx {

namespace {

using C = EditorControl;
using R = RowControl;

constexpr Caption<EditorControl> kEnvironmentCaptions[] = {
    {C::kEnvironmentGroup, "Environment"},
    {C::kSymbolLabel, "Symbol"},
    {C::kStock, "Stock"},
    {C::kIndex, "Index"},
    {C::kFuture, "Future"},
    {C::kDateLabel, "Date"},
    {C::kPriceLabel, "Price"},
    {C::kSharesLabel, kSharesLabelText},
    {C::kBuyButton, "Buy"},
    {C::kSellButton, "Sell"},
    {C::kFeesLabel, "Fees"},
    {C::kNetLabel, "NET"},
    {C::kUnitsLabel, "Units/Contract"},
    {C::kVolatilityLabel, "Volatility"},
    {C::kInterestLabel, "Interest"},
    {C::kDividendLabel, "Dividend"},
    {C::kGraphButton, "Graph!"},
    {C::kTrackerButton, "Tracker"},
};

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

constexpr EditorControl kTextHighlighted[] = {C::kVolatilityText, C::kInterestText,
                                              C::kDividendText, C::kFees, C::kNet};
constexpr RowControl kRowTextHighlighted[] = {R::kDaysLeft, R::kFairValue, R::kImpliedVolatility,
                                              R::kRowFees, R::kRowNet};

}  // namespace

EditorModel::EditorModel(Settings& settings, Messages& messages, Desktop& desktop,
                         const Clock& clock)
    : settings(settings),
      messages(messages),
      desktop(desktop),
      clock(clock),
      document(std::make_unique<Document>(settings, messages)) {
    InitControls();
    OpenWindow();
    saved.Take(*document);
}

EditorModel::~EditorModel() = default;

void EditorModel::SetObserver(EditorObserver* value) { observer = value; }

// Texts, colours and the fixed lists; the rows start hidden until a price is entered.
void EditorModel::InitControls() {
    for (const auto& caption : kEnvironmentCaptions) Ctl(caption.control).text = caption.text;
    Ctl(C::kEnvironmentGroup).color = TextColor::kGroupHighlight;
    for (EditorControl control : kTextHighlighted) Ctl(control).color = TextColor::kTextHighlight;
    for (EditorControl control : {C::kModeLabel, C::kRuleLabel, C::kPrompt})
        Ctl(control).color = TextColor::kMessageHighlight;
    Ctl(C::kVolatilitySlider).minimum = 1;
    Ctl(C::kVolatilitySlider).maximum = 99;
    Ctl(C::kInterestSlider).maximum = 150;
    Ctl(C::kDividendSlider).maximum = 150;
    Ctl(C::kUnits).items = UnitsList();
    for (EditorControl control : {C::kFeesLabel, C::kFees, C::kUnitsLabel, C::kUnits})
        Ctl(control).visible = false;
    for (int row = 0; row < kEditorRows; ++row) {
        for (const auto& caption : kRowCaptions) RowCtl(row, caption.control).text = caption.text;
        RowCtl(row, R::kRowGroup).color = TextColor::kGroupHighlight;
        for (RowControl control : kRowTextHighlighted)
            RowCtl(row, control).color = TextColor::kTextHighlight;
        RowCtl(row, R::kContracts).items = ContractsList();
        HideRows(row);
    }
    for (EditorCommand choice : {EditorCommand::kBasicMode, EditorCommand::kAdvancedMode,
                                 EditorCommand::kEuropeanRule, EditorCommand::kAmericanRule})
        menu.Add(choice, MenuMark::kRadio);
    for (EditorCommand toggle : {EditorCommand::kIncludeFees, EditorCommand::kShowDecimal,
                                 EditorCommand::kShowUnits, EditorCommand::kDividend})
        menu.Add(toggle, MenuMark::kCheck);
    menu.Add(EditorCommand::kGraph).enabled = Ctl(C::kGraphButton).enabled = false;
}

// The main window's opening: asset type, sliders, empty rows, the settings' modes and
// toggles, today's date and the lists.
void EditorModel::OpenWindow() {
    Stock& stock = document->GetStock();
    stock.SetSymbol("");
    ChooseAssetType(std::clamp(settings.assetType, 1, 3));
    ShowSliders();
    // Every leg starts with the settings' environment, fees included only while on.
    ApplyEnvironment();
    rowRecord[0] = rowRecord[1] = -1;
    RefreshOptionLists();
    SetDividendShown(settings.includeDividend);
    SetFractionsShown(settings.showFractions);
    SetEuropeanRule(settings.europeanRule);
    SetBasicMode(settings.basicMode);
    SetUnitsShown(settings.showContractUnits);
    valuationDate = startupDate = clock.Now();
    ShowDateBox();
    RebuildExpirationLists();
    ForEachSlot([&](Option& option) { option.SetUnitsPerContract(settings.unitsPerContract); });
    rowsEnabled = false;
    recordsWithSide = 0;
    UpdatePrompt();
}

Option& EditorModel::Slot(int index) { return document->GetOption(index); }

const Option& EditorModel::Slot(int index) const { return document->GetOption(index); }

const Control& EditorModel::GetControl(EditorControl control) const {
    static const Control kNoControl;
    return IsControl(control) ? controls[static_cast<int>(control)] : kNoControl;
}

const MenuItem& EditorModel::GetMenuItem(EditorCommand command) const { return menu.Get(command); }

// Replaces a list's items; the text typed in its box stays, selected when it is one of
// the new items.
void EditorModel::SetListItems(EditorControl control, std::vector<std::string> items) {
    Ctl(control).items = std::move(items);
    SetListText(control, Ctl(control).text);
}

void EditorModel::SetListText(EditorControl control, const std::string& text) {
    Control& list = Ctl(control);
    list.text = text;
    const auto found = std::find(list.items.begin(), list.items.end(), text);
    list.selected = found == list.items.end() || text.empty()
                        ? -1
                        : static_cast<int>(found - list.items.begin());
}

void EditorModel::LeaveBox(EditorControl control, const std::string& text) {
    if (!IsControl(control) || !Ctl(control).visible) return;
    switch (control) {
        case C::kSymbol:
            if (document->GetStock().SetSymbol(text) != 0)
                messages.Warning(NameTooLongText("The symbol"), kMessageCaption,
                                 MessageOwner::kMainWindow);
            Ctl(C::kSymbol).text = document->GetStock().GetSymbol();
            return;
        case C::kDate: return EnterDate(text);
        case C::kPrice: return EnterPrice(text);
        case C::kShares: return EnterShares(text, false);
        case C::kUnits: return EnterUnits(text);
        default: break;
    }
    if (!IsRowControl(control)) return;
    const int row = RowOf(control);
    if (!HasRecord(row)) return;
    switch (RowControlOf(control)) {
        case R::kExpires: return EnterExpiration(row, text);
        case R::kStrike: return EnterStrike(row, text, false);
        case R::kRowPrice: return EnterRowPrice(row, text);
        case R::kContracts: return EnterContracts(row, text, false);
        default: return;
    }
}

void EditorModel::ChooseItem(EditorControl control, int item) {
    if (!IsControl(control) || !Ctl(control).visible) return;
    if (item < 0 || item >= static_cast<int>(Ctl(control).items.size())) return;
    const std::string entry = Ctl(control).items[item];
    switch (control) {
        case C::kShares: return EnterShares(entry, true);
        case C::kUnits: return EnterUnits(entry);
        default: break;
    }
    if (!IsRowControl(control)) return;
    const int row = RowOf(control);
    if (RowControlOf(control) == R::kRowChoice) return ChooseRecord(row, item);
    if (!HasRecord(row)) return;
    switch (RowControlOf(control)) {
        case R::kExpires: return ChooseExpiration(row, entry);
        case R::kStrike: return EnterStrike(row, entry, true);
        case R::kContracts: return EnterContracts(row, entry, true);
        default: return;
    }
}

EditorRequest EditorModel::ClickButton(EditorControl control) {
    if (!IsControl(control)) return EditorRequest::kNone;
    if (!Ctl(control).visible || !Ctl(control).enabled) return EditorRequest::kNone;
    switch (control) {
        case C::kStock: ChooseAssetType(kStockAsset); break;
        case C::kIndex: ChooseAssetType(kIndexAsset); break;
        case C::kFuture: ChooseAssetType(kFutureAsset); break;
        case C::kBuyButton: ClickSide(kBuy); break;
        case C::kSellButton: ClickSide(kSell); break;
        case C::kGraphButton: return Command(EditorCommand::kGraph);
        case C::kTrackerButton: return Command(EditorCommand::kTracker);
        default:
            if (IsRowControl(control)) ClickRowButton(RowOf(control), RowControlOf(control));
    }
    return EditorRequest::kNone;
}

void EditorModel::ClickRowButton(int row, RowControl control) {
    if (!HasRecord(row)) return;
    switch (control) {
        case R::kCallButton: return ClickType(row, kCall);
        case R::kPutButton: return ClickType(row, kPut);
        case R::kRowBuy: return ClickRowSide(row, kBuy);
        case R::kRowSell: return ClickRowSide(row, kSell);
        case R::kClear: return ClearRow(row);
        default: return;
    }
}

}  // namespace qx
