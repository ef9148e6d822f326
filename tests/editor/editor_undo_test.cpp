#include <gtest/gtest.h>

#include <random>
#include <string>

#include "editor_fixture.h"
#include "test_support/temp_folder.h"
#include "test_support/tran_builder.h"

namespace qx {
namespace {

class EditorUndoTest : public EditorTest {
  protected:
    // The document as its file would hold it, written from a copy so that neither its
    // path nor its saved state moves.
    std::string Image() {
        const Document& document = editor->GetDocument();
        Document copy(settings);
        copy.GetStock().CopyFrom(document.GetStock());
        for (int slot = 0; slot < kOptionSlots; ++slot)
            copy.GetOption(slot).CopyFrom(document.GetOption(slot));
        copy.GetTransactions().CopyFrom(document.GetTransactions());
        copy.GetNotes() = document.GetNotes();
        const std::string path = folder.Path("image.opt");
        EXPECT_TRUE(copy.Save(path).IsAccepted());
        return ReadFileBytes(path);
    }

    bool Can(EditorCommand command) const { return editor->GetMenuItem(command).enabled; }

    int UndoAll() {
        int steps = 0;
        for (; Can(EditorCommand::kUndo) && steps < 1000; ++steps)
            editor->Command(EditorCommand::kUndo);
        return steps;
    }

    // One edit a user makes in the main window, or the tracker makes in the book.
    void RandomEdit(std::mt19937& random) {
        const auto pick = [&random](int n) { return static_cast<int>(random() % n); };
        const int row = pick(kEditorRows);
        switch (pick(11)) {
            case 0: Type(C::kPrice, std::to_string(40 + pick(20))); break;
            case 1: Type(C::kShares, std::to_string(100 * pick(4))); break;
            case 2: Click(pick(2) ? C::kBuyButton : C::kSellButton); break;
            case 3: editor->MoveSlider(C::kVolatilitySlider, 5 + pick(60)); break;
            case 4:
                editor->Command(StrategyCommand(static_cast<Strategy>(pick(kStrategyCount))));
                break;
            case 5: ChooseRecord(row, pick(kOptionSlots)); break;
            case 6: TypeInRow(row, R::kStrike, std::to_string(40 + 5 * pick(5))); break;
            case 7: ClickInRow(row, pick(2) ? R::kRowSell : R::kPutButton); break;
            case 8:
                editor->Command(pick(2) ? EditorCommand::kIncludeFees : EditorCommand::kDividend);
                break;
            case 9: Type(C::kDate, pick(2) ? "2/1/1999" : "1/20/1999"); break;
            case 10: {
                Tran trade = TranBuilder().Underlying().Open().Buy(100 + pick(5)).At(50);
                editor->GetDocument().GetTransactions().Add(trade);
                break;
            }
        }
    }

    TempFolder folder;
};

TEST_F(EditorUndoTest, UndoingEverythingGivesBackTheOpenedDocumentAndRedoTheEdits) {
    const std::string path = folder.Path("condor.opt");
    for (unsigned seed = 1; seed <= 12; ++seed) {
        settings = Settings();
        Reopen();
        Type(C::kPrice, "50");
        editor->Command(StrategyCommand(Strategy::kIronCondor));
        ASSERT_TRUE(editor->SaveTo(path));
        editor->Open(path);
        const std::string opened = Image();
        EXPECT_FALSE(Can(EditorCommand::kUndo)) << "the opened document is the first state";

        std::mt19937 random(seed);
        for (int i = 0; i < 30; ++i) RandomEdit(random);
        editor->ClickButton(C::kGraphButton);  // the tracker's last change becomes a step too
        const std::string edited = Image();
        const bool changed = edited != opened;

        const int steps = UndoAll();
        EXPECT_EQ(steps > 0, changed) << "seed " << seed;
        EXPECT_EQ(Image(), opened) << "seed " << seed << " after " << steps << " steps";
        EXPECT_FALSE(editor->HasUnsavedWork()) << "seed " << seed;
        EXPECT_EQ(editor->WindowTitle(), "condor.opt - Qualtrixon");

        int redone = 0;
        for (; Can(EditorCommand::kRedo) && redone < 1000; ++redone)
            editor->Command(EditorCommand::kRedo);
        EXPECT_EQ(redone, steps) << "seed " << seed;
        EXPECT_EQ(Image(), edited) << "seed " << seed;
        EXPECT_EQ(editor->HasUnsavedWork(), changed) << "seed " << seed;
    }
}

TEST_F(EditorUndoTest, EachChangeIsOneStepAndANewChangeDropsTheRedo) {
    Type(C::kPrice, "50");
    Type(C::kShares, "200");
    Click(C::kBuyButton);
    editor->Command(EditorCommand::kUndo);
    EXPECT_FALSE(Ctl(C::kBuyButton).checked);
    EXPECT_EQ(Underlying().GetSide(), Side::kNone);
    EXPECT_EQ(Text(C::kShares), "200");
    editor->Command(EditorCommand::kUndo);
    EXPECT_EQ(Text(C::kShares), "");
    EXPECT_TRUE(Can(EditorCommand::kRedo));
    for (int position : {20, 30, 40}) editor->MoveSlider(C::kVolatilitySlider, position);
    EXPECT_FALSE(Can(EditorCommand::kRedo)) << "a new change ends the way forward";
    editor->Command(EditorCommand::kUndo);
    EXPECT_EQ(settings.volatility, 15) << "a drag of the slider is one step";
    EXPECT_EQ(Ctl(C::kVolatilitySlider).position, 15);
    editor->Command(EditorCommand::kUndo);
    EXPECT_EQ(Text(C::kPrice), "");
    EXPECT_FALSE(editor->RowsEnabled());
    EXPECT_FALSE(Can(EditorCommand::kUndo));
    EXPECT_EQ(editor->WindowTitle(), "Untitled - Qualtrixon");
    editor->Command(EditorCommand::kRedo);
    EXPECT_EQ(editor->WindowTitle(), "Untitled* - Qualtrixon");
}

}  // namespace
}  // namespace qx
