#include "shell/notes_text.h"

namespace qx {

namespace {

// Copies text with each line break, whatever its form, replaced by lineBreak.
std::string WithLineBreaks(const std::string& text, const char* lineBreak) {
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            result += lineBreak;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace

std::string NotesFromEditorText(const std::string& text) { return WithLineBreaks(text, "\r\n"); }

std::string EditorTextFromNotes(const std::string& notes) { return WithLineBreaks(notes, "\n"); }

}  // namespace qx
