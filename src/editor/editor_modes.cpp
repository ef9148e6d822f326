#include "editor/editor_model.h"
#include "editor/editor_observer.h"
#include "pricing/number_text.h"
#include "shell/document.h"
#include "shell/market_environment.h"
#include "shell/settings.h"

namespace qx {

namespace {

using C = EditorControl;

constexpr EditorControl kEnvironmentPositionControls[] = {
    C::kSharesLabel, C::kShares, C::kBuyButton, C::kSellButton, C::kNetLabel, C::kNet};

}  // namespace

void EditorModel::SetBasicMode(bool on) {
    settings.basicMode = on;
    ShowPositionControls();
    if (settings.includeFees) ShowFees();
    Ctl(C::kModeLabel).text = on ? "Basic Mode" : "Advanced Mode";
    menu[EditorCommand::kBasicMode].checked = on;
    menu[EditorCommand::kAdvancedMode].checked = !on;
    menu[EditorCommand::kIncludeFees].enabled = on;
    if (on) {
        UpdateGraphCommand();
    } else {
        Ctl(C::kGraphButton).enabled = menu[EditorCommand::kGraph].enabled = false;
    }
}

// Positions are held in the editor only in Basic mode.
void EditorModel::ShowPositionControls() {
    for (EditorControl control : kEnvironmentPositionControls)
        Ctl(control).visible = settings.basicMode;
    ForEachRow([](OptionRow& row) {
        if (row.HasRecord()) row.ShowControls(true);
    });
}

void EditorModel::SetEuropeanRule(bool on) {
    settings.europeanRule = on;
    const int steps = LatticeStepsOf(settings);
    ForEachSlot([&](Option& option) { option.SetLatticeSteps(steps); });
    RevalueRows();
    ShowRuleLabel();
    menu[EditorCommand::kEuropeanRule].checked = on;
    menu[EditorCommand::kAmericanRule].checked = !on;
}

void EditorModel::ShowRuleLabel() {
    Ctl(C::kRuleLabel).text = settings.europeanRule
                                  ? "European Rule"
                                  : "American Rule (" + IntegerText(settings.iterations) + ")";
}

void EditorModel::ShowFees() {
    const bool on = FeesInForce(settings);
    menu[EditorCommand::kIncludeFees].checked = on;
    Ctl(C::kFeesLabel).visible = Ctl(C::kFees).visible = on;
    ApplyFees();
    ForEachRow([](OptionRow& row) {
        if (row.HasRecord()) row.ShowControls(true);
        row.ShowNet();
    });
    ShowEnvironmentNet();
}

void EditorModel::SetDividendShown(bool on) {
    settings.includeDividend = on;
    menu[EditorCommand::kDividend].checked = on;
    for (EditorControl control : {C::kDividendLabel, C::kDividendSlider, C::kDividendText})
        Ctl(control).visible = on;
    ShowSliders();
    const double yield = EnvironmentOf(settings).dividendYield;
    ForEachSlot([&](Option& option) { option.SetDividendYield(yield); });
    RevalueRows();
}

void EditorModel::SetFractionsShown(bool on) {
    settings.showFractions = on;
    menu[EditorCommand::kShowDecimal].checked = !on;
    RewritePrices();
}

void EditorModel::SetUnitsShown(bool on) {
    settings.showContractUnits = on;
    menu[EditorCommand::kShowUnits].checked = on;
    Ctl(C::kUnitsLabel).visible = Ctl(C::kUnits).visible = on;
    SetListText(C::kUnits, IntegerText(settings.unitsPerContract));
}

void EditorModel::NewDocument() {
    document->Reset();
    ResetUnderlying();
    ResetAllRecords();
    RefreshOptionLists();
    UpdateGraphCommand();
    UpdatePrompt();
    if (observer) observer->DocumentReplaced();
    saved.Take(*document);
    StartHistory();
}

// The underlying's inputs as a new document has them, dated at the editor's start.
void EditorModel::ResetUnderlying() {
    Ctl(C::kPrice).text = "";
    SetListText(C::kShares, "");
    Ctl(C::kBuyButton).checked = Ctl(C::kSellButton).checked = false;
    valuationDate = startupDate;
    ShowDateBox();
    RebuildExpirationLists();
    Stock& stock = document->GetStock();
    const AssetType type = Ctl(C::kFuture).checked  ? AssetType::kFuture
                           : Ctl(C::kIndex).checked ? AssetType::kIndex
                                                    : AssetType::kStock;
    stock.SetSymbol("");
    stock.Clear();
    stock.SetSide(Side::kNone);
    ChooseAssetType(type);
    stock.SetFees(EnvironmentOf(settings).underlyingFees);
    rowsEnabled = false;
    ShowEnvironmentNet();
}

}  // namespace qx
