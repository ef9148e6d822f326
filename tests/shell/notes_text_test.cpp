#include "shell/notes_text.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

struct LineBreakCase {
    const char* input;
    const char* notes;   // NotesFromEditorText(input)
    const char* editor;  // EditorTextFromNotes(input)
};

TEST(NotesText, EveryLineBreakFormBecomesOneBreakOfTheTargetForm) {
    const LineBreakCase cases[] = {
        {"", "", ""},
        {"no break", "no break", "no break"},
        {"a\nb", "a\r\nb", "a\nb"},
        {"a\r\nb", "a\r\nb", "a\nb"},
        {"a\rb", "a\r\nb", "a\nb"},
        {"a\n\nb", "a\r\n\r\nb", "a\n\nb"},
        {"a\r\n\r\nb", "a\r\n\r\nb", "a\n\nb"},
        {"\n", "\r\n", "\n"},
        {"end\r", "end\r\n", "end\n"},
        {"a\n\r\nb", "a\r\n\r\nb", "a\n\nb"},
        {"caf\xc3\xa9\nna\xc3\xafve", "caf\xc3\xa9\r\nna\xc3\xafve", "caf\xc3\xa9\nna\xc3\xafve"},
    };
    for (const LineBreakCase& c : cases) {
        EXPECT_EQ(NotesFromEditorText(c.input), c.notes)
            << "input: " << testing::PrintToString(c.input);
        EXPECT_EQ(EditorTextFromNotes(c.input), c.editor)
            << "input: " << testing::PrintToString(c.input);
    }
}

TEST(NotesText, EditorTextRoundTripsThroughTheDocument) {
    const char* texts[] = {"", "one line", "first\nsecond\n\nfourth\n", "\n\n"};
    for (const char* text : texts)
        EXPECT_EQ(EditorTextFromNotes(NotesFromEditorText(text)), text)
            << "text: " << testing::PrintToString(text);
}

}  // namespace
}  // namespace qx
