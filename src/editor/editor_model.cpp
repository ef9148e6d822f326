#include "editor/editor_model.h"

#include <algorithm>

#include "editor/choice_lists.h"
#include "editor/clock.h"
#include "pricing/slider_text.h"
#include "pricing/number_text.h"
#include "shell/document.h"
#include "shell/settings.h"

namespace qx {

namespace {

struct LabelText {
    int control;
    const char* text;
};

constexpr LabelText kEnvironmentTexts[] = {
    {kEnvironmentGroup, "Environment"},
    {kSymbolLabel, "Symbol"},
    {kStock, "Stock"},
    {kIndex, "Index"},
    {kFuture, "Future"},
    {kDateLabel, "Date"},
    {kPriceLabel, "Price"},
    {kSharesLabel, kSharesLabelText},
    {kBuyButton, "Buy"},
    {kSellButton, "Sell"},
    {kFeesLabel, "Fees"},
    {kNetLabel, "NET"},
    {kUnitsLabel, "Units/Contract"},
    {kVolatilityLabel, "Volatility"},
    {kInterestLabel, "Interest"},
    {kDividendLabel, "Dividend"},
    {kGraphButton, "Graph!"},
    {kTrackerButton, "Tracker"},
};

constexpr LabelText kRowTexts[] = {
    {kRowGroup, "Option"},
    {kExpiresLabel, "Expires"},
    {kDaysLeftLabel, "Days Left"},
    {kStrikeLabel, "Strike"},
    {kFairValueLabel, "Fair Value"},
    {kCallButton, "Call"},
    {kPutButton, "Put"},
    {kRowPriceLabel, "Price"},
    {kImpliedVolatilityLabel, "Implied Volatility"},
    {kContractsLabel, "Contracts"},
    {kRowBuy, "Buy"},
    {kRowSell, "Sell"},
    {kRowFeesLabel, "Fees"},
    {kRowNetLabel, "NET"},
    {kClear, "Clear"},
};

constexpr int kTextHighlighted[] = {kVolatilityText, kInterestText, kDividendText, kFees, kNet};
constexpr RowControl kRowTextHighlighted[] = {kDaysLeft, kFairValue, kImpliedVolatility, kRowFees,
                                              kRowNet};

}  // namespace

EditorModel::EditorModel(Settings& settings, Messages& messages, const Clock& clock)
    : settings(settings),
      messages(messages),
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
    for (const LabelText& label : kEnvironmentTexts) Ctl(label.control).text = label.text;
    Ctl(kEnvironmentGroup).color = TextColor::kGroupHighlight;
    for (int control : kTextHighlighted) Ctl(control).color = TextColor::kTextHighlight;
    for (int control : {kModeLabel, kRuleLabel, kPrompt})
        Ctl(control).color = TextColor::kMessageHighlight;
    Ctl(kVolatilitySlider).minimum = 1;
    Ctl(kVolatilitySlider).maximum = 99;
    Ctl(kInterestSlider).maximum = 150;
    Ctl(kDividendSlider).maximum = 150;
    Ctl(kUnits).items = UnitsList();
    for (int control : {kFeesLabel, kFees, kUnitsLabel, kUnits}) Ctl(control).visible = false;
    for (int row = 0; row < kEditorRows; ++row) {
        for (const LabelText& label : kRowTexts)
            RowCtl(row, RowControl(label.control)).text = label.text;
        RowCtl(row, kRowGroup).color = TextColor::kGroupHighlight;
        for (RowControl control : kRowTextHighlighted)
            RowCtl(row, control).color = TextColor::kTextHighlight;
        RowCtl(row, kContracts).items = ContractsList();
        HideRows(row);
    }
    basicModeItem.radio = advancedModeItem.radio = true;
    europeanRuleItem.radio = americanRuleItem.radio = true;
    graphItem.enabled = Ctl(kGraphButton).enabled = false;
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

const Control& EditorModel::GetControl(int control) const {
    static const Control kNoControl;
    if (control < 0 || control >= kEditorControlCount) return kNoControl;
    return controls[control];
}

MenuItem* EditorModel::FindMenuItem(int command) {
    switch (command) {
        case kCommandBasicMode:
            return &basicModeItem;
        case kCommandAdvancedMode:
            return &advancedModeItem;
        case kCommandIncludeFees:
            return &includeFeesItem;
        case kCommandShowDecimal:
            return &showDecimalItem;
        case kCommandShowUnits:
            return &showUnitsItem;
        case kCommandEuropeanRule:
            return &europeanRuleItem;
        case kCommandAmericanRule:
            return &americanRuleItem;
        case kCommandDividend:
            return &dividendItem;
        case kCommandGraph:
            return &graphItem;
        default:
            return nullptr;
    }
}

const MenuItem& EditorModel::GetMenuItem(int command) const {
    static const MenuItem kPlainItem;
    const MenuItem* item = const_cast<EditorModel*>(this)->FindMenuItem(command);
    return item ? *item : kPlainItem;
}

// Replaces a list's items; the text typed in its box stays, selected when it is one of
// the new items.
void EditorModel::SetListItems(int control, std::vector<std::string> items) {
    Ctl(control).items = std::move(items);
    SetListText(control, Ctl(control).text);
}

void EditorModel::SetListText(int control, const std::string& text) {
    Control& list = Ctl(control);
    list.text = text;
    const auto found = std::find(list.items.begin(), list.items.end(), text);
    list.selected = found == list.items.end() || text.empty()
                        ? -1
                        : static_cast<int>(found - list.items.begin());
}

void EditorModel::LeaveBox(int control, const std::string& text) {
    if (control < 0 || control >= kEditorControlCount || !Ctl(control).visible) return;
    switch (control) {
        case kSymbol:
            Ctl(kSymbol).text = text;
            document->GetStock().SetSymbol(text);
            return;
        case kDate:
            return EnterDate(text);
        case kPrice:
            return EnterPrice(text);
        case kShares:
            return EnterShares(text, false);
        case kUnits:
            return EnterUnits(text);
        default:
            break;
    }
    if (control < kEnvironmentControlCount) return;
    const int row = RowOf(control);
    if (!HasRecord(row)) return;
    switch (RowControlOf(control)) {
        case kExpires:
            return EnterExpiration(row, text);
        case kStrike:
            return EnterStrike(row, text, false);
        case kRowPrice:
            return EnterRowPrice(row, text);
        case kContracts:
            return EnterContracts(row, text, false);
        default:
            return;
    }
}

void EditorModel::ChooseItem(int control, int item) {
    if (control < 0 || control >= kEditorControlCount || !Ctl(control).visible) return;
    if (item < 0 || item >= static_cast<int>(Ctl(control).items.size())) return;
    const std::string entry = Ctl(control).items[item];
    switch (control) {
        case kShares:
            return EnterShares(entry, true);
        case kUnits:
            return EnterUnits(entry);
        default:
            break;
    }
    if (control < kEnvironmentControlCount) return;
    const int row = RowOf(control);
    if (RowControlOf(control) == kRowChoice) return ChooseRecord(row, item);
    if (!HasRecord(row)) return;
    switch (RowControlOf(control)) {
        case kExpires:
            return ChooseExpiration(row, entry);
        case kStrike:
            return EnterStrike(row, entry, true);
        case kContracts:
            return EnterContracts(row, entry, true);
        default:
            return;
    }
}

EditorRequest EditorModel::ClickButton(int control) {
    if (control < 0 || control >= kEditorControlCount) return EditorRequest::kNone;
    if (!Ctl(control).visible || !Ctl(control).enabled) return EditorRequest::kNone;
    switch (control) {
        case kStock:
            ChooseAssetType(kStockAsset);
            break;
        case kIndex:
            ChooseAssetType(kIndexAsset);
            break;
        case kFuture:
            ChooseAssetType(kFutureAsset);
            break;
        case kBuyButton:
            ClickSide(kBuy);
            break;
        case kSellButton:
            ClickSide(kSell);
            break;
        case kGraphButton:
            return Command(kCommandGraph);
        case kTrackerButton:
            return Command(kCommandTracker);
        default:
            if (control >= kEnvironmentControlCount)
                ClickRowButton(RowOf(control), RowControlOf(control));
    }
    return EditorRequest::kNone;
}

void EditorModel::ClickRowButton(int row, RowControl control) {
    if (!HasRecord(row)) return;
    switch (control) {
        case kCallButton:
            return ClickType(row, kCall);
        case kPutButton:
            return ClickType(row, kPut);
        case kRowBuy:
            return ClickRowSide(row, kBuy);
        case kRowSell:
            return ClickRowSide(row, kSell);
        case kClear:
            return ClearRow(row);
        default:
            return;
    }
}

}  // namespace qx
