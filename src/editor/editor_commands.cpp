#include <algorithm>
#include <cmath>

#include "editor/choice_lists.h"
#include "editor/editor_model.h"
#include "editor/editor_observer.h"
#include "editor/editor_text.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "pricing/date_text.h"
#include "pricing/number_text.h"
#include "shell/document.h"
#include "shell/help_links.h"
#include "shell/market_environment.h"
#include "shell/settings.h"

namespace qx {

namespace {

using C = EditorControl;

}  // namespace

EditorRequest EditorModel::Command(EditorCommand command) {
    const EventScope scope(*this);
    if (!GetMenuItem(command).enabled) return EditorRequest::kNone;
    if (Discards(command) && !MayDiscard()) return EditorRequest::kNone;
    Strategy strategy;
    if (IsStrategyCommand(command, strategy)) {
        ApplyStrategy(strategy);
        return EditorRequest::kNone;
    }
    switch (command) {
        case EditorCommand::kOk: return EditorRequest::kNone;
        case EditorCommand::kCancel: return EditorRequest::kEndCancel;
        case EditorCommand::kClose: return EditorRequest::kCloseWindowsEndOk;
        case EditorCommand::kNew: NewDocument(); break;
        case EditorCommand::kOpen: OpenChosen(); break;
        case EditorCommand::kSave: Save(); break;
        case EditorCommand::kSaveAs: SaveAs(); break;
        case EditorCommand::kExit: return EditorRequest::kEndOk;
        case EditorCommand::kUndo: ShowSnapshot(history.Undo()); break;
        case EditorCommand::kRedo: ShowSnapshot(history.Redo()); break;
        case EditorCommand::kBasicMode: SetBasicMode(true); break;
        case EditorCommand::kAdvancedMode: SetBasicMode(false); break;
        case EditorCommand::kIncludeFees:
            settings.includeFees = !menu[EditorCommand::kIncludeFees].checked;
            ShowFees();
            break;
        case EditorCommand::kShowDecimal: SetFractionsShown(!settings.showFractions); break;
        case EditorCommand::kShowUnits:
            SetUnitsShown(!menu[EditorCommand::kShowUnits].checked);
            break;
        case EditorCommand::kEuropeanRule: SetEuropeanRule(true); break;
        case EditorCommand::kAmericanRule: SetEuropeanRule(false); break;
        case EditorCommand::kDividend:
            SetDividendShown(!menu[EditorCommand::kDividend].checked);
            break;
        case EditorCommand::kProperties: return EditorRequest::kRunProperties;
        case EditorCommand::kGraph: return EditorRequest::kOpenGraph;
        case EditorCommand::kProfitTable: return EditorRequest::kOpenProfitTable;
        case EditorCommand::kTracker: return EditorRequest::kShowTracker;
        case EditorCommand::kNotes: return EditorRequest::kShowNotes;
        case EditorCommand::kContents:
            ShowHelpContents(desktop, messages, MessageOwner::kMainWindow);
            break;
        case EditorCommand::kHomePage:
            OpenHomePage(desktop, messages, MessageOwner::kMainWindow);
            break;
        case EditorCommand::kAbout:
        case EditorCommand::kSystemAbout: return EditorRequest::kShowAbout;
        default: break;
    }
    return EditorRequest::kNone;
}

EditorRequest EditorModel::CloseBox() { return Command(EditorCommand::kClose); }

bool EditorModel::Discards(EditorCommand command) {
    Strategy strategy;
    return command == EditorCommand::kNew || command == EditorCommand::kOpen ||
           command == EditorCommand::kExit || command == EditorCommand::kCancel ||
           command == EditorCommand::kClose || IsStrategyCommand(command, strategy);
}

// A stray Escape or a hasty New must not cost the user unsaved work: before the document
// is dropped, a changed one is offered for saving. False when it must be kept: the user
// cancelled, or the save did not happen.
bool EditorModel::MayDiscard() {
    if (!HasUnsavedWork()) return true;
    switch (messages.AskYesNoCancel("The document has changes that are not saved. Save them first?",
                                    kMessageCaption, MessageOwner::kMainWindow)) {
        case Answer::kNo: return true;
        case Answer::kCancel: return false;
        case Answer::kYes: break;
    }
    // The user has just agreed to saving, so the document's own file is written without
    // the question Save asks before replacing it.
    return document->GetPath().empty() ? SaveAs() : SaveTo(document->GetPath());
}

bool EditorModel::Save() {
    const std::string path = document->GetPath();
    if (path.empty()) return SaveAs();
    return messages.AskYesNo("Are you sure you want to replace " + path + " ?", "Warning",
                             MessageOwner::kMainWindow) &&
           SaveTo(path);
}

bool EditorModel::SaveAs() {
    const std::string path = files.ChooseFileToSave(SuggestedFileName());
    return !path.empty() && SaveTo(path);
}

bool EditorModel::SaveTo(const std::string& path) {
    const std::string warning = document->TakeLayoutWarning();
    if (!warning.empty()) messages.Warning(warning, kMessageCaption, MessageOwner::kMainWindow);
    const Outcome written = document->Save(path);
    if (!written.IsAccepted()) {
        messages.Warning(written.GetReason(), kMessageCaption, MessageOwner::kMainWindow);
        return false;
    }
    saved.Take(*document);
    return true;
}

// The underlying's symbol names the file; a placeholder such as "[Stock]" names nothing.
std::string EditorModel::SuggestedFileName() const {
    const std::string& symbol = document->GetStock().GetSymbol();
    return Stock::IsPlaceholderSymbol(symbol) ? "Untitled" : symbol;
}

std::string EditorModel::WindowTitle() const {
    return Document::NameOf(document->GetPath()) + (HasUnsavedWork() ? "*" : "") + " - Qualtrixon";
}

void EditorModel::OpenChosen() {
    const std::string path = files.ChooseFileToOpen();
    if (!path.empty()) Open(path);
}

void EditorModel::CopyForGraph(Option (&options)[kOptionSlots], Stock& stock) const {
    for (int i = 0; i < kOptionSlots; ++i) options[i].CopyFrom(Slot(i));
    stock.CopyFrom(document->GetStock());
}

void EditorModel::Open(const std::string& path) {
    const EventScope scope(*this);
    bool reset = false;
    const Outcome opened = document->Open(path, &reset);
    if (opened.IsAccepted()) {
        RefreshAfterOpen();
    } else {
        messages.Warning(opened.GetReason(), kMessageCaption, MessageOwner::kMainWindow);
        if (!reset) return;
        NewDocument();
        // The slots read before the damage carry the file's lattice steps, which a
        // reset keeps; the rule in force must value them.
        SetEuropeanRule(settings.europeanRule);
    }
    saved.Take(*document);
    StartHistory();
}

// The slots with days left, in slot order, for the rows; -1 where none is left.
std::array<int, kEditorRows> EditorModel::SlotsWithDaysLeft() const {
    std::array<int, kEditorRows> slots;
    slots.fill(-1);
    int row = 0;
    for (int i = 0; i < kOptionSlots && row < kEditorRows; ++i)
        if (Slot(i).GetDaysLeft() > 0) slots[row++] = i;
    return slots;
}

// Brings the editor in line with a document just read. Without a slot that has days
// left nothing in the file says which environment to use, so the current one stays.
void EditorModel::RefreshAfterOpen() {
    const std::array<int, kEditorRows> slots = SlotsWithDaysLeft();
    if (slots[0] >= 0) valuationDate = Slot(slots[0]).GetValuationDate();
    TakeOverEnvironment(slots[0] >= 0 ? &Slot(slots[0]) : nullptr, document->GetStock(), settings);
    ForEachSlot([&](Option& option) { RedateOption(option, settings); });
    ShowDocument(slots);
}

void EditorModel::ShowDocument(const std::array<int, kEditorRows>& slots) {
    RebuildExpirationLists();
    RebuildStrikeLists();
    for (int row = 0; row < kEditorRows; ++row) {
        if (slots[row] >= 0)
            rows[row].ShowRecord(slots[row]);
        else
            rows[row].Detach();
    }
    RefreshOptionLists();
    ShowUnderlying();
    ShowSliders();
    SetDividendShown(settings.includeDividend);
    // Advanced mode counts no fees; the file's amounts must not linger in the records.
    ShowFees();
    SetEuropeanRule(settings.europeanRule);
    rowsEnabled = document->GetStock().GetPrice() > 0 || slots[0] >= 0;
    ForEachRow([&](OptionRow& row) { row.ShowChoice(rowsEnabled); });
    UpdateGraphCommand();
    ShowEnvironmentNet();
    UpdatePrompt();
    if (observer) observer->DocumentReplaced();
}

// The underlying's boxes and buttons from the document.
void EditorModel::ShowUnderlying() {
    const Stock& stock = document->GetStock();
    Ctl(C::kPrice).text = PriceText(stock.GetPrice(), settings);
    SetListText(C::kShares, IntegerText(stock.GetShares()));
    Ctl(C::kBuyButton).checked = stock.GetSide() == Side::kBuy;
    Ctl(C::kSellButton).checked = stock.GetSide() == Side::kSell;
    ShowAssetType();
    SetListText(C::kUnits, IntegerText(settings.unitsPerContract));
    ShowDateBox();
}

void EditorModel::AfterProperties() {
    const EventScope scope(*this);
    // An emptied units box on the sheet stores 0; as in the editor's own box, the units
    // in force stay rather than valuing every contract at nothing.
    if (settings.unitsPerContract < 1)
        settings.unitsPerContract = std::max(Slot(0).GetUnitsPerContract(), 1);
    ForEachSlot([&](Option& option) { option.SetUnitsPerContract(settings.unitsPerContract); });
    Stock& stock = document->GetStock();
    stock.SetUnitsPerContract(UnderlyingUnitsPerContract(stock.GetAssetType(), settings));
    SetListText(C::kUnits, IntegerText(settings.unitsPerContract));
    ApplyFees();
    if (!settings.europeanRule) SetEuropeanRule(false);
    Ctl(C::kDate).text = DateText(valuationDate, settings.dateFormat);
    RewritePrices();
    // The time rule may have changed: every record measures its time again.
    ForEachSlot([&](Option& option) { RedateOption(option, settings); });
    ForEachRow([](OptionRow& row) {
        row.ShowDaysLeft();
        row.ShowValues();
        row.ShowNet();
    });
    ShowEnvironmentNet();
}

}  // namespace qx
