#include "cli/command_document.h"

namespace qx {

CommandDocument::CommandDocument(const Settings& settings, std::ostream& errors)
    : err(errors), document(settings, *this) {}

bool CommandDocument::Open(const std::string& path) {
    if (document.Open(path) != Document::OpenResult::kOpened) return false;
    for (int slot = 0; slot < kOptionSlots; ++slot)
        options[slot].CopyFrom(document.GetOption(slot));
    return true;
}

void CommandDocument::Warning(const std::string& text, const std::string& /*caption*/,
                              MessageOwner /*owner*/) {
    err << text << '\n';
}

bool CommandDocument::AskYesNo(const std::string& text, const std::string& /*caption*/,
                               MessageOwner /*owner*/) {
    // Nobody answers a command's questions: No leaves everything as it was.
    err << text << '\n';
    return false;
}

}  // namespace qx
