#include "cli/command_document.h"

namespace qx {

CommandDocument::CommandDocument(const Settings& settings, std::ostream& errors)
    : messages(errors), document(settings) {}

bool CommandDocument::Open(const std::string& path) {
    const Outcome opened = document.Open(path);
    if (!opened.IsAccepted()) {
        messages.Warning(opened.GetReason(), kMessageCaption, MessageOwner::kNone);
        return false;
    }
    for (int slot = 0; slot < kOptionSlots; ++slot)
        options[slot].CopyFrom(document.GetOption(slot));
    return true;
}

}  // namespace qx
