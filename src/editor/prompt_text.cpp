#include "editor/prompt_text.h"

namespace qx {

std::string PromptSentence(const std::vector<std::string>& phrases) {
    if (phrases.empty()) return "";
    std::string sentence = phrases.front();
    for (size_t i = 1; i < phrases.size(); ++i)
        sentence += (i + 1 == phrases.size() ? " or " : ", ") + phrases[i];
    sentence += ".";
    // The phrases are plain ASCII, so an upper-case first letter is a single byte.
    if (sentence[0] >= 'a' && sentence[0] <= 'z')
        sentence[0] = static_cast<char>(sentence[0] - 'a' + 'A');
    return sentence;
}

}  // namespace qx
