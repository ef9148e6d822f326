#include <gtest/gtest.h>

#include <functional>

#include "editor_fixture.h"
#include "test_support/random_book.h"
#include "test_support/temp_folder.h"

namespace qx {
namespace {

class EditorDocumentTest : public EditorTest {
  protected:
    // Everything the window shows, one line per control that is visible.
    std::string Screen() const {
        std::string screen;
        for (int id = 0; id < kEditorControlCount; ++id) {
            const Control& c = editor->GetControl(static_cast<EditorControl>(id));
            if (!c.visible) continue;
            screen += std::to_string(id) + ": '" + c.text + "'" + (c.checked ? " checked" : "") +
                      (c.enabled ? "" : " disabled") + " #" + std::to_string(c.selected) + " @" +
                      std::to_string(c.position) + " items";
            for (const std::string& item : c.items) screen += " " + item;
            screen += "\n";
        }
        return screen;
    }

    // Fills a row from its lists, as FillRow does by typing; only the price is typed.
    void PickRow(int row, int record, const std::string& expires, const std::string& strike,
                 RowControl type, const std::string& price, const std::string& contracts,
                 RowControl side) {
        ChooseRecord(row, record);
        ChooseInRow(row, R::kExpires, expires);
        ChooseInRow(row, R::kStrike, strike);
        ClickInRow(row, type);
        TypeInRow(row, R::kRowPrice, price);
        ChooseInRow(row, R::kContracts, contracts);
        ClickInRow(row, side);
    }

    TempFolder folder;
};

TEST_F(EditorDocumentTest, SaveAsksBeforeReplacingTheDocumentsFile) {
    const std::string path = folder.Path("position.opt");
    Type(C::kPrice, "50");
    files.answers = {path};
    editor->Command(EditorCommand::kSave);
    EXPECT_EQ(files.suggestedNames.size(), 1u) << "a new document is saved as";
    EXPECT_EQ(editor->GetDocument().GetPath(), path);
    const std::string first = ReadFileBytes(path);
    Type(C::kShares, "300");

    messages.answer = false;
    EXPECT_EQ(editor->Command(EditorCommand::kSave), EditorRequest::kNone);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].question);
    EXPECT_EQ(messages.shown[0].text, "Are you sure you want to replace " + path + " ?");
    EXPECT_EQ(messages.shown[0].caption, "Warning");
    EXPECT_EQ(ReadFileBytes(path), first) << "No leaves the file alone";

    messages.answer = true;
    editor->Command(EditorCommand::kSave);
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_NE(ReadFileBytes(path), first) << "Yes writes it";
}

