#include "statement/statement_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "pricing/option.h"
#include "tracker/tran_csv.h"

namespace qx {
namespace {

// A recorded transaction as the tests compare it: the day, not the time, since some
// layouts give no times.
struct Recorded {
    int year, month, day;
    std::string name;
    int kind, assetType, action, side, units, unitsPerContract;  // coded fields as stored
    double price, fees;

    auto Key() const {
        return std::tie(year, month, day, name, kind, assetType, action, side, units,
                        unitsPerContract);
    }
    bool operator<(const Recorded& other) const { return Key() < other.Key(); }
};

std::vector<Recorded> RecordedOf(const TranList& book) {
    std::vector<Recorded> recorded;
    Tran t;
    for (int i = 0; i < book.GetCount(); ++i) {
        book.GetAt(i, t);
        const CTime d = t.GetDate();
        recorded.push_back({d.GetYear(), d.GetMonth(), d.GetDay(), t.GetName(), Stored(t.GetKind()),
                            Stored(t.GetAssetType()), Stored(t.GetAction()), Stored(t.GetSide()),
                            t.GetUnits(), t.GetUnitsPerContract(), t.GetPrice(), t.GetFees()});
    }
    std::sort(recorded.begin(), recorded.end());
    return recorded;
}

// What every fixture holds, in the tracker's terms: opens and closes of stock, options,
// a future and a future option of contract size 50; a roll (the February call closed,
// the March call opened the same day); an exercise and an assignment, each the
// tracker's exercise at the strike, with the side opposite to the opening (the
// delivered shares are the exercise's, not rows of their own); an expiry as a close
// at 0; a dividend.
const std::vector<Recorded> kFuturesTrades = {
    {2026, 1, 9, "ESH6", 1, 3, 1, 1, 1, 50, 6010, -2.25},
    {2026, 1, 15, "ESH6", 1, 3, 2, 2, 1, 50, 6030, -2.25},
};
const std::vector<Recorded> kEveryFixture = {
    {2026, 1, 5, "AAPL", 1, 1, 1, 1, 200, 1, 180, -1},
    {2026, 1, 6, "AAPL Feb 20 2026 200 Call", 2, 1, 1, 2, 2, 100, 3.5, -0.65},
    {2026, 1, 7, "MSFT Feb 20 2026 400 Call", 2, 1, 1, 1, 1, 100, 8, -0.65},
    {2026, 1, 8, "AAPL Feb 20 2026 170 Put", 2, 1, 1, 2, 1, 100, 2.1, -0.65},
    {2026, 1, 12, "ES Mar 20 2026 6000 Call", 2, 3, 1, 1, 1, 50, 45, -2.25},
    {2026, 2, 10, "AAPL Feb 20 2026 200 Call", 2, 1, 2, 1, 2, 100, 1.2, -0.65},
    {2026, 2, 10, "AAPL Mar 20 2026 205 Call", 2, 1, 1, 2, 2, 100, 2.8, -0.65},
    {2026, 2, 12, "Dividend", 3, 0, 0, 0, 0, 1, 52, 0},
    {2026, 2, 13, "ES Mar 20 2026 6000 Call", 2, 3, 2, 2, 1, 50, 60, -2.25},
    {2026, 2, 20, "MSFT Feb 20 2026 400 Call", 2, 1, 3, 2, 1, 100, 400, 0},
    {2026, 2, 20, "AAPL Feb 20 2026 170 Put", 2, 1, 2, 1, 1, 100, 0, 0},
    {2026, 3, 2, "MSFT", 1, 1, 2, 2, 100, 1, 410, -1},
    {2026, 3, 20, "AAPL Mar 20 2026 205 Call", 2, 1, 3, 1, 2, 100, 205, 0},
};

std::string Fixture(const std::string& name) { return std::string(QX_STATEMENTS_DIR) + "/" + name; }

TEST(StatementImport, EveryLayoutRecordsItsFixtureAlikeAndASecondImportAddsNothing) {
    struct Case {
        const char* file;
        const char* format;
        bool futures;
        int skipped;
    };
    const Case cases[] = {
        {"ibkr_activity.csv", "Activity statement", true, 4},
        {"ibkr_flex.csv", "Flex query", true, 5},
        {"schwab_transactions.csv", "Transactions export", false, 4},
        {"tastytrade_current.csv", "Transaction history", true, 4},
        {"tastytrade_older.csv", "Transaction history", true, 4},
        {"tracker_export.csv", "Tracker export", true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const StatementPreview first = PreviewStatementFile(Fixture(c.file), TranList());
        ASSERT_EQ(first.error, "");
        EXPECT_EQ(first.format, c.format);
        EXPECT_EQ(first.refused, 0) << (RefusalTexts(first).empty() ? "" : RefusalTexts(first)[0]);
        EXPECT_EQ(first.skipped, c.skipped);
        std::vector<Recorded> expected = kEveryFixture;
        if (c.futures)
            expected.insert(expected.end(), kFuturesTrades.begin(), kFuturesTrades.end());
        std::sort(expected.begin(), expected.end());
        const std::vector<Recorded> recorded = RecordedOf(first.book);
        ASSERT_EQ(recorded.size(), expected.size());
        EXPECT_EQ(first.added, static_cast<int>(expected.size()));
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(expected[i].name);
            EXPECT_EQ(recorded[i].Key(), expected[i].Key());
            EXPECT_NEAR(recorded[i].price, expected[i].price, 1e-9);
            EXPECT_NEAR(recorded[i].fees, expected[i].fees, 1e-9);
        }

        const StatementPreview second = PreviewStatementFile(Fixture(c.file), first.book);
        EXPECT_EQ(second.added, 0);
        EXPECT_EQ(second.inBook, first.added);
        EXPECT_EQ(second.refused, 0);
        EXPECT_EQ(second.book, first.book);
    }
}

// A small statement in the transactions-export layout: newest first, no times.
std::string Statement(const std::vector<std::string>& rows) {
    std::string text =
        "\"Transactions for account XXXX-1234\"\r\n"
        "\"Date\",\"Action\",\"Symbol\",\"Description\",\"Quantity\",\"Price\",\"Fees & "
        "Comm\",\"Amount\"\r\n";
    for (const std::string& row : rows) text += row + "\r\n";
    return text;
}

TEST(StatementImport, RefusesWhatItCannotRecordExactlyWithTheRowAndTheReason) {
    struct Case {
        const char* what;
        std::vector<std::string> rows;
        int row;  // the refused row
        const char* reason;
    };
    const Case cases[] = {
        {"a close of a series never opened is refused with the book's own rule",
         {"02/10/2026,Buy to Close,AAPL 02/20/2026 200.00 C,,1,$1.00,,($100.00)"},
         3,
         "Transaction tries to close out another transaction that\ndoes not exist."},
        {"a plain sale larger than the holding does not say what it is",
         {"01/06/2026,Sell,XYZ,,300,$11.00,,$3300.00",
          "01/05/2026,Buy,XYZ,,100,$10.00,,($1000.00)"},
         3,
         "The trade would close the 100 held and open the rest the other way; the file does "
         "not say which is meant."},
        {"an assignment of an option held long",
         {"02/20/2026,Assigned,XYZ 02/20/2026 10.00 C,,1,,,",
          "01/05/2026,Buy to Open,XYZ 02/20/2026 10.00 C,,1,$1.00,,($100.00)"},
         3,
         "The row is an assignment, but the book holds the option long."},
        {"an expiry of nothing open",
         {"02/20/2026,Expired,XYZ 02/20/2026 10.00 C,,1,,,"},
         3,
         "Nothing of XYZ Feb 20 2026 10 Call is open to expire."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const StatementPreview preview = PreviewStatementText(Statement(c.rows), TranList());
        ASSERT_EQ(preview.error, "");
        ASSERT_EQ(preview.refused, 1);
        const auto refused = std::find_if(
            preview.lines.begin(), preview.lines.end(),
            [](const ImportLine& l) { return l.status == ImportLine::Status::kRefused; });
        EXPECT_EQ(refused->row, c.row);
        EXPECT_EQ(refused->reason, c.reason);
    }
}

TEST(StatementImport, SkipsOnlyTheUnitsAnExerciseDelivered) {
    struct Case {
        const char* what;
        std::string text;
        int added, skipped, refused;
    };
    const std::string activity =
        "Trades,Header,DataDiscriminator,Asset Category,Currency,Symbol,Date/Time,Quantity,"
        "T. Price,C. Price,Proceeds,Comm/Fee,Basis,Realized P/L,MTM P/L,Code\n";
    const Case cases[] = {
        {"a delivery the file marks, with no exercise to pair, is refused",
         activity + "Trades,Data,Order,Stocks,USD,XYZ,\"2026-02-20, "
                    "16:20:00\",100,10,10,-1000,0,,,,O;Ex\n",
         0, 0, 1},
        {"a plain sale on the assignment's day at another price is a trade of its own",
         Statement({"02/20/2026,Sell,XYZ,,100,$10.50,,$1050.00",
                    "02/20/2026,Assigned,XYZ 02/20/2026 10.00 C,,1,,,",
                    "01/06/2026,Sell to Open,XYZ 02/20/2026 10.00 C,,1,$1.00,,$100.00",
                    "01/05/2026,Buy,XYZ,,200,$9.00,,($1800.00)"}),
         4, 0, 0},
        {"the sale of exactly the assigned shares at the strike is the assignment's",
         Statement({"02/20/2026,Sell,XYZ,,100,$10.00,,$1000.00",
                    "02/20/2026,Assigned,XYZ 02/20/2026 10.00 C,,1,,,",
                    "01/06/2026,Sell to Open,XYZ 02/20/2026 10.00 C,,1,$1.00,,$100.00",
                    "01/05/2026,Buy,XYZ,,200,$9.00,,($1800.00)"}),
         3, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const StatementPreview preview = PreviewStatementText(c.text, TranList());
        ASSERT_EQ(preview.error, "");
        EXPECT_EQ(preview.added, c.added);
        EXPECT_EQ(preview.skipped, c.skipped);
        EXPECT_EQ(preview.refused, c.refused);
    }
}

TEST(StatementImport, KeepsADaysTradesInTheirOrderAndEqualFillsApart) {
    // Newest first without times: the close below its open in time, above it in the file.
    const std::string text = Statement({
        "01/05/2026,Sell to Close,XYZ 02/20/2026 10.00 C,,1,$1.50,,$150.00",
        "01/05/2026,Buy to Open,XYZ 02/20/2026 10.00 C,,1,$1.00,,($100.00)",
        "01/05/2026,Buy to Open,XYZ 02/20/2026 10.00 C,,1,$1.00,,($100.00)",
    });
    const StatementPreview first = PreviewStatementText(text, TranList());
    EXPECT_EQ(first.refused, 0);
    EXPECT_EQ(first.added, 3) << "two equal fills are two trades";
    const StatementPreview again = PreviewStatementText(text, first.book);
    EXPECT_EQ(ImportSummary(again), "0 added, 3 already in the book, 0 refused");
}

// Purchases of 100 XYZ at one moment in the query layout, as "id:price" (no id before
// the colon for a fill the file gives no id).
std::string Fills(const std::vector<std::string>& fills) {
    std::string text =
        "\"TransactionID\",\"AssetClass\",\"Symbol\",\"DateTime\",\"Quantity\","
        "\"TradePrice\",\"Buy/Sell\",\"Open/CloseIndicator\",\"IBCommission\"\n";
    for (const std::string& fill : fills) {
        const std::size_t colon = fill.find(':');
        text += "\"" + fill.substr(0, colon) + "\",\"STK\",\"XYZ\",\"20260105;094512\",\"100\",\"" +
                fill.substr(colon + 1) + "\",\"BUY\",\"O\",\"-1\"\n";
    }
    return text;
}

TEST(StatementImport, BrokerIdsDecideWhereRowAndBookBothHaveOneElseTheContent) {
    const struct {
        const char* what;
        std::vector<std::string> book, statement;
        int added, inBook;
    } cases[] = {
        {"equal fills of two ids are two trades", {}, {"7:50", "8:50"}, 2, 0},
        {"the same id is in the book", {"7:50", "8:50"}, {"8:50", "7:50"}, 0, 2},
        {"an equal fill of another id is another trade", {"7:50"}, {"8:50"}, 1, 0},
        {"the same id whose price the broker corrected", {"7:50"}, {"7:50.25"}, 0, 1},
        {"a fill of the book without id is found by content", {":50"}, {"8:50"}, 0, 1},
        {"a row without id finds a fill with one by content", {"7:50"}, {":50"}, 0, 1},
        {"each fill of the book answers for one row", {"7:50", ":50"}, {":50", ":50", ":50"}, 1, 2},
        {"an id taken by its row is not found again by content", {"7:50"}, {"7:50", ":50"}, 1, 1},
    };
    for (const auto& c : cases) {
        const TranList book = PreviewStatementText(Fills(c.book), TranList()).book;
        ASSERT_EQ(book.GetCount(), static_cast<int>(c.book.size())) << c.what;
        const StatementPreview preview = PreviewStatementText(Fills(c.statement), book);
        EXPECT_EQ(preview.added, c.added) << c.what;
        EXPECT_EQ(preview.inBook, c.inBook) << c.what;
        EXPECT_EQ(preview.refused, 0) << c.what;
    }
}

TEST(StatementImport, KeepsTheBrokersIdWithTheRecordedTransaction) {
    const StatementPreview preview = PreviewStatementFile(Fixture("ibkr_flex.csv"), TranList());
    ASSERT_GT(preview.book.GetCount(), 0);
    EXPECT_EQ(preview.book.At(0).BrokerId(), "1001");
    const auto dividend = std::find_if(
        preview.lines.begin(), preview.lines.end(),
        [](const ImportLine& line) { return line.tran.GetKind() == TranKind::kDividend; });
    ASSERT_NE(dividend, preview.lines.end());
    EXPECT_EQ(dividend->tran.BrokerId(), "2002");
}

TEST(StatementImport, SettlesACashIndexExerciseAtTheLevelItsAmountGives) {
    const StatementPreview preview = PreviewStatementText(
        Statement({"02/20/2026,Exchange or Exercise,SPX 02/20/2026 5000.00 C,,1,,,$2500.00",
                   "01/05/2026,Buy to Open,SPX 02/20/2026 5000.00 C,,1,$10.00,,($1000.00)"}),
        TranList());
    ASSERT_EQ(preview.added, 2);
    Tran exercise;
    preview.book.GetAt(1, exercise);
    EXPECT_EQ(exercise.GetAssetType(), AssetType::kIndex);
    EXPECT_DOUBLE_EQ(exercise.GetPrice(), 5025);
    EXPECT_DOUBLE_EQ(exercise.Amount(), 2500);
}

TEST(StatementImport, BringsBackTheTrackersOwnExportExpiriesIncluded) {
    const StatementPreview statement =
        PreviewStatementFile(Fixture("ibkr_activity.csv"), TranList());
    const std::string exported = WriteTranCsv(statement.book, 2);
    const StatementPreview back = PreviewStatementText(exported, TranList());
    EXPECT_EQ(back.format, "Tracker export");
    EXPECT_EQ(back.refused, 0) << (RefusalTexts(back).empty() ? "" : RefusalTexts(back)[0]);
    EXPECT_EQ(back.book, statement.book);
    EXPECT_EQ(ImportSummary(PreviewStatementText(exported, back.book)),
              "0 added, 15 already in the book, 0 refused");
}

TEST(StatementImport, RefusesAFileOfNoKnownLayoutAsAWhole) {
    EXPECT_EQ(PreviewStatementText("a,b,c\r\n1,2,3\r\n", TranList()).error,
              "The file is not a statement of a layout this program reads.");
    EXPECT_NE(PreviewStatementFile("/nonexistent/statement.csv", TranList()).error, "");
}

}  // namespace
}  // namespace qx
