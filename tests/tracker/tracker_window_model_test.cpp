#include "tracker/tracker_window_model.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "shell/settings.h"
#include "test_support/recording_messages.h"
#include "test_support/scripted_file_chooser.h"
#include "test_support/stopped_clock.h"
#include "test_support/temp_folder.h"
#include "test_support/time_zone.h"
#include "test_support/tran_builder.h"
#include "test_support/tran_list_fixture.h"
#include "tracker/tran_csv.h"
#include "tracker/tran_list.h"

namespace qx {
namespace {

using C = TrackerControl;
using Row = TrackerWindowModel::Row;

// The editor's records and the document's book, with a tracker over them.
class TrackerModel : public ::testing::Test {
  protected:
    TrackerModel() {
        clock.now = CTime(2026, 3, 2, 9, 30);
        stock.SetSymbol("XYZ");
        stock.SetAssetType(AssetType::kStock);
        stock.SetUnitsPerContract(1);
        stock.SetPrice(47.3);
        FillRecord(0, OptionType::kCall, 50);
        FillRecord(1, OptionType::kPut, 45);
    }

    void FillRecord(int slot, OptionType type, double strike) {
        Option& record = records[slot];
        record.SetOptionType(type);
        record.SetStrike(strike);
        record.SetUnitsPerContract(100);
        record.SetAssetType(AssetType::kStock);
        record.SetDates(CTime(2026, 3, 2), CTime(2026, 6, 19));
        record.SetInterestRate(0.05);
    }

    TrackerWindowModel& Model() {
        if (!model) {
            model = std::make_unique<TrackerWindowModel>(
                stock,
                std::array<const Option*, 4>{&records[0], &records[1], &records[2], &records[3]},
                list, settings, messages, files, clock);
            model->Open();
        }
        return *model;
    }
    const Control& Ctl(C control) { return Model().GetControl(control); }
    // Every row of the list, as a view that scrolls through it reads them.
    std::vector<Row> Rows() {
        std::vector<Row> rows;
        for (int i = 0; i < Model().GetRowCount(); ++i) rows.push_back(Model().GetRow(i));
        return rows;
    }
    TrackerRequest Choose(int entry) { return Model().ChooseItem(C::kEntryList, entry); }
    TrackerRequest Click(C control) { return Model().ClickButton(control); }
    void Leave(C box, const std::string& text) { Model().LeaveBox(box, text); }

    // Fills the form as a user does: entry, action, side, units and price.
    void Fill(int entry, C action, C side, const std::string& units, const std::string& price) {
        Choose(entry);
        Click(action);
        Click(side);
        Model().EditUnits(units);
        Leave(C::kPrice, price);
    }

    // The entry controls shown: Open, Close, Exercise, Units, Buy, Sell, Price, Fees.
    std::string Shown() {
        std::string shown;
        const std::pair<C, char> letters[] = {
            {C::kOpen, 'O'}, {C::kClose, 'C'}, {C::kExercise, 'E'}, {C::kUnits, 'U'},
            {C::kBuy, 'B'},  {C::kSell, 'S'},  {C::kPrice, 'P'},    {C::kFees, 'F'}};
        for (const auto& [control, letter] : letters)
            if (Ctl(control).visible) shown += letter;
        return shown;
    }

