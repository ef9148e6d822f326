#include "cli/book_document.h"

#include <filesystem>
#include <system_error>

#include "platform/messages.h"
#include "shell/document.h"
#include "shell/market_environment.h"

namespace qx {

bool OpenBookDocument(const std::string& path, bool createMissing, Document& document,
                      Settings& settings, Messages& messages) {
    std::error_code code;
    if (createMissing && !std::filesystem::exists(path, code) && !code) return true;
    const Outcome opened = document.Open(path);
    if (!opened.IsAccepted()) {
        messages.Warning(opened.GetReason(), kMessageCaption, MessageOwner::kNone);
        return false;
    }
    const Option* first = nullptr;
    for (int slot = 0; slot < kOptionSlots && first == nullptr; ++slot)
        if (document.GetOption(slot).GetDaysLeft() > 0) first = &document.GetOption(slot);
    TakeOverEnvironment(first, document.GetStock(), settings);
    return true;
}

}  // namespace qx
