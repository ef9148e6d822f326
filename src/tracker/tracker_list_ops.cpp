// Recording, changing and deleting through the list, the two views, and a row of the
// list loaded into the form.

#include "platform/messages.h"
#include "platform/outcome.h"
#include "pricing/number_text.h"
#include "shell/settings.h"
#include "tracker/tracker_window_model.h"
#include "tracker/tran_list.h"

namespace qx {

namespace {

using C = TrackerControl;

}  // namespace

void TrackerWindowModel::Record() {
    // A recorded transaction is typed in, even when its row was loaded from a broker's.
    Tran typed = form;
    typed.SetBrokerId("");
    if (!typed.IsComplete() || !Accepted(transactions.Add(typed))) return;
    Ctl(C::kEntryList).selected = -1;
    AfterListChange();
}

void TrackerWindowModel::ChangeRow() {
    if (IsOpenView() || selectedRow < 0 || selectedRow >= transactions.GetCount()) return;
    if (!form.IsComplete() || !Accepted(transactions.Change(selectedRow, form))) return;
    AfterListChange();
}

void TrackerWindowModel::DeleteRow() {
    if (IsOpenView() || selectedRow < 0 || selectedRow >= transactions.GetCount()) return;
    if (!Accepted(transactions.Remove(selectedRow))) return;
    AfterListChange();
}

// A refusal of the book is explained in one warning box that belongs to no window.
bool TrackerWindowModel::Accepted(const Outcome& outcome) {
    if (!outcome.IsAccepted() && !outcome.GetReason().empty())
        messages.Warning(outcome.GetReason(), kMessageCaption, MessageOwner::kNone);
    return outcome.IsAccepted();
}

// The list shows the book as it now is, with nothing selected, and the form is empty
// for the next transaction (its date stays).
void TrackerWindowModel::AfterListChange() {
    BuildRows();
    ClearEntryControls();
    form.Clear();
}

void TrackerWindowModel::ShowView(bool openOnly) {
    Ctl(C::kShowOpenOnly).checked = openOnly;
    Ctl(C::kShowAll).checked = !openOnly;
    settings.showOpenOnly = openOnly;
    transactions.BuildPositions();
    BuildRows();
}

void TrackerWindowModel::ClickRow(int index) {
    if (index >= 0 && index < GetRowCount()) {
        selectedRow = index;
        LoadRow(index);
        Ctl(C::kEntryList).selected = -1;
    } else {
        selectedRow = -1;
    }
    RefreshButtons();
}

void TrackerWindowModel::LoadRow(int index) {
    form.Clear();
    if (IsOpenView())
        transactions.GetPosition(index, form);
    else
        transactions.GetAt(index, form);
    const TranKind kind = form.GetKind();
    ShowSet(kind == TranKind::kUnderlying ? ControlSet::kUnderlying
            : kind == TranKind::kOption   ? ControlSet::kOption
            : kind == TranKind::kDividend ? ControlSet::kDividend
                                          : ControlSet::kNone);
    // A future's trade counts contracts; a position counts units of the underlying.
    if (kind == TranKind::kUnderlying || kind == TranKind::kOption)
        FillUnits(kind == TranKind::kOption || form.GetAssetType() == AssetType::kFuture);
    CheckAction(form.GetAction());
    CheckSide(form.GetSide());
    Ctl(C::kFees).checked = form.GetFees() != 0;
    ShowFormDate();
    Ctl(C::kUnits).text = IntegerText(form.GetUnits());
    Ctl(C::kPrice).text =
        NumberText(form.GetPrice(), settings.significantDigits, settings.showFractions);
}

void TrackerWindowModel::ResizeColumn(int column, int width) {
    if (column >= 0 && column < kColumnCount) settings.columnWidths[column] = width;
}

}  // namespace qx