TEST_F(EditorDocumentTest, OpenChoosesRowsFromSlotsWithDaysAndTakesOverRowOne) {
    const std::string path = folder.Path("two.opt");
    editor->Command(EditorCommand::kIncludeFees);
    editor->Command(EditorCommand::kDividend);
    editor->Command(EditorCommand::kAmericanRule);
    editor->Command(EditorCommand::kShowUnits);
    settings.optionFees = 10;
    settings.underlyingFees = 12;
    editor->AfterProperties();
    editor->MoveSlider(C::kVolatilitySlider, 29);
    editor->MoveSlider(C::kInterestSlider, 60);
    editor->MoveSlider(C::kDividendSlider, 20);
    Choose(C::kUnits, "500");
    Click(C::kIndex);
    Type(C::kDate, "2/1/1999");
    HoldShares(C::kBuyButton);
    FillRow(0, 1, "50", R::kCallButton, "2", "3", R::kRowBuy);
    FillRow(1, 3, "45", R::kPutButton, "1", "2", R::kRowSell);
    ASSERT_TRUE(editor->SaveTo(path));

    settings = Settings();
    settings.iterations = 30;
    Reopen();
    CountingObserver observer;
    editor->SetObserver(&observer);
    editor->Open(path);
    EXPECT_TRUE(messages.shown.empty()) << messages.LastText();
    EXPECT_EQ(observer.replacements, 1) << "notes and tracker follow the opened document";
    EXPECT_EQ(editor->GetRowRecord(0), 1);
    EXPECT_EQ(editor->GetRowRecord(1), 3);
    EXPECT_EQ(RowText(0, R::kRowGroup), "Option 2 CJ");
    EXPECT_EQ(RowText(1, R::kRowGroup), "Option 4 OI");
    EXPECT_EQ(settings.volatility, 29);
    EXPECT_EQ(settings.interest, 60);
    EXPECT_EQ(settings.dividend, 20);
    EXPECT_EQ(settings.unitsPerContract, 500);
    EXPECT_EQ(settings.assetType, AssetType::kIndex);
    EXPECT_TRUE(settings.includeDividend);
    EXPECT_TRUE(settings.includeFees);
    EXPECT_DOUBLE_EQ(settings.optionFees, 10);
    EXPECT_DOUBLE_EQ(settings.underlyingFees, 12);
    EXPECT_FALSE(settings.europeanRule);
    EXPECT_EQ(Text(C::kRuleLabel), "American Rule (30)");
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Record(i).GetLatticeSteps(), 30) << "slot " << i;
    EXPECT_EQ(Text(C::kDate), "02/01/1999");
    EXPECT_EQ(editor->GetValuationDate(), CTime(1999, 2, 1));
    EXPECT_EQ(Ctl(C::kVolatilitySlider).position, 29);
    EXPECT_EQ(Text(C::kVolatilityText), "0.290");
    EXPECT_EQ(Text(C::kInterestText), "6.0%");
    EXPECT_TRUE(Ctl(C::kDividendSlider).visible);
    EXPECT_EQ(Text(C::kDividendText), "2.0%");
    EXPECT_TRUE(Ctl(C::kIndex).checked);
    EXPECT_EQ(Text(C::kSymbol), "[Index]");
    EXPECT_EQ(Text(C::kPrice), "50.00");
    EXPECT_EQ(Text(C::kShares), "100");
    EXPECT_TRUE(Ctl(C::kBuyButton).checked);
    EXPECT_EQ(Text(C::kNet), "-5012.00");
    EXPECT_EQ(Text(C::kFees), "-12.00");
    EXPECT_EQ(RowText(0, R::kStrike), "50.00");
    EXPECT_EQ(RowText(1, R::kStrike), "45.00");
    EXPECT_TRUE(Row(1, R::kPutButton).checked);
    EXPECT_TRUE(Row(1, R::kRowSell).checked);
    EXPECT_EQ(RowText(1, R::kRowNet), "980.00");
    EXPECT_EQ(RowText(0, R::kDaysLeft), "47");
    EXPECT_EQ(Row(0, R::kStrike).items.front(), "25.00");
    EXPECT_TRUE(editor->RowsEnabled());
    EXPECT_TRUE(Ctl(C::kGraphButton).enabled);
    EXPECT_EQ(editor->GetDocument().GetPath(), path);
}

TEST_F(EditorDocumentTest, OpenWithoutAnySlotWithDaysKeepsTheCurrentEnvironment) {
    const std::string path = folder.Path("stock-only.opt");
    HoldShares(C::kBuyButton);
    ASSERT_TRUE(editor->SaveTo(path));

    settings = Settings();
    settings.volatility = 40;
    Reopen();
    Type(C::kDate, "1/20/1999");
    editor->Command(EditorCommand::kAmericanRule);
    Type(C::kPrice, "80");
    FillRow(0, 0, "80", R::kCallButton, "3", "1", R::kRowBuy);
    editor->Open(path);
    EXPECT_EQ(settings.volatility, 40);
    EXPECT_FALSE(settings.europeanRule);
    EXPECT_EQ(Record(2).GetLatticeSteps(), 25) << "the rule in force reaches the new slots";
    EXPECT_EQ(Text(C::kDate), "01/20/1999");
    EXPECT_EQ(editor->GetRowRecord(0), -1);
    EXPECT_EQ(editor->GetRowRecord(1), -1);
    EXPECT_EQ(RowText(0, R::kRowGroup), "Option");
    EXPECT_FALSE(Row(0, R::kStrike).visible);
    EXPECT_TRUE(Row(0, R::kRowChoice).visible) << "a price is there, so records can be chosen";
    EXPECT_EQ(Text(C::kPrice), "50.00");
    EXPECT_EQ(Text(C::kNet), "-5000.00");
    EXPECT_EQ(Text(C::kPrompt), "Select a new option.");
}

