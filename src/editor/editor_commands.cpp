#include <algorithm>
#include <cmath>

#include "editor/choice_lists.h"
#include "editor/editor_model.h"
#include "editor/editor_observer.h"
#include "editor/editor_text.h"
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
    if (!GetMenuItem(command).enabled) return EditorRequest::kNone;
    pendingCommand.reset();
    EditorRequest instead = EditorRequest::kNone;
    if (!MayDiscard(command, instead)) return instead;
    switch (command) {
        case EditorCommand::kOk: return EditorRequest::kNone;
        case EditorCommand::kCancel: return EditorRequest::kEndCancel;
        case EditorCommand::kClose: return EditorRequest::kCloseWindowsEndOk;
        case EditorCommand::kNew: NewDocument(); break;
        case EditorCommand::kOpen: return EditorRequest::kChooseFileToOpen;
        case EditorCommand::kSave:
            if (document->GetPath().empty()) return EditorRequest::kChooseFileToSave;
            SaveWithQuestion();
            break;
        case EditorCommand::kSaveAs: return EditorRequest::kChooseFileToSave;
        case EditorCommand::kExit: return EditorRequest::kEndOk;
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

// A stray Escape or a hasty New must not cost the user unsaved work: before a command
// that drops the document, a changed one is offered for saving. False when the command
// must not go on; instead is then what the window does, the save dialog or nothing.
bool EditorModel::MayDiscard(EditorCommand command, EditorRequest& instead) {
    const bool discards = command == EditorCommand::kNew || command == EditorCommand::kOpen ||
                          command == EditorCommand::kExit || command == EditorCommand::kCancel ||
                          command == EditorCommand::kClose;
    if (!discards || !HasUnsavedWork()) return true;
    switch (messages.AskYesNoCancel("The document has changes that are not saved. Save them first?",
                                    kMessageCaption, MessageOwner::kMainWindow)) {
        case Answer::kNo: return true;
        case Answer::kCancel: return false;
        case Answer::kYes: break;
    }
    // The user has just agreed to saving, so the document's own file is written without
    // the question Save asks before replacing it.
    if (!document->GetPath().empty()) return SaveTo(document->GetPath());
    pendingCommand = command;
    instead = EditorRequest::kChooseFileToSave;
    return false;
}

void EditorModel::SaveWithQuestion() {
    const std::string path = document->GetPath();
    if (messages.AskYesNo("Are you sure you want to replace " + path + " ?", "Warning",
                          MessageOwner::kMainWindow))
        SaveTo(path);
}

bool EditorModel::SaveTo(const std::string& path) {
    if (!document->Save(path)) return false;
    saved.Take(*document);
    return true;
}

EditorRequest EditorModel::SaveToChosen(const std::string& path) {
    const std::optional<EditorCommand> command = pendingCommand;
    pendingCommand.reset();
    if (path.empty() || !SaveTo(path) || !command) return EditorRequest::kNone;
    return Command(*command);
}

std::string EditorModel::SuggestedFileName() const { return document->GetStock().GetSymbol(); }

void EditorModel::CopyForGraph(Option (&options)[kOptionSlots], Stock& stock) const {
    for (int i = 0; i < kOptionSlots; ++i) options[i].CopyFrom(Slot(i));
    stock.CopyFrom(document->GetStock());
}

void EditorModel::Open(const std::string& path) {
    switch (document->Open(path)) {
        case Document::OpenResult::kOpened: RefreshAfterOpen(); break;
        case Document::OpenResult::kReset:
            NewDocument();
            // The slots read before the damage carry the file's lattice steps, which a
            // reset keeps; the rule in force must value them.
            SetEuropeanRule(settings.europeanRule);
            break;
        case Document::OpenResult::kUnchanged: return;
    }
    saved.Take(*document);
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
    const Stock& stock = document->GetStock();
    const bool hasFirst = slots[0] >= 0;
    if (hasFirst) valuationDate = Slot(slots[0]).GetValuationDate();
    TakeOverEnvironment(hasFirst ? &Slot(slots[0]) : nullptr, stock, settings);
    ForEachSlot([&](Option& option) { RedateOption(option, settings); });
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
    rowsEnabled = stock.GetPrice() > 0 || hasFirst;
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
    Ctl(C::kBuyButton).checked = stock.GetSide() == kBuy;
    Ctl(C::kSellButton).checked = stock.GetSide() == kSell;
    ShowAssetType();
    SetListText(C::kUnits, IntegerText(settings.unitsPerContract));
    ShowDateBox();
}

void EditorModel::AfterProperties() {
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
