#include "editor/saved_document.h"

namespace qx {

void SavedDocument::Take(const Document& document) {
    stock.CopyFrom(document.GetStock());
    for (int slot = 0; slot < kOptionSlots; ++slot)
        options[slot].CopyFrom(document.GetOption(slot));
    transactions.CopyFrom(document.GetTransactions());
    notes = document.GetNotes();
}

bool SavedDocument::Differs(const Document& document) const {
    if (stock != document.GetStock() || transactions != document.GetTransactions() ||
        notes != document.GetNotes())
        return true;
    for (int slot = 0; slot < kOptionSlots; ++slot)
        if (options[slot] != document.GetOption(slot)) return true;
    return false;
}

bool SavedDocument::HasUnsavedWork(const Document& document) const {
    return !IsBlank(document) && Differs(document);
}

// No price, symbol, option entry, transaction or note: at most the environment of
// the records differs from a new document's, which the settings keep anyway.
bool SavedDocument::IsBlank(const Document& document) {
    const Stock& stock = document.GetStock();
    if (stock.GetPrice() != 0 || !Stock::IsPlaceholderSymbol(stock.GetSymbol()) ||
        document.GetTransactions().GetCount() != 0 || !document.GetNotes().empty())
        return false;
    for (int slot = 0; slot < kOptionSlots; ++slot) {
        const Option& option = document.GetOption(slot);
        if (option.GetDaysLeft() != 0 || option.GetStrike() != 0 || option.GetPrice() != 0 ||
            option.GetContracts() != 0)
            return false;
    }
    return true;
}

}  // namespace qx
