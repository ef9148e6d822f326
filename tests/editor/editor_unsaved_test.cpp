#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "editor_fixture.h"
#include "test_support/temp_folder.h"
#include "test_support/tran_builder.h"

namespace qx {
namespace {

const char* const kQuestion = "The document has changes that are not saved. Save them first?";

class EditorUnsavedTest : public EditorTest {
  protected:
    // The command as the window gives it, with the save dialog answered by dialogPath
    // if the model asks for one; the request the window is finally left with.
    EditorRequest Run(EditorCommand command, const std::string& dialogPath) {
        const EditorRequest request =
            command == EditorCommand::kClose ? editor->CloseBox() : editor->Command(command);
        if (request != EditorRequest::kChooseFileToSave) return request;
        ++saveDialogs;
        return editor->SaveToChosen(dialogPath);
    }

    int Questions() const {
        int count = 0;
        for (const auto& shown : messages.shown) count += shown.text == kQuestion;
        return count;
    }

    TempFolder folder;
    int saveDialogs = 0;
};

TEST_F(EditorUnsavedTest, ChangedDocumentIsOfferedForSavingBeforeItIsDropped) {
    enum Written { kNothing, kOwnFile, kChosenFile };
    struct Case {
        EditorCommand command;
        bool hasFile;  // the document was saved to its own file before the change
        Answer answer;
        const char* dialog;  // what the save dialog returns when it opens
        EditorRequest request;
        Written written;
        bool replaced;  // New went on: the typed price is gone
    };
    const std::string own = folder.Path("own.opt");
    const std::string chosen = folder.Path("chosen.opt");
    const Case cases[] = {
        {EditorCommand::kNew, false, Answer::kNo, "", EditorRequest::kNone, kNothing, true},
        {EditorCommand::kNew, false, Answer::kCancel, "", EditorRequest::kNone, kNothing, false},
        {EditorCommand::kNew, true, Answer::kYes, "", EditorRequest::kNone, kOwnFile, true},
        {EditorCommand::kNew, false, Answer::kYes, "chosen.opt", EditorRequest::kNone, kChosenFile,
         true},
        {EditorCommand::kNew, false, Answer::kYes, "", EditorRequest::kNone, kNothing, false},
        {EditorCommand::kNew, false, Answer::kYes, "missing/x.opt", EditorRequest::kNone, kNothing,
         false},
        {EditorCommand::kOpen, false, Answer::kYes, "chosen.opt", EditorRequest::kChooseFileToOpen,
         kChosenFile, false},
        {EditorCommand::kOpen, true, Answer::kCancel, "", EditorRequest::kNone, kNothing, false},
        {EditorCommand::kExit, true, Answer::kYes, "", EditorRequest::kEndOk, kOwnFile, false},
        {EditorCommand::kExit, false, Answer::kCancel, "", EditorRequest::kNone, kNothing, false},
        {EditorCommand::kCancel, false, Answer::kYes, "chosen.opt", EditorRequest::kEndCancel,
         kChosenFile, false},
        {EditorCommand::kCancel, false, Answer::kNo, "", EditorRequest::kEndCancel, kNothing,
         false},
        {EditorCommand::kCancel, true, Answer::kCancel, "", EditorRequest::kNone, kNothing, false},
        {EditorCommand::kClose, false, Answer::kYes, "chosen.opt",
         EditorRequest::kCloseWindowsEndOk, kChosenFile, false},
        {EditorCommand::kClose, true, Answer::kCancel, "", EditorRequest::kNone, kNothing, false},
    };
    for (const Case& c : cases) {
        const std::string where = "command " + std::to_string(int(c.command)) + ", answer " +
                                  std::to_string(int(c.answer)) + ", dialog " + c.dialog;
        std::remove(own.c_str());
        std::remove(chosen.c_str());
        Reopen();
        Type(C::kPrice, "50");
        if (c.hasFile) {
            ASSERT_TRUE(editor->SaveTo(own)) << where;
        }
        const std::string ownBefore = ReadFileBytes(own);
        Type(C::kPrice, "60");
        messages = RecordingMessages();
        messages.threeWayAnswer = c.answer;
        saveDialogs = 0;

        EXPECT_EQ(Run(c.command, c.dialog[0] ? folder.Path(c.dialog) : ""), c.request) << where;
        ASSERT_EQ(Questions(), 1) << where;
        EXPECT_EQ(messages.shown[0].caption, "Qualtrixon") << where;
        EXPECT_EQ(saveDialogs, c.answer == Answer::kYes && !c.hasFile ? 1 : 0) << where;
        EXPECT_EQ(ReadFileBytes(own) != ownBefore, c.written == kOwnFile) << where;
        EXPECT_EQ(!ReadFileBytes(chosen).empty(), c.written == kChosenFile) << where;
        EXPECT_EQ(Text(C::kPrice).empty(), c.replaced) << where;
        // Whatever was written is the document's file now, and nothing is left to save.
        if (c.written != kNothing) {
            EXPECT_FALSE(editor->HasUnsavedWork()) << where;
        }
    }
}

TEST_F(EditorUnsavedTest, OnlyWorkThatWouldBeLostRaisesTheQuestion) {
    const std::string path = folder.Path("kept.opt");
    struct Case {
        const char* what;
        std::function<void()> act;
        bool asks;
    };
    const Case cases[] = {
        {"a new document", [] {}, false},
        {"only the environment of a blank document",
         [&] {
             editor->Command(EditorCommand::kIncludeFees);
             editor->MoveSlider(C::kVolatilitySlider, 40);
             Type(C::kSymbol, "[Stock]");
         },
         false},
        {"a price typed and emptied again",
         [&] {
             Type(C::kPrice, "50");
             Type(C::kPrice, "");
         },
         false},
        {"a document just saved",
         [&] {
             Type(C::kPrice, "50");
             editor->SaveTo(path);
         },
         false},
        {"a document just opened",
         [&] {
             Type(C::kPrice, "50");
             editor->SaveTo(path);
             Type(C::kPrice, "70");
             editor->Open(path);
         },
         false},
        {"a symbol", [&] { Type(C::kSymbol, "XYZ"); }, true},
        {"a slider moved under a saved position",
         [&] {
             Type(C::kPrice, "50");
             editor->SaveTo(path);
             editor->MoveSlider(C::kVolatilitySlider, 40);
         },
         true},
        {"notes typed in the notes window", [&] { editor->GetDocument().GetNotes() = "x"; }, true},
        {"a trade in the tracker",
         [&] {
             Tran trade = TranBuilder().Underlying().Open().Buy(100).At(10);
             editor->GetDocument().GetTransactions().Add(trade);
         },
         true},
    };
    for (const Case& c : cases) {
        settings = Settings();
        Reopen();
        c.act();
        messages = RecordingMessages();
        EXPECT_EQ(editor->Command(EditorCommand::kExit), EditorRequest::kEndOk) << c.what;
        EXPECT_EQ(Questions(), c.asks ? 1 : 0) << c.what;
    }
}

}  // namespace
}  // namespace qx
