#include "tracker/tran_csv.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <clocale>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "test_support/scoped_locale.h"
#include "test_support/temp_folder.h"
#include "test_support/time_zone.h"
#include "test_support/tran_builder.h"
#include "test_support/tran_list_fixture.h"

namespace qx {
namespace {

const char kHeader[] =
    "Date,Entry,Kind,Asset,Action,Side,Units,Units per Contract,Type,Strike,Expiration,Price,"
    "Fees,Amount,Total,Cash Balance\r\n";

class TranCsv : public ::testing::Test {
  protected:
    ScopedTimeZone zone{"EST5EDT,M3.2.0,M11.1.0"};
};

// A book with every kind, action, side and asset type, odd prices and a name that
// needs quoting.
TranList EveryKindOfTrade() {
    const std::string awkward = "XYZ \"B\", class\r\nnew line";
    TranList book;
    AddAll(
        book,
        {TranBuilder().Day(2, 9).Underlying(awkward).Open().Buy(300).At(46.1).Fees(4.95),
         TranBuilder().Day(3).Underlying(awkward).Close().Sell(100).At(0.1 + 0.2).Fees(5),
         TranBuilder().Day(3).Underlying("ES", AssetType::kFuture, 50).Open().Sell(2).At(5012.25),
         TranBuilder().Day(4).Call().Open().Buy(3).At(2.5).Fees(1.25),
         TranBuilder().Day(5).Put().Open().Sell(2).At(1.0 / 3),
         TranBuilder().Day(6).Put().Close().Buy(1).At(0.05),
         TranBuilder().Day(7).Call().Exercise(2, 57.125).Fees(1),
         TranBuilder().Day(8).Call("SPX Jun 50 Call", 50, AssetType::kIndex).Open().Buy(1).At(3),
         TranBuilder().Day(9).Call("SPX Jun 50 Call", 50, AssetType::kIndex).Exercise(1, 56),
         TranBuilder().Day(10, 23).Dividend(75.5)},
        "every kind of trade");
    return book;
}

TEST_F(TranCsv, WritesTheHeaderAndEachTransactionAsTheListShowsIt) {
    TranList book;
    AddAll(book,
           {TranBuilder().Day(2).Underlying().Open().Buy(300).At(46.1).Fees(5),
            TranBuilder().Day(4, 15).Put("Jun 45 Put", 45).Open().Sell(2).At(1.5),
            TranBuilder().Day(9).Dividend(25)},
           "small book");
    EXPECT_EQ(
        WriteTranCsv(book, 3),
        std::string(kHeader) +
            "2026-03-02 10:00:00-05:00,XYZ,Underlying,Stock,Open,Buy,300,1,,,,46.1,-5,-13830.000,"
            "-13835.000,-13835.000\r\n"
            "2026-03-04 15:00:00-05:00,Jun 45 Put,Option,Stock,Open,Sell,2,100,Put,45,2026-06-19 "
            "00:00:00-04:00,1.5,0,300.000,300.000,-13535.000\r\n"
            "2026-03-09 10:00:00-04:00,Dividend,Dividend,,,,0,1,,,,25,0,25.000,25.000,"
            "-13510.000\r\n");
}

TEST_F(TranCsv, ExportThenImportGivesTheSameTransactionsUnderAnyLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    const TranList book = EveryKindOfTrade();
    const std::string text = WriteTranCsv(book, 2);
    const TranCsvImport imported = ReadTranCsv(text, TranList());
    std::setlocale(LC_ALL, saved.c_str());

    ASSERT_TRUE(imported.accepted) << imported.message;
    EXPECT_EQ(imported.added, book.GetCount());
    EXPECT_EQ(imported.list, book);
    for (int i = 0; i < book.GetCount(); ++i)
        EXPECT_EQ(imported.list.GetBalance(i), book.GetBalance(i)) << "balance " << i;
}

TEST_F(TranCsv, ReadsASpreadsheetsOwnArrangement) {
    // Columns reordered, headers in another case, an extra column, no cash columns, a
    // byte-order mark, dates without a time, line ends of both kinds and a blank row.
    const std::string text =
        "\xEF\xBB\xBF"
        "price,Units,side,ACTION,kind,asset,Entry,Date,Fees,Units per Contract,Type,Strike,"
        "Expiration,Note\r\n"
        "46.5,100,Buy,Open,Underlying,Stock,XYZ,2026-03-02,-5,1,,,,first lot\n"
        ",,,,,,,,,,,,,\r\n"
        "2.25,-2,Sell,Open,Option,Stock,Jun 50 Call,2026-03-03 14:30,1,100,Call,50,2026-06-19,\r\n";
    TranList book;
    AddAll(book, {TranBuilder().Day(1).Underlying("ABC").Open().Buy(10).At(9)}, "held");

    const TranCsvImport imported = ReadTranCsv(text, book);
    ASSERT_TRUE(imported.accepted) << imported.message;
    Tran call = TranBuilder().Call().Open().Sell(2).At(2.25).Fees(1);
    call.SetDate(CTime(2026, 3, 3, 14, 30));
    TranList expected = book;
    AddAll(expected, {TranBuilder().Day(2, 0).Underlying().Open().Buy(100).At(46.5).Fees(5), call},
           "expected");
    EXPECT_EQ(imported.added, 2);
    EXPECT_EQ(imported.list, expected);
}

// A Turkish locale pairs 'I' with a dotless i; keywords are compared as ASCII all the
// same, so capitals and lower case read alike.
TEST_F(TranCsv, ReadsKeywordsInAnyCaseUnderATurkishLocale) {
    ScopedLocale turkish("tr_TR.UTF-8");
    ASSERT_TRUE(turkish.Active()) << "scripts/install-deps generates tr_TR.UTF-8";
    const std::string text =
        "DATE,ENTRY,KIND,ASSET,ACTION,SIDE,UNITS,UNITS PER CONTRACT,TYPE,STRIKE,EXPIRATION,"
        "PRICE,FEES\r\n"
        "2026-03-02,SPX Jun 50 Call,OPTION,index,open,BUY,1,100,CALL,50,2026-06-19,3,0\r\n"
        "2026-03-03,SPX Jun 50 Call,Option,INDEX,EXERCISE,,1,100,call,50,2026-06-19,56,0\r\n";
    const TranCsvImport imported = ReadTranCsv(text, TranList());
    ASSERT_TRUE(imported.accepted) << imported.message;
    TranList expected;
    AddAll(
        expected,
        {TranBuilder().Day(2, 0).Call("SPX Jun 50 Call", 50, AssetType::kIndex).Open().Buy(1).At(3),
         TranBuilder().Day(3, 0).Call("SPX Jun 50 Call", 50, AssetType::kIndex).Exercise(1, 56)},
        "expected");
    EXPECT_EQ(imported.list, expected);
}

// A spreadsheet sorted newest first: the close stands above the opening it closes, on
// another day or later the same day, and the book judges each row by the rows before it.
TEST_F(TranCsv, TakesRowsInDateAndTimeOrderWhateverTheirOrderInTheFile) {
    const struct { int closeDay, closeHour; } cases[] = {{5, 10}, {2, 15}};
    for (const auto& c : cases) {
        const Tran close =
            TranBuilder().Day(c.closeDay, c.closeHour).Underlying().Close().Sell(100).At(48);
        const std::string text =
            std::string(kHeader) + close.GetDate().Format("%Y-%m-%d %H:%M") +
            ",XYZ,Underlying,Stock,Close,Sell,100,1,,,,48,0,,,\r\n"
            "2026-03-02 10:00:00,XYZ,Underlying,Stock,Open,Buy,100,1,,,,46,0,,,\r\n";
        const TranCsvImport imported = ReadTranCsv(text, TranList());
        ASSERT_TRUE(imported.accepted) << c.closeDay << ": " << imported.message;
        TranList expected;
        AddAll(expected, {TranBuilder().Day(2).Underlying().Open().Buy(100).At(46), close},
               "oldest first");
        EXPECT_EQ(imported.list, expected) << c.closeDay;
    }
}

// A file of rows built from one good row, with one field of one row replaced.
std::string Rows(int count, int badRow = 0, const std::string& badField = "",
                 const std::string& badText = "") {
    std::string text = kHeader;
    for (int row = 2; row <= count + 1; ++row) {
        std::string price = "46.5", units = "100", upc = "1", date = "2026-03-02 10:00:00";
        if (row == badRow) {
            if (badField == "Price") price = badText;
            if (badField == "Units") units = badText;
            if (badField == "Units per Contract") upc = badText;
            if (badField == "Date") date = badText;
        }
        text += date + ",XYZ,Underlying,Stock,Open,Buy," + units + "," + upc + ",,,," + price +
                ",0,,,\r\n";
    }
    return text;
}

// The hour a daylight-saving change repeats keeps which of the two it was, a time with
// any offset reads as that moment, and one without an offset as local time.
TEST_F(TranCsv, TimesCarryTheirOffsetFromUtc) {
    const CTime firstHalfPastOne(1793511000);   // 2026-11-01 05:30 UTC, 01:30 EDT
    const CTime secondHalfPastOne(1793514600);  // 06:30 UTC, 01:30 EST
    Tran first = TranBuilder().Underlying().Close().Sell(50).At(47);
    first.SetDate(firstHalfPastOne);
    Tran second = TranBuilder().Underlying().Close().Sell(50).At(48);
    second.SetDate(secondHalfPastOne);
    TranList book;
    AddAll(book, {TranBuilder().Underlying().Open().Buy(100).At(46), first, second}, "trades");
    const std::string text = WriteTranCsv(book, 2);
    EXPECT_NE(text.find("\r\n2026-11-01 01:30:00-04:00,XYZ"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n2026-11-01 01:30:00-05:00,XYZ"), std::string::npos) << text;
    const TranCsvImport imported = ReadTranCsv(text, TranList());
    ASSERT_TRUE(imported.accepted) << imported.message;
    EXPECT_EQ(imported.list, book);

    const struct {
        const char* date;
        std::int64_t seconds;
    } dates[] = {
        {"2026-11-01 01:30:00-04:00", 1793511000},
        {"2026-11-01 01:30:00-05:00", 1793514600},
        {"2026-11-01 05:30:00+00:00", 1793511000},
        {"2026-11-01 11:00+05:30", 1793511000},
        {"2026-11-01 01:30:00", CTime(2026, 11, 1, 1, 30).GetTime()},  // local time
        {"2026-03-02", CTime(2026, 3, 2).GetTime()},
    };
    for (const auto& c : dates) {
        const TranCsvImport one = ReadTranCsv(Rows(1, 2, "Date", c.date), TranList());
        ASSERT_TRUE(one.accepted) << c.date << ": " << one.message;
        Tran read;
        one.list.GetAt(0, read);
        EXPECT_EQ(read.GetDate().GetTime(), c.seconds) << c.date;
    }
    for (const char* bad : {"2026-11-01 01:30:00-4:00", "2026-11-01 01:30:00+19:00",
                            "2026-11-01-04:00", "2026-11-01 01:30:00 -04:00"})
        EXPECT_FALSE(ReadTranCsv(Rows(1, 2, "Date", bad), TranList()).accepted) << bad;
}

// The epoch is a date like any other: under UTC it is written and read back.
TEST(TranCsvInUtc, TheFirstDayOf1970IsExportedAsADate) {
    ScopedTimeZone utc("UTC0");
    const std::string text =
        std::string(kHeader) + "1970-01-01,XYZ,Underlying,Stock,Open,Buy,100,1,,,,46,0,,,\r\n";
    const TranCsvImport imported = ReadTranCsv(text, TranList());
    ASSERT_TRUE(imported.accepted) << imported.message;
    const std::string exported = WriteTranCsv(imported.list, 2);
    EXPECT_EQ(exported.substr(std::string(kHeader).size(), 29), "1970-01-01 00:00:00+00:00,XYZ");
    const TranCsvImport again = ReadTranCsv(exported, TranList());
    ASSERT_TRUE(again.accepted) << again.message;
    EXPECT_EQ(again.list, imported.list);
}

TEST_F(TranCsv, RefusesAWholeFileForItsFirstBadRowOrColumn) {
    const std::string sellMore =
        "2026-03-04 10:00:00,XYZ,Underlying,Stock,Close,Sell,700,1,,,,47,0,,,\r\n";
    std::string header = kHeader;
    const struct {
        const char* what;
        std::string text;
        std::string message;
    } cases[] = {
        {"the seventh row closes more than is open",
         Rows(5) + sellMore + Rows(1).substr(header.size()),
         "Row 7: Transaction tries to close out more units than are open"},
        {"a missing column",
         "Date,Entry,Kind,Asset,Action,Side,Units,Units per Contract,Type,"
         "Strike,Expiration,Fees\r\n",
         "The file has no \"Price\" column."},
        {"a column twice",
         "Date,Entry,Kind,Asset,Action,Side,Units,Units per Contract,Type,"
         "Strike,Expiration,Price,Fees,price\r\n",
         "The file has two \"Price\" columns."},
        {"a text where a number belongs", Rows(3, 3, "Price", "\"46,5\""),
         "Row 3: \"46,5\" is not a valid Price."},
        {"a fraction of a unit", Rows(3, 2, "Units", "1.5"),
         "Row 2: \"1.5\" is not a valid Units."},
        {"a value the record refuses", Rows(2, 3, "Units per Contract", "0"),
         "Row 3: \"0\" is not a valid Units per Contract."},
        {"a negative price", Rows(2, 2, "Price", "-1"), "Row 2: \"-1\" is not a valid Price."},
        {"a day the month lacks", Rows(2, 2, "Date", "2026-02-29"),
         "Row 2: \"2026-02-29\" is not a valid Date."},
        {"a date in the local format", Rows(2, 2, "Date", "03/02/2026"),
         "Row 2: \"03/02/2026\" is not a valid Date."},
        {"a year a document cannot store", Rows(1, 2, "Date", "2040-01-01"),
         "Row 2: \"2040-01-01\" is not a valid Date."},
        {"an unknown kind", header + "2026-03-02,XYZ,Stok,Stock,Open,Buy,100,1,,,,46,0,,,\r\n",
         "Row 2: \"Stok\" is not a valid Kind."},
        {"an entry of 256 characters",
         header + "2026-03-02," + std::string(256, 'X') +
             ",Underlying,Stock,Open,Buy,100,1,,,,46,0,,,\r\n",
         "Row 2: The Entry is longer than 255 characters."},
        {"a long text where a number belongs", Rows(1, 2, "Price", std::string(4 << 20, '7') + "x"),
         "Row 2: \"" + std::string(40, '7') + "...\" is not a valid Price."},
        {"a trade without its side",
         header + "2026-03-02,XYZ,Underlying,Stock,Open,,100,1,,,,46,0,,,\r\n",
         "Row 2: The transaction is incomplete: it has no Side."},
        {"an option without its series",
         header + "2026-03-02,C,Option,Stock,Open,Buy,1,100,Call,,,2,0,,,\r\n",
         "Row 2: The transaction is incomplete: it has no Strike."},
        {"a trade without its price",
         header + "2026-03-02,XYZ,Underlying,Stock,Open,Buy,100,1,,,,,0,,,\r\n",
         "Row 2: The transaction is incomplete: it has no Price."},
        {"a purchase of a negative count", Rows(1, 2, "Units", "-100"),
         "Row 2: \"-100\" is not a valid Units for a Buy."},
        {"a dividend given an action",
         header + "2026-03-02,XYZ,Dividend,Stock,Open,Buy,100,1,,,,46,0,,,\r\n",
         "Row 2: A Dividend takes no Action."},
        {"a short row", Rows(1) + "2026-03-02,XYZ,Underlying\r\n",
         "Row 3: The row has 3 fields where the header row has 16."},
        {"a quote left open", Rows(1) + "2026-03-02,\"XYZ,Underlying\r\n",
         "Row 3: A quote does not pair up."},
        {"text after a closing quote", Rows(1) + "2026-03-02,\"XYZ\"Z,Underlying\r\n",
         "Row 3: A quote does not pair up."},
        {"a header alone", header, "The file holds no transactions."},
        {"an empty file", "", "The file is empty."},
    };
    for (const auto& c : cases) {
        const TranCsvImport imported = ReadTranCsv(c.text, TranList());
        EXPECT_FALSE(imported.accepted) << c.what;
        EXPECT_EQ(imported.message, c.message) << c.what;
    }
    EXPECT_TRUE(ReadTranCsv(Rows(101), TranList()).accepted) << "more than a classic book";
}

TEST_F(TranCsv, ImportAddsOnlyTheRowsNotYetInTheBook) {
    const TranList book = EveryKindOfTrade();
    const std::string header = WriteTranCsv(TranList(), 2);
    const std::string export_ = WriteTranCsv(book, 2);
    const std::string sale = "2026-03-12,XYZ,Underlying,Stock,Close,Sell,100,1,,,,46,0,,,\r\n";
    const std::string dividend = "2026-03-12,Dividend,Dividend,,,,0,1,,,,25,0,,,\r\n";
    const struct {
        const char* what;
        std::string file;
        int added;
        int alreadyInBook;
    } cases[] = {
        {"the same export again", export_, 0, book.GetCount()},
        {"last week's export and two new rows", export_ + sale + dividend, 2, book.GetCount()},
        {"a row twice where the book holds it once",
         export_ + export_.substr(export_.rfind("\r\n", export_.size() - 3) + 2), 1,
         book.GetCount()},
    };
    for (const auto& c : cases) {
        const TranCsvImport imported = ReadTranCsv(c.file, book);
        ASSERT_TRUE(imported.accepted) << c.what << ": " << imported.message;
        EXPECT_EQ(imported.added, c.added) << c.what;
        EXPECT_EQ(imported.alreadyInBook, c.alreadyInBook) << c.what;
        EXPECT_EQ(imported.list.GetCount(), book.GetCount() + c.added) << c.what;
    }
}

TEST_F(TranCsv, FileNotInUtf8IsReadAsWindows1252) {
    const std::string file =
        WriteTranCsv(TranList(), 2) +
        "2026-03-02,Soci\xE9t\xE9 \x80,Underlying,Stock,Open,Buy,100,1,,,,46,0,,,\r\n";
    const TranCsvImport imported = ReadTranCsv(file, TranList());
    ASSERT_TRUE(imported.accepted) << imported.message;
    EXPECT_EQ(imported.list.At(0).Name(), "Soci\xC3\xA9t\xC3\xA9 \xE2\x82\xAC");
    // A later close by the name as typed finds the opening.
    TranList book = imported.list;
    EXPECT_TRUE(book.Add(TranBuilder()
                             .Day(3)
                             .Underlying("Soci\xC3\xA9t\xC3\xA9 \xE2\x82\xAC")
                             .Close()
                             .Sell(100)
                             .At(47))
                    .IsAccepted());
}

TEST_F(TranCsv, CellsASpreadsheetWouldRunAreExportedAsText) {
    const struct {
        const char* name;
        const char* cell;
    } cases[] = {
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+CALL", "'+CALL"},
        {"-SPX", "'-SPX"},
        {"@SUM", "'@SUM"},
        {"-12", "-12"},
        {"XYZ", "XYZ"},
    };
    for (const auto& c : cases) {
        TranList book;
        AddAll(book, {TranBuilder().Day(2).Underlying(c.name).Open().Buy(100).At(46)}, c.name);
        const std::string text = WriteTranCsv(book, 2);
        EXPECT_NE(text.find("," + std::string(c.cell) + ","), std::string::npos) << c.name << text;
        const TranCsvImport imported = ReadTranCsv(text, TranList());
        ASSERT_TRUE(imported.accepted) << c.name << ": " << imported.message;
        EXPECT_EQ(imported.list, book) << c.name;
    }
}

TEST_F(TranCsv, FilesKeepTheBookAndRefuseWhatCannotBeRead) {
    TempFolder folder;
    const TranList book = EveryKindOfTrade();
    const std::string path = folder.Path("book.csv");
    { std::ofstream(path) << "an older export"; }
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    ASSERT_TRUE(SaveTranCsv(path, book, 2).IsAccepted());
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u) << "a private export was made readable to others";
    const TranCsvImport loaded = LoadTranCsv(path, TranList());
    ASSERT_TRUE(loaded.accepted) << loaded.message;
    EXPECT_EQ(loaded.list, book);
    EXPECT_EQ(folder.CountEntries(), 1) << "the temporary file is gone";

    const std::string missing = folder.Path("none/book.csv");
    EXPECT_EQ(SaveTranCsv(missing, book, 2).GetReason(), missing + " contains an invalid path.");
    EXPECT_EQ(LoadTranCsv(missing, book).message, missing + " was not found.");
    EXPECT_EQ(LoadTranCsv(folder.Path(""), book).message,
              "Access to " + folder.Path("") + " was denied.");
    EXPECT_EQ(SaveTranCsv(folder.Path(""), book, 2).GetReason(),
              "Access to " + folder.Path("") + " was denied.");
    const std::string large = folder.Path("large.csv");
    { std::ofstream(large) << ','; }
    std::filesystem::resize_file(large, kMaxTranCsvBytes + 1);  // sparse: costs nothing
    EXPECT_EQ(LoadTranCsv(large, book).message,
              "The file " + large + " is too large to be a list of transactions.");
}

}  // namespace
}  // namespace qx
