#include "editor/prompt_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace qx {
namespace {

TEST(PromptSentence, JoinsOneToFourPhrases) {
    using Phrases = std::vector<std::string>;
    const std::pair<Phrases, const char*> cases[] = {
        {{}, ""},
        {{"enter price"}, "Enter price."},
        {{"enter shares", "select a new option"}, "Enter shares or select a new option."},
        {{"a", "b", "c"}, "A, b or c."},
        {{"a", "b", "c", "d"}, "A, b, c or d."},
    };
    for (const auto& [phrases, sentence] : cases)
        EXPECT_EQ(PromptSentence(phrases), sentence) << phrases.size() << " phrases";
}

}  // namespace
}  // namespace qx