TEST_F(EditorDocumentTest, OpenInAdvancedModeLeavesTheFilesFeesOut) {
    const std::string path = folder.Path("fees.opt");
    editor->Command(EditorCommand::kIncludeFees);
    HoldShares(C::kBuyButton);
    FillRow(0, 0, "50", R::kCallButton, "2", "3", R::kRowBuy);
    ASSERT_TRUE(editor->SaveTo(path));

    for (const bool includeFees : {false, true}) {
        settings = Settings();
        settings.basicMode = false;
        settings.includeFees = includeFees;
        Reopen();
        editor->Open(path);
        const std::string label = includeFees ? "fees setting on" : "fees setting off";
        EXPECT_EQ(settings.includeFees, includeFees) << label;
        EXPECT_EQ(Record(0).GetFees(), 0) << label;
        EXPECT_EQ(Underlying().GetFees(), 0) << label;
        editor->Command(EditorCommand::kBasicMode);
        EXPECT_EQ(RowText(0, R::kRowNet), includeFees ? "-675.00" : "-600.00") << label;
        EXPECT_EQ(Text(C::kNet), includeFees ? "-5025.00" : "-5000.00") << label;
    }
}

TEST_F(EditorDocumentTest, ForeignFileLeavesTheEditorAndDamagedFileLeavesANewOne) {
    const std::string foreign = folder.Path("foreign.opt");
    WriteFileBytes(foreign, std::string("\x05hello", 6));
    Type(C::kPrice, "50");
    editor->Open(foreign);
    EXPECT_EQ(messages.LastText(), foreign + " is not an Qualtrixon file.");
    EXPECT_EQ(Text(C::kPrice), "50.00");
    EXPECT_TRUE(editor->RowsEnabled());

    const std::string damaged = folder.Path("damaged.opt");
    editor->Command(EditorCommand::kAmericanRule);
    ASSERT_TRUE(editor->SaveTo(damaged));
    editor->Command(EditorCommand::kEuropeanRule);
    const std::string bytes = ReadFileBytes(damaged);
    WriteFileBytes(damaged, bytes.substr(0, bytes.size() - 10));
    FillRow(0, 0, "50", R::kCallButton, "2", "1", R::kRowBuy);
    editor->Open(damaged);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Record(i).GetLatticeSteps(), 0) << "slot " << i << " follows the rule in force";
    EXPECT_EQ(messages.LastText(), "An attempt was made to access " + damaged + " past its end.");
    EXPECT_EQ(Text(C::kPrice), "");
    EXPECT_FALSE(editor->RowsEnabled());
    EXPECT_EQ(editor->GetRowRecord(0), -1);
    EXPECT_EQ(Record(0).GetSide(), Side::kNone);
    EXPECT_EQ(editor->GetDocument().GetPath(), "");
    EXPECT_EQ(Text(C::kPrompt), "Enter price.");
}

