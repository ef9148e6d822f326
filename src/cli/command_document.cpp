#include "cli/command_document.h"

namespace qx {

CommandDocument::CommandDocument(const Settings& settings, std::ostream& errors)
    : messages(errors), document(settings, messages) {}

bool CommandDocument::Open(const std::string& path) {
    if (document.Open(path) != Document::OpenResult::kOpened) return false;
    for (int slot = 0; slot < kOptionSlots; ++slot)
        options[slot].CopyFrom(document.GetOption(slot));
    return true;
}

}  // namespace qx