    ScopedTimeZone zone{"EST5EDT,M3.2.0,M11.1.0"};
    StoppedClock clock;
    Stock stock;
    Option records[4];
    TranList list;
    Settings settings;
    RecordingMessages messages;
    ScriptedFileChooser files;
    std::unique_ptr<TrackerWindowModel> model;
};

TEST_F(TrackerModel, EntriesOfferWhatTheEditorHoldsAndSendTheUserThereForTheRest) {
    EXPECT_EQ(Ctl(C::kEntryList).items,
              (std::vector<std::string>{"XYZ", "Jun 50 Call", "Jun 45 Put", "3 New Option",
                                        "4 New Option", "Dividend"}));
    const struct {
        const char* what;
        int entry;
        double price;  // of the underlying in the editor
        TrackerRequest request;
        std::string shown;
        TranKind kind;
        std::string name;
        std::string unitsLabel;
        std::string priceLabel;
    } cases[] = {
        {"the underlying", 0, 47.3, TrackerRequest::kNone, "OCUBSPF", TranKind::kUnderlying, "XYZ",
         "Shares", "Price"},
        {"the underlying without a price", 0, 0, TrackerRequest::kFocusEditor, "", TranKind::kNone,
         "", "Shares", "Price"},
        {"an option", 1, 47.3, TrackerRequest::kNone, "OCEUBSPF", TranKind::kOption, "Jun 50 Call",
         "Contracts", "Price"},
        {"an option row without a type", 3, 47.3, TrackerRequest::kFocusEditor, "", TranKind::kNone,
         "", "Shares", "Price"},
        {"a dividend", 5, 47.3, TrackerRequest::kNone, "P", TranKind::kDividend, "Dividend",
         "Shares", "Amount"},
    };
    for (const auto& c : cases) {
        stock.SetPrice(c.price);
        model.reset();
        EXPECT_EQ(Choose(c.entry), c.request) << c.what;
        EXPECT_EQ(Ctl(C::kEntryList).selected, c.request == TrackerRequest::kNone ? c.entry : -1)
            << c.what;
        EXPECT_EQ(Shown(), c.shown) << c.what;
        EXPECT_EQ(Model().GetForm().GetKind(), c.kind) << c.what;
        EXPECT_EQ(Model().GetForm().GetName(), c.name) << c.what;
        EXPECT_EQ(Ctl(C::kUnitsLabel).text, c.unitsLabel) << c.what;
        EXPECT_EQ(Ctl(C::kPriceLabel).text, c.priceLabel) << c.what;
    }
    Choose(1);
    EXPECT_EQ(Model().GetForm().GetStrike(), 50);
    EXPECT_EQ(Model().GetForm().GetExpiration(), CTime(2026, 6, 19));
    EXPECT_EQ(Ctl(C::kUnits).items.back(), "25");
    // A future trades in contracts of its own size.
    stock.SetAssetType(AssetType::kFuture);
    stock.SetUnitsPerContract(50);
    Choose(0);
    EXPECT_EQ(Ctl(C::kUnitsLabel).text, "Contracts");
    EXPECT_EQ(Model().GetForm().GetUnitsPerContract(), 50);
}

TEST_F(TrackerModel, ExerciseHidesTheSidesAndTakesTheEditorsPrice) {
    Choose(1);
    Click(C::kBuy);
    Click(C::kExercise);
    EXPECT_EQ(Shown(), "OCEUPF");
    EXPECT_EQ(Model().GetForm().GetSide(), Side::kNone);
    EXPECT_FALSE(Ctl(C::kBuy).checked);
    EXPECT_EQ(Ctl(C::kPrice).text, "47.30");
    EXPECT_EQ(Model().GetForm().GetPrice(), 47.3);
    Model().EditUnits("2");
    EXPECT_TRUE(Ctl(C::kRecord).enabled) << "an exercise needs no side";
    Click(C::kOpen);
    EXPECT_EQ(Shown(), "OCEUBSPF");
    EXPECT_EQ(Model().GetForm().GetAction(), TranAction::kOpen);
    EXPECT_FALSE(Ctl(C::kRecord).enabled) << "an opening needs its side";

    Choose(5);
    Click(C::kOpen);
    EXPECT_EQ(Shown(), "P") << "a dividend has no sides";
}

TEST_F(TrackerModel, BoxesKeepOnlyWhatReadsAsAValue) {
    Choose(0);
    // Keystrokes take a whole count at once and keep a count still being typed;
    // leaving the box refuses what it cannot read, and the count stays.
    const struct {
        bool left;
        const char* typed;
        const char* shown;
        int units;
        bool refused;
    } units[] = {{false, "007", "7", 7, false},
                 {false, "1,", "1,", 7, false},
                 {false, "1,250", "1250", 1250, false},
                 {false, "12x", "1250", 1250, false},
                 {true, "12x", "1250", 1250, true},
                 {true, "1,25", "1250", 1250, true},
                 {true, "2,500", "2500", 2500, false},
                 {false, "0", "", 0, false},
                 {false, "-5", "", 0, false}};
    for (const auto& c : units) {
        const std::size_t shown = messages.shown.size();
        if (c.left) {
            Leave(C::kUnits, c.typed);
        } else {
            Model().EditUnits(c.typed);
        }
        EXPECT_EQ(Ctl(C::kUnits).text, c.shown) << c.typed;
        EXPECT_EQ(Model().GetForm().GetUnits(), c.units) << c.typed;
        EXPECT_EQ(messages.shown.size() > shown, c.refused) << c.typed;
        EXPECT_EQ(Model().TakeRefusedRead(), c.refused) << c.typed;
    }
    EXPECT_EQ(messages.LastText(),
              "The Shares box cannot read \"1,25\" as a whole number. Write "
              "it as 1250 or 1,250.");
    Model().ChooseItem(C::kUnits, 2);
    EXPECT_EQ(Model().GetForm().GetUnits(), 300);

    const struct {
        const char* typed;
        bool fractions;
        const char* shown;
        double price;
    } prices[] = {{"12 1/2", false, "12.50", 12.5},
                  {"12.5", true, "12 1/2", 12.5},
                  {"1,250.5", false, "1250.50", 1250.5},
                  {"x", false, "1250.50", 1250.5},
                  {"-3", false, "", 0}};
    for (const auto& c : prices) {
        settings.showFractions = c.fractions;
        Leave(C::kPrice, c.typed);
        EXPECT_EQ(Ctl(C::kPrice).text, c.shown) << c.typed;
        EXPECT_EQ(Model().GetForm().GetPrice(), c.price) << c.typed;
    }

    const struct {
        const char* typed;
        int format;
        const char* shown;
        CTime date;
    } dates[] = {{"3/4/2026", 1, "03/04/2026", CTime(2026, 3, 4)},
                 {"3/4/2026", 2, "03/04/2026", CTime(2026, 4, 3)},
                 {"31/31/2026", 2, "03/04/2026", CTime(2026, 4, 3)},
                 {"", 1, "04/03/2026", CTime(2026, 4, 3)}};
    for (const auto& c : dates) {
        settings.dateFormat = c.format;
        Leave(C::kDate, c.typed);
        EXPECT_EQ(Ctl(C::kDate).text, c.shown) << c.typed;
        EXPECT_EQ(Model().GetForm().GetDate(), c.date) << c.typed;
    }
}

TEST_F(TrackerModel, TradeDateSurvivesClearRecordAndAnotherEntry) {
    EXPECT_EQ(Ctl(C::kDate).text, "03/02/2026");
    Leave(C::kDate, "3/5/2026");
    Fill(0, C::kOpen, C::kBuy, "100", "46");
    Click(C::kRecord);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(StoredAt(list, 0).GetDate(), CTime(2026, 3, 5));
    EXPECT_EQ(Ctl(C::kEntryList).selected, -1);
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(Ctl(C::kDate).text, "03/05/2026");

    Fill(1, C::kOpen, C::kBuy, "2", "3");
    EXPECT_EQ(Model().GetForm().GetDate(), CTime(2026, 3, 5));
    Click(C::kClear);
    EXPECT_EQ(Model().GetForm().GetKind(), TranKind::kOption);
    EXPECT_EQ(Model().GetForm().GetName(), "");
    EXPECT_EQ(Ctl(C::kUnits).text, "");
    Click(C::kOpen);
    Click(C::kBuy);
    Model().EditUnits("2");
    Leave(C::kPrice, "3");
    EXPECT_FALSE(Ctl(C::kRecord).enabled) << "the entry's name went with Clear";
    Fill(1, C::kOpen, C::kBuy, "2", "3");
    EXPECT_TRUE(Ctl(C::kRecord).enabled);
    EXPECT_EQ(Model().GetForm().GetDate(), CTime(2026, 3, 5));
}

TEST_F(TrackerModel, ButtonsFollowTheFormTheSelectionAndTheView) {
    AddAll(list, {TranBuilder().Day(1).Underlying().Open().Buy(100).At(40)}, "shares");
    const auto buttons = [this] {
        std::string on;
        for (C button : {C::kRecord, C::kChange, C::kDelete, C::kGraph})
            on += Ctl(button).enabled ? '1' : '0';
        return on;
    };
    EXPECT_EQ(buttons(), "0000") << "nothing chosen; only shares are open";
    EXPECT_EQ(Shown(), "");
    Choose(0);
    EXPECT_EQ(buttons(), "0000") << "an empty form";
    Fill(0, C::kOpen, C::kBuy, "100", "46");
    EXPECT_EQ(buttons(), "1000") << "a complete form for an entry";
    Model().ClickRow(0);
    EXPECT_EQ(buttons(), "1110") << "a row of the all view, loaded whole";
    Leave(C::kPrice, "");
    EXPECT_EQ(buttons(), "0010") << "a row with an incomplete form";
    Click(C::kShowOpenOnly);
    EXPECT_EQ(Shown(), "") << "the view changed under the row: nothing is chosen";
    EXPECT_EQ(Model().GetForm().GetKind(), TranKind::kNone);
    Model().ClickRow(0);
    EXPECT_EQ(buttons(), "1000") << "a position of the open view";
    EXPECT_EQ(Model().GetForm().GetUnits(), 100);

    Click(C::kShowAll);
    Fill(1, C::kOpen, C::kBuy, "1", "2");
    Click(C::kRecord);
    EXPECT_EQ(buttons(), "0001") << "an option position can be graphed";
}

TEST_F(TrackerModel, RecordChangeAndDeleteGoThroughTheBook) {
    Fill(0, C::kOpen, C::kBuy, "100", "46");
    Click(C::kFees);
    Click(C::kRecord);
    ASSERT_EQ(Rows().size(), 1u);
    EXPECT_EQ(Rows()[0], (Row{"03/02/2026", "XYZ", "O", "100", "46.00", "-4600.00", "-25.00",
                              "-4625.00", "-4625.00"}));
    Model().ClickRow(0);
    EXPECT_TRUE(Ctl(C::kFees).checked);
    Leave(C::kPrice, "47");
    Click(C::kChange);
    EXPECT_EQ(Rows()[0][4], "47.00");
    EXPECT_EQ(Model().GetSelectedRow(), -1);

    Fill(0, C::kClose, C::kSell, "100", "50");
    Click(C::kRecord);
    ASSERT_EQ(Rows().size(), 2u);
    EXPECT_EQ(Rows()[1][3], "-100");
    EXPECT_EQ(Rows()[1][8], "275.00");

    Model().ClickRow(0);
    Click(C::kDelete);
    EXPECT_EQ(messages.LastText(),
              "Cannot delete/change a transaction that is already closed.\n"
              "Try deleting the transaction(s) that closed this transaction.");
    EXPECT_EQ(Rows().size(), 2u);
    EXPECT_EQ(Model().GetSelectedRow(), 0);
    Model().ClickRow(1);
    Click(C::kDelete);
    EXPECT_EQ(Rows().size(), 1u);
    EXPECT_EQ(Shown(), "");
}

// An imported transaction keeps the broker's id through a correction; one recorded from
// its row is typed in and has none, so no two transactions claim one broker trade.
TEST_F(TrackerModel, BrokerIdStaysWithItsTransactionOnly) {
    Tran imported = TranBuilder().Day(1).Underlying().Open().Buy(100).At(40);
    imported.SetBrokerId("1001");
    ASSERT_TRUE(list.Add(imported).IsAccepted());
    Model().Open();
    Model().ClickRow(0);
    Leave(C::kPrice, "41");
    Click(C::kChange);
    EXPECT_EQ(list.At(0).BrokerId(), "1001");
    Model().ClickRow(0);
    Click(C::kRecord);
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.At(1).BrokerId(), "");
}

TEST_F(TrackerModel, ListShowsTransactionsOrPositionsLikeALedger) {
    AddAll(list,
           {TranBuilder().Day(2).Underlying().Open().Buy(300).At(46).Fees(5),
            TranBuilder().Day(3).Underlying().Close().Sell(100).At(50),
            TranBuilder().Day(4).Call().Open().Buy(2).At(2.5).Fees(1),
            TranBuilder().Day(5).Dividend(25)},
           "book");
    settings.dateFormat = 2;
    stock.SetSymbol("XYZ.N");
    EXPECT_EQ(Rows(),
              (std::vector<Row>{
                  {"02/03/2026", "XYZ", "O", "300", "46.00", "-13800.00", "-5.00", "-13805.00",
                   "-13805.00"},
                  {"03/03/2026", "XYZ", "C", "-100", "50.00", "5000.00", "", "5000.00", "-8805.00"},
                  {"04/03/2026", "Jun 50 Call", "O", "2", "2.50", "-500.00", "-2.00", "-502.00",
                   "-9307.00"},
                  {"05/03/2026", "Dividend", "", "", "", "25.00", "", "25.00", "-9282.00"}}));
    EXPECT_EQ(Model().ColumnTitle(4), "Price");
    Click(C::kShowOpenOnly);
    EXPECT_TRUE(settings.showOpenOnly);
    EXPECT_EQ(Model().ColumnTitle(4), "Avg. Price");
    EXPECT_EQ(Rows(), (std::vector<Row>{{"02/03/2026", "XYZ.N", "O", "200", "46.00", "-9200.00",
                                         "-5.00", "-9205.00", "-9205.00"},
                                        {"04/03/2026", "Jun 50 Call", "O", "2", "2.50", "-500.00",
                                         "-2.00", "-502.00", "-9707.00"}}));
    EXPECT_EQ(TrackerWindowModel::ColumnAlign(1), ColumnAlignment::kLeft);
    EXPECT_EQ(TrackerWindowModel::ColumnAlign(2), ColumnAlignment::kCenter);
    EXPECT_EQ(TrackerWindowModel::ColumnAlign(8), ColumnAlignment::kRight);
}

TEST_F(TrackerModel, OpenViewListsEveryPositionTheAccountingFilled) {
    std::vector<Tran> history;
    for (const char* name : {"A", "B", "C", "D", "E"})
        history.push_back(
            TranBuilder().OptionSeries(name, OptionType::kCall, 50).Open().Buy(1).At(2));
    AddAll(list, history, "five series");
    settings.showOpenOnly = true;
    ASSERT_EQ(Rows().size(), 5u);
    EXPECT_EQ(Rows()[4][1], "E");
    Model().ClickRow(4);
    EXPECT_EQ(Model().GetForm().GetName(), "E");
    EXPECT_FALSE(Ctl(C::kChange).enabled);
    EXPECT_FALSE(Ctl(C::kDelete).enabled);
}

TEST_F(TrackerModel, GraphValuesTheOpenPositionsFromTheEditorsDate) {
    AddAll(list,
           {TranBuilder().Day(1).Underlying().Open().Buy(100).At(40).Fees(5),
            TranBuilder().Day(3).Call().Open().Buy(2).At(2.5),
            TranBuilder().Day(4).Put("Jun 45 Put", 45).Open().Sell(1).At(1.5).Fees(1),
            TranBuilder().Day(6).Call().Open().Buy(1).At(3)},
           "book");
    settings.volatility = 30;
    // The editor values its rows on the 10th, after every opening.
    records[0].SetDates(CTime(2026, 3, 10), CTime(2026, 6, 19));
    records[1].SetDates(CTime(2026, 3, 10), CTime(2026, 6, 19));
    EXPECT_EQ(Click(C::kGraph), TrackerRequest::kOpenGraph);
    const Stock& held = Model().GraphStock();
    EXPECT_EQ(held.GetShares(), 100);
    EXPECT_EQ(held.GetPrice(), 40);
    EXPECT_EQ(held.GetFees(), -5);
    EXPECT_EQ(held.GetSide(), Side::kBuy);
    EXPECT_EQ(held.GetSymbol(), "XYZ");
    const Option& call = Model().GraphOptions()[0];
    EXPECT_EQ(call.GetContracts(), 3);
    EXPECT_NEAR(call.GetPrice(), 3 * (1.0 / 3) + 2.5 * (2.0 / 3), 1e-12);
    EXPECT_EQ(call.GetValuationDate(), CTime(2026, 3, 10))
        << "the editor's date, not the opening's";
    EXPECT_EQ(call.GetExpiration(), CTime(2026, 6, 19));
    EXPECT_EQ(call.GetUnderlyingPrice(), 47.3);
    EXPECT_DOUBLE_EQ(call.GetVolatility(), 0.3);
    EXPECT_EQ(call.GetInterestRate(), 0.05);
    const Option& put = Model().GraphOptions()[1];
    EXPECT_EQ(put.GetSide(), Side::kSell);
    EXPECT_EQ(put.GetFees(), -1);
    EXPECT_EQ(put.GetValuationDate(), CTime(2026, 3, 10));
    EXPECT_EQ(Model().GraphOptions()[2].GetOptionType(), OptionType::kNone);
    EXPECT_TRUE(messages.shown.empty());

    stock.SetPrice(0);
    EXPECT_EQ(Click(C::kGraph), TrackerRequest::kNone);
    EXPECT_EQ(messages.LastText(), "Enter current price of underlying asset in the editor.");
    EXPECT_EQ(messages.shown.back().owner, MessageOwner::kTracker);
    list.RemoveAll();
    EXPECT_EQ(Click(C::kGraph), TrackerRequest::kNone);
    EXPECT_EQ(messages.LastText(), "There are no open positions to graph.");
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(TrackerModel, GraphOfMoreThanFourOptionsTakesTheFourTicked) {
    std::vector<Tran> history = {TranBuilder().Underlying().Open().Buy(100).At(40)};
    for (int i = 0; i < 6; ++i)
        history.push_back(TranBuilder()
                              .OptionSeries(std::string(1, 'A' + i), OptionType::kCall, 50)
                              .Open()
                              .Buy(i + 1)
                              .At(2));
    AddAll(list, history, "six series");
    // From the list of every transaction, the user is sent to pick.
    EXPECT_EQ(Click(C::kGraph), TrackerRequest::kNone);
    EXPECT_TRUE(Ctl(C::kShowOpenOnly).checked);
    EXPECT_EQ(messages.LastText(),
              "More than four options are open. Tick at most four in the list of open "
              "positions, then choose Graph! again.");
    // The underlying has no box; the first four options are ticked.
    const bool ticked[] = {false, true, true, true, true, false, false};
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(Model().IsPickable(row), row > 0) << row;
        EXPECT_EQ(Model().IsPicked(row), ticked[row]) << row;
    }
    Model().PickRow(6, true);
    EXPECT_FALSE(Model().IsPicked(6)) << "a fifth tick";
    EXPECT_EQ(messages.LastText(),
              "A graph shows at most four options. Clear the tick of another first.");
    Model().PickRow(2, false);
    Model().PickRow(6, true);
    ASSERT_EQ(Click(C::kGraph), TrackerRequest::kOpenGraph);
    const int contracts[] = {1, 3, 4, 6};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Model().GraphOptions()[i].GetContracts(), contracts[i]) << i;
    EXPECT_EQ(Model().GraphStock().GetShares(), 100);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(TrackerModel, ColumnWidthsTheUserDragsAreKept) {
    Model().ResizeColumn(3, 120);
    EXPECT_EQ(settings.columnWidths[3], 120);
    EXPECT_EQ(Model().ColumnWidth(3), 120);
    settings.columnWidths[0] = -5;
    settings.columnWidths[8] = 1 << 30;
    EXPECT_EQ(Model().ColumnWidth(0), 66);
    EXPECT_EQ(Model().ColumnWidth(8), 78);
}

TEST_F(TrackerModel, SpreadsheetFilesGoThroughTheFileDialogs) {
    TempFolder folder;
    AddAll(list, {TranBuilder().Day(1).Underlying().Open().Buy(100).At(40)}, "book");
    const std::string path = folder.Path("XYZ.csv");
    files.answers = {path};
    Click(C::kExport);
    EXPECT_EQ(files.titles.back(), "Export Transactions");
    EXPECT_EQ(files.lastKinds[0].extension, "csv");
    EXPECT_EQ(files.suggestedNames.back(), "XYZ");
    const TranCsvImport exported = LoadTranCsv(path, TranList());
    EXPECT_EQ(exported.list, list);

    const std::string more = folder.Path("more.csv");
    std::ofstream(more) << WriteTranCsv(exported.list, 2)
                        << "2026-03-09,XYZ,Underlying,Stock,Close,"
                        << "Sell,500,1,,,,41,0,,,\r\n";
    const TranList before = list;
    files.answers = {more};
    Click(C::kImport);
    EXPECT_EQ(files.titles.back(), "Import Transactions");
    EXPECT_EQ(messages.LastText(),
              "Row 3: Transaction tries to close out more units than are open");
    EXPECT_EQ(list, before);

    // Last week's export again: nothing is added twice.
    files.answers = {path};
    Click(C::kImport);
    EXPECT_EQ(list, before);
    EXPECT_EQ(messages.LastText(), "0 transactions added, 1 already in the book.");
    Click(C::kImport);  // cancelled
    EXPECT_EQ(list, before);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(TrackerModel, SpreadsheetFileErrorsAreShownOverTheTracker) {
    TempFolder folder;
    AddAll(list, {TranBuilder().Day(1).Underlying().Open().Buy(100).At(40)}, "book");
    const TranList before = list;
    const std::string nowhere = folder.Path("no/such/XYZ.csv");
    const std::string missing = folder.Path("missing.csv");
    const struct {
        C button;
        std::string path;
        std::string message;
    } cases[] = {
        {C::kExport, nowhere, nowhere + " contains an invalid path."},
        {C::kImport, missing, missing + " was not found."},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        files.answers = {c.path};
        Click(c.button);
        ASSERT_EQ(messages.shown.size(), 1u) << c.path;
        EXPECT_EQ(messages.shown[0].text, c.message);
        EXPECT_EQ(messages.shown[0].owner, MessageOwner::kTracker) << c.path;
        EXPECT_EQ(list, before) << c.path;
    }
}

TEST_F(TrackerModel, EntriesFollowTheEditorAndTheDocument) {
    Choose(5);
    Leave(C::kPrice, "25");
    FillRecord(2, OptionType::kCall, 55);
    Model().RefillEntries();
    EXPECT_EQ(Ctl(C::kEntryList).items[3], "Jun 55 Call");
    EXPECT_EQ(Ctl(C::kEntryList).selected, 5) << "the dividend still reads the same";
    EXPECT_TRUE(Ctl(C::kRecord).enabled);

    Choose(1);
    FillRecord(0, OptionType::kCall, 55);
    Model().RefillEntries();
    EXPECT_EQ(Ctl(C::kEntryList).selected, -1) << "the chosen series is another one now";
    EXPECT_EQ(Shown(), "");

    AddAll(list, {TranBuilder().Day(1).Underlying().Open().Buy(100).At(40)}, "opened document");
    Model().DocumentReplaced();
    EXPECT_EQ(Rows().size(), 1u);
}

}  // namespace
}  // namespace qx
