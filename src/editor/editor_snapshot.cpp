#include "editor/editor_snapshot.h"

#include <tuple>

#include "shell/settings.h"

namespace qx {

EditorSnapshot::EditorSnapshot(const Document& document, const Settings& settings,
                               CTime valuationDate, const std::array<int, kEditorRows>& rows)
    : environment(EnvironmentOf(settings)), valuationDate(valuationDate), rows(rows) {
    stock.CopyFrom(document.GetStock());
    for (int slot = 0; slot < kOptionSlots; ++slot)
        options[slot].CopyFrom(document.GetOption(slot));
    book.CopyFrom(document.GetTransactions());
}

EditorSnapshot::EditorSnapshot(const EditorSnapshot& other)
    : environment(other.environment), valuationDate(other.valuationDate), rows(other.rows) {
    stock.CopyFrom(other.stock);
    for (int slot = 0; slot < kOptionSlots; ++slot) options[slot].CopyFrom(other.options[slot]);
    book.CopyFrom(other.book);
}

EditorSnapshot& EditorSnapshot::operator=(const EditorSnapshot& other) {
    if (this == &other) return *this;
    stock.CopyFrom(other.stock);
    for (int slot = 0; slot < kOptionSlots; ++slot) options[slot].CopyFrom(other.options[slot]);
    book.CopyFrom(other.book);
    environment = other.environment;
    valuationDate = other.valuationDate;
    rows = other.rows;
    return *this;
}

void EditorSnapshot::RestoreTo(Document& document, Settings& settings) const {
    document.GetStock().CopyFrom(stock);
    for (int slot = 0; slot < kOptionSlots; ++slot)
        document.GetOption(slot).CopyFrom(options[slot]);
    document.GetTransactions().CopyFrom(book);
    EnvironmentFields(settings) = environment;
}

bool EditorSnapshot::Matches(const Document& document, const Settings& settings, CTime date) const {
    if (!(stock == document.GetStock()) || !(book == document.GetTransactions()) ||
        !(environment == EnvironmentOf(settings)) || valuationDate != date)
        return false;
    for (int slot = 0; slot < kOptionSlots; ++slot)
        if (!(options[slot] == document.GetOption(slot))) return false;
    return true;
}

EditorSnapshot::Environment EditorSnapshot::EnvironmentOf(const Settings& settings) {
    return EnvironmentFields(settings);
}

}  // namespace qx
