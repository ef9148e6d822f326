#ifndef QX_SHELL_NOTES_TEXT_H
#define QX_SHELL_NOTES_TEXT_H

#include <string>

namespace qx {

// The notes as the document keeps them, every line break a CR LF pair, from the text of
// an editor that breaks lines with LF (a lone CR counts as a break too).
std::string NotesFromEditorText(const std::string& text);

// The text an editor shows for the document's notes: every CR LF pair, lone CR and
// lone LF becomes one LF.
std::string EditorTextFromNotes(const std::string& notes);

}  // namespace qx

#endif  // QX_SHELL_NOTES_TEXT_H
