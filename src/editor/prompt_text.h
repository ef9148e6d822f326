#ifndef QX_EDITOR_PROMPT_TEXT_H
#define QX_EDITOR_PROMPT_TEXT_H

#include <string>
#include <vector>

namespace qx {

// One sentence of the phrases, "a, b or c.", its first letter in upper case; empty
// when there are no phrases.
std::string PromptSentence(const std::vector<std::string>& phrases);

}  // namespace qx

#endif  // QX_EDITOR_PROMPT_TEXT_H
