#include "editor/editor_model.h"
#include "editor/editor_observer.h"
#include "pricing/number_text.h"
#include "shell/document.h"
#include "shell/market_environment.h"
#include "shell/settings.h"

namespace qx {

namespace {

using C = EditorControl;

}  // namespace

void EditorModel::ResetAllRecords() {
    ForEachSlot([&](Option& option) { ResetOption(option, settings); });
    document->GetStock().SetFees(EnvironmentOf(settings).underlyingFees);
    ForEachRow([](OptionRow& row) { row.Detach(); });
}

void EditorModel::RefreshAfterRowChange() {
    RefreshOptionLists();
    UpdateGraphCommand();
    UpdatePrompt();
    if (observer) observer->RowChanged();
}

void EditorModel::RefreshOptionLists() {
    std::vector<std::string> items;
    for (int i = 0; i < kOptionSlots; ++i) {
        const std::string description = Slot(i).Description();
        items.push_back(IntegerText(i + 1) +
                        (description.empty() ? " New Option" : " " + description));
    }
    for (int row = 0; row < kEditorRows; ++row) {
        rows[row].ShowTitle();
        rows[row].SetRecordChoices(items, rows[1 - row].GetRecord());
    }
}

void EditorModel::UpdateGraphCommand() {
    recordsWithSide = 0;
    for (int i = 0; i < kOptionSlots; ++i)
        if (Slot(i).GetSide() != Side::kNone) ++recordsWithSide;
    if (recordsWithSide == 0)
        Ctl(C::kGraphButton).enabled = menu[EditorCommand::kGraph].enabled = false;
    else if (settings.basicMode)
        Ctl(C::kGraphButton).enabled = menu[EditorCommand::kGraph].enabled = true;
}

void EditorModel::ChooseRecord(int row, int item) {
    if (item != rows[1 - row].GetRecord()) rows[row].ShowRecord(item);
    RefreshAfterRowChange();
}

}  // namespace qx