// The document reports what went wrong; the editor shows it over the main window and
// keeps what the user has.
TEST_F(EditorDocumentTest, FileFailuresAreShownOverTheMainWindowAndKeepTheWork) {
    const std::string kept = folder.Path("kept.opt");
    Type(C::kPrice, "50");
    ASSERT_TRUE(editor->SaveTo(kept));
    Type(C::kShares, "300");
    const std::string missing = folder.Path("missing.opt");
    const std::string nowhere = folder.Path("no/such/folder.opt");
    const struct {
        const char* what;
        std::function<void()> act;
        std::string message;
    } cases[] = {
        {"open a missing file", [&] { editor->Open(missing); }, missing + " was not found."},
        {"save into a missing folder", [&] { EXPECT_FALSE(editor->SaveTo(nowhere)); },
         nowhere + " contains an invalid path."},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        c.act();
        ASSERT_EQ(messages.shown.size(), 1u) << c.what;
        EXPECT_EQ(messages.shown[0].text, c.message) << c.what;
        EXPECT_EQ(messages.shown[0].caption, "Qualtrixon") << c.what;
        EXPECT_EQ(messages.shown[0].owner, MessageOwner::kMainWindow) << c.what;
        EXPECT_EQ(Text(C::kShares), "300") << c.what;
        EXPECT_EQ(editor->GetDocument().GetPath(), kept) << c.what;
        EXPECT_TRUE(editor->HasUnsavedWork()) << c.what;
    }
}

TEST_F(EditorDocumentTest, SavingAnExtendedBookWarnsOncePerDocument) {
    editor->GetDocument().GetTransactions().CopyFrom(RandomBook(101, 3));
    ASSERT_TRUE(editor->SaveTo(folder.Path("a.opt")));
    ASSERT_TRUE(editor->SaveTo(folder.Path("b.opt")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "This book holds more than 100 transactions, so it is saved in a layout that "
              "earlier versions of Qualtrixon cannot open.");
    EXPECT_EQ(messages.shown[0].owner, MessageOwner::kMainWindow);
}

// A user's whole session: the underlying, two options from the lists, fees, the American
// rule, save, New, and open again; the window must look exactly as it did.
TEST_F(EditorDocumentTest, WorkingSessionSurvivesSaveNewAndOpen) {
    const std::string path = folder.Path("session.opt");
    Type(C::kSymbol, "XYZ");
    Type(C::kPrice, "47.30");
    Choose(C::kShares, "300");
    Click(C::kBuyButton);
    PickRow(0, 0, "Apr 1999", "50.00", R::kCallButton, "1.25", "3", R::kRowSell);
    PickRow(1, 1, "Jun 1999", "45.00", R::kPutButton, "2 1/8", "10", R::kRowBuy);
    editor->Command(EditorCommand::kIncludeFees);
    editor->Command(EditorCommand::kAmericanRule);

    EXPECT_EQ(Text(C::kPrice), "47.30");
    EXPECT_EQ(Text(C::kNet), "-14215.00");
    EXPECT_EQ(Text(C::kFees), "-25.00");
    EXPECT_EQ(RowText(0, R::kRowGroup), "Option 1 XYZ   990416C00050000");
    EXPECT_EQ(RowText(0, R::kDaysLeft), "91");
    EXPECT_EQ(RowText(0, R::kRowNet), "300.00");
    EXPECT_EQ(RowText(0, R::kRowFees), "-75.00");
    EXPECT_EQ(RowText(1, R::kRowGroup), "Option 2 XYZ   990618P00045000");
    EXPECT_EQ(RowText(1, R::kRowPrice), "2.12");
    EXPECT_EQ(RowText(1, R::kRowNet), "-2375.00");
    EXPECT_EQ(RowText(1, R::kRowFees), "-250.00");
    EXPECT_FALSE(RowText(0, R::kFairValue).empty());
    EXPECT_FALSE(RowText(1, R::kImpliedVolatility).empty());
    EXPECT_EQ(Text(C::kRuleLabel), "American Rule (25)");
    EXPECT_EQ(Text(C::kPrompt), "Select a new option or graph options.");
    const std::string before = Screen();

    files.answers = {path};
    editor->Command(EditorCommand::kSaveAs);
    EXPECT_EQ(files.suggestedNames, std::vector<std::string>{"XYZ"});
    editor->Command(EditorCommand::kNew);
    EXPECT_EQ(Text(C::kPrice), "");
    EXPECT_EQ(Text(C::kPrompt), "Enter price.");
    editor->Open(path);
    EXPECT_TRUE(messages.shown.empty()) << messages.LastText();
    EXPECT_EQ(Screen(), before);
}

}  // namespace
}  // namespace qx
