#include "editor/editor_model.h"

#include "editor/choice_lists.h"
#include "editor/editor_text.h"
#include "platform/clock.h"
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
    {C::kPositionLabel, "Position"},
};

constexpr EditorControl kTextHighlighted[] = {C::kVolatilityText, C::kInterestText,
                                              C::kDividendText, C::kFees, C::kNet};

}  // namespace

EditorModel::EditorModel(Settings& settings, Messages& messages, Desktop& desktop,
                         FileChooser& files, const Clock& clock)
    : settings(settings),
      messages(messages),
      desktop(desktop),
      files(files),
      clock(clock),
      document(std::make_unique<Document>(settings)),
      rows{OptionRow(*document, settings, valuationDate, messages),
           OptionRow(*document, settings, valuationDate, messages)} {
    InitControls();
    OpenWindow();
    saved.Take(*document);
    StartHistory();
    ShowPosition();
    UpdateEditCommands();
}

EditorModel::EventScope::EventScope(EditorModel& model) : model(model) {
    if (model.eventDepth++ > 0) return;
    model.stepSlider.reset();
    model.RecordStep();
    model.UpdateEditCommands();
}

EditorModel::EventScope::~EventScope() {
    if (--model.eventDepth > 0) return;
    model.RecordStep();
    model.ShowPosition();
    model.UpdateEditCommands();
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
    Ctl(C::kVolatilitySlider).minimum = kMinVolatilityPercent;
    Ctl(C::kVolatilitySlider).maximum = kMaxVolatilityPercent;
    Ctl(C::kInterestSlider).maximum = 150;
    Ctl(C::kDividendSlider).maximum = 150;
    Ctl(C::kUnits).items = UnitsList();
    for (EditorControl control : {C::kFeesLabel, C::kFees, C::kUnitsLabel, C::kUnits})
        Ctl(control).visible = false;
    for (EditorCommand choice : {EditorCommand::kBasicMode, EditorCommand::kAdvancedMode,
                                 EditorCommand::kEuropeanRule, EditorCommand::kAmericanRule})
        menu.Add(choice, MenuMark::kRadio);
    for (EditorCommand toggle : {EditorCommand::kIncludeFees, EditorCommand::kShowDecimal,
                                 EditorCommand::kShowUnits, EditorCommand::kDividend})
        menu.Add(toggle, MenuMark::kCheck);
    menu.Add(EditorCommand::kGraph).enabled = Ctl(C::kGraphButton).enabled = false;
    menu.Add(EditorCommand::kUndo);
    menu.Add(EditorCommand::kRedo);
    for (int i = 0; i < kStrategyCount; ++i) menu.Add(StrategyCommand(static_cast<Strategy>(i)));
}

// The main window's opening: asset type, sliders, empty rows, the settings' modes and
// toggles, today's date and the lists.
void EditorModel::OpenWindow() {
    Stock& stock = document->GetStock();
    stock.SetSymbol("");
    ChooseAssetType(settings.assetType);
    ShowSliders();
    // Every leg starts with the settings' environment, fees included only while on.
    ApplyEnvironment();
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
    int row = 0;
    RowControl rowControl{};
    if (FindRowControl(control, row, rowControl)) return rows[row].GetControl(rowControl);
    return IsControl(control) ? controls[static_cast<int>(control)] : kNoControl;
}

bool EditorModel::FindRowControl(EditorControl id, int& row, RowControl& control) {
    const int index = static_cast<int>(id) - kEnvironmentControlCount;
    if (!IsControl(id) || index < 0) return false;
    row = index / kRowControlCount;
    control = static_cast<RowControl>(index % kRowControlCount);
    return true;
}

const MenuItem& EditorModel::GetMenuItem(EditorCommand command) const { return menu.Get(command); }

// Replaces a list's items; the text typed in its box stays, selected when it is one of
// the new items.
void EditorModel::SetListItems(EditorControl control, std::vector<std::string> items) {
    qx::SetListItems(Ctl(control), std::move(items));
}

void EditorModel::SetListText(EditorControl control, const std::string& text) {
    qx::SetListText(Ctl(control), text);
}

void EditorModel::LeaveBox(EditorControl control, const std::string& text) {
    const EventScope scope(*this);
    if (!IsControl(control) || !GetControl(control).visible) return;
    int row = 0;
    RowControl rowControl{};
    if (FindRowControl(control, row, rowControl)) {
        if (rows[row].LeaveBox(rowControl, text)) RefreshAfterRowChange();
        return;
    }
    switch (control) {
        case C::kSymbol:
            if (document->GetStock().SetSymbol(text) != 0)
                messages.Warning(NameTooLongText("The symbol"), kMessageCaption,
                                 MessageOwner::kMainWindow);
            Ctl(C::kSymbol).text = document->GetStock().GetSymbol();
            // The row titles name the contracts by the underlying's symbol.
            ForEachRow([](OptionRow& row) { row.ShowTitle(); });
            return;
        case C::kDate: return EnterDate(text);
        case C::kPrice: return EnterPrice(text);
        case C::kShares: return EnterShares(text, false);
        case C::kUnits: return EnterUnits(text);
        default: return;
    }
}

void EditorModel::ChooseItem(EditorControl control, int item) {
    const EventScope scope(*this);
    if (!IsControl(control) || !GetControl(control).visible) return;
    if (item < 0 || item >= static_cast<int>(GetControl(control).items.size())) return;
    const std::string entry = GetControl(control).items[item];
    int row = 0;
    RowControl rowControl{};
    if (FindRowControl(control, row, rowControl)) {
        if (rowControl == R::kRowChoice) return ChooseRecord(row, item);
        if (rows[row].ChooseItem(rowControl, entry)) RefreshAfterRowChange();
        return;
    }
    switch (control) {
        case C::kPosition: return ChoosePositionLine(item);
        case C::kShares: return EnterShares(entry, true);
        case C::kUnits: return EnterUnits(entry);
        default: return;
    }
}

EditorRequest EditorModel::ClickButton(EditorControl control) {
    const EventScope scope(*this);
    if (!IsControl(control)) return EditorRequest::kNone;
    if (!GetControl(control).visible || !GetControl(control).enabled) return EditorRequest::kNone;
    int row = 0;
    RowControl rowControl{};
    if (FindRowControl(control, row, rowControl)) {
        if (rows[row].ClickButton(rowControl)) RefreshAfterRowChange();
        return EditorRequest::kNone;
    }
    switch (control) {
        case C::kStock: ChooseAssetType(AssetType::kStock); break;
        case C::kIndex: ChooseAssetType(AssetType::kIndex); break;
        case C::kFuture: ChooseAssetType(AssetType::kFuture); break;
        case C::kBuyButton: ClickSide(Side::kBuy); break;
        case C::kSellButton: ClickSide(Side::kSell); break;
        case C::kGraphButton: return Command(EditorCommand::kGraph);
        case C::kTrackerButton: return Command(EditorCommand::kTracker);
        default: break;
    }
    return EditorRequest::kNone;
}

}  // namespace qx
