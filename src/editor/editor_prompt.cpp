#include <vector>

#include "editor/editor_model.h"
#include "editor/prompt_text.h"
#include "platform/clock.h"
#include "shell/document.h"

namespace qx {

namespace {

using C = EditorControl;

}  // namespace

// One sentence naming what to enter next, in entry order: the underlying, then each row,
// then a new option or a graph.
void EditorModel::UpdatePrompt() {
    Ctl(C::kClock).text = clock.Now().Format("%I:%M %p");
    const Stock& stock = document->GetStock();
    std::vector<std::string> phrases;
    if (stock.GetPrice() == 0) {
        phrases.push_back("enter price");
    } else {
        const char* units = stock.GetAssetType() == AssetType::kFuture ? " contracts" : " shares";
        // A position of options alone holds no shares: once an option is traded, the
        // holding is no longer asked for.
        if (stock.GetShares() == 0) {
            if (recordsWithSide == 0) phrases.push_back(std::string("enter") + units);
        } else if (stock.GetSide() == Side::kNone) {
            phrases.push_back(std::string("buy or sell") + units);
        }
        for (const OptionRow& row : rows) {
            const std::string phrase = row.Phrase();
            if (!phrase.empty()) phrases.push_back(phrase);
        }
        const bool bothTraded = rows[0].IsTraded() && rows[1].IsTraded();
        if (!rows[0].HasRecord() || !rows[1].HasRecord() || bothTraded)
            phrases.push_back("select a new option");
        if (recordsWithSide > 0) phrases.push_back("graph options");
    }
    Ctl(C::kPrompt).text = PromptSentence(phrases);
}

}  // namespace qx
