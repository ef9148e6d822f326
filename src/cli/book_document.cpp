#include "cli/book_document.h"

#include <filesystem>
#include <system_error>

#include "shell/document.h"
#include "shell/market_environment.h"

namespace qx {

bool OpenBookDocument(const std::string& path, bool createMissing, Document& document,
                      Settings& settings) {
    std::error_code code;
    if (createMissing && !std::filesystem::exists(path, code) && !code) return true;
    if (document.Open(path) != Document::OpenResult::kOpened) return false;
    const Option* first = nullptr;
    for (int slot = 0; slot < kOptionSlots && first == nullptr; ++slot)
        if (document.GetOption(slot).GetDaysLeft() > 0) first = &document.GetOption(slot);
    TakeOverEnvironment(first, document.GetStock(), settings);
    return true;
}

}  // namespace qx
