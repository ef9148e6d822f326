#include "tracker/tran_csv.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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
    AddAll(book,
           {TranBuilder().Day(2, 9).Underlying(awkward).Open().Buy(300).At(46.1).Fees(4.95),
            TranBuilder().Day(3).Underlying(awkward).Close().Sell(100).At(0.1 + 0.2).Fees(5),
            TranBuilder().Day(3).Underlying("ES", kFutureAsset, 50).Open().Sell(2).At(5012.25),
            TranBuilder().Day(4).Call().Open().Buy(3).At(2.5).Fees(1.25),
            TranBuilder().Day(5).Put().Open().Sell(2).At(1.0 / 3),
            TranBuilder().Day(6).Put().Close().Buy(1).At(0.05),
            TranBuilder().Day(7).Call().Exercise(2, 57.125).Fees(1),
            TranBuilder().Day(8).Call("SPX Jun 50 Call", 50, kIndexAsset).Open().Buy(1).At(3),
            TranBuilder().Day(9).Call("SPX Jun 50 Call", 50, kIndexAsset).Exercise(1, 56),
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
            "2026-03-02 10:00:00,XYZ,Underlying,Stock,Open,Buy,300,1,,,,46.1,-5,-13830.000,"
            "-13835.000,-13835.000\r\n"
            "2026-03-04 15:00:00,Jun 45 Put,Option,Stock,Open,Sell,2,100,Put,45,2026-06-19 "
            "00:00:00,1.5,0,300.000,300.000,-13535.000\r\n"
            "2026-03-09 10:00:00,Dividend,Dividend,,,,0,1,,,,25,0,25.000,25.000,-13510.000\r\n");
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

// A spreadsheet sorted newest first: the close stands above the opening it closes, and
// the book judges each row by the rows dated before it.
TEST_F(TranCsv, TakesRowsInDateOrderWhateverTheirOrderInTheFile) {
    const std::string text =
        std::string(kHeader) +
        "2026-03-05 10:00:00,XYZ,Underlying,Stock,Close,Sell,100,1,,,,48,0,,,\r\n"
        "2026-03-02 10:00:00,XYZ,Underlying,Stock,Open,Buy,100,1,,,,46,0,,,\r\n";
    const TranCsvImport imported = ReadTranCsv(text, TranList());
    ASSERT_TRUE(imported.accepted) << imported.message;
    TranList expected;
    AddAll(expected,
           {TranBuilder().Day(2).Underlying().Open().Buy(100).At(46),
            TranBuilder().Day(5).Underlying().Close().Sell(100).At(48)},
           "oldest first");
    EXPECT_EQ(imported.list, expected);
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

TEST_F(TranCsv, RefusesAWholeFileForItsFirstBadRowOrColumn) {
    const std::string sellMore =
        "2026-03-04 10:00:00,XYZ,Underlying,Stock,Close,Sell,700,1,,,,47,0,,,\r\n";
    std::string header = kHeader;
    const struct {
        const char* what;
        std::string text;
        const char* message;
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
        {"a trade without its side",
         header + "2026-03-02,XYZ,Underlying,Stock,Open,,100,1,,,,46,0,,,\r\n",
         "Row 2: The transaction is incomplete."},
        {"an option without its series",
         header + "2026-03-02,C,Option,Stock,Open,Buy,1,100,Call,,,2,0,,,\r\n",
         "Row 2: The transaction is incomplete."},
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
    ASSERT_EQ(SaveTranCsv(path, book, 2), "");
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u) << "a private export was made readable to others";
    const TranCsvImport loaded = LoadTranCsv(path, TranList());
    ASSERT_TRUE(loaded.accepted) << loaded.message;
    EXPECT_EQ(loaded.list, book);
    EXPECT_EQ(folder.CountEntries(), 1) << "the temporary file is gone";

    const std::string missing = folder.Path("none/book.csv");
    EXPECT_EQ(SaveTranCsv(missing, book, 2), missing + " contains an invalid path.");
    EXPECT_EQ(LoadTranCsv(missing, book).message, missing + " was not found.");
    EXPECT_EQ(LoadTranCsv(folder.Path(""), book).message,
              "Access to " + folder.Path("") + " was denied.");
    EXPECT_EQ(SaveTranCsv(folder.Path(""), book, 2),
              "Access to " + folder.Path("") + " was denied.");
    const std::string large = folder.Path("large.csv");
    { std::ofstream(large) << ','; }
    std::filesystem::resize_file(large, kMaxTranCsvBytes + 1);  // sparse: costs nothing
    EXPECT_EQ(LoadTranCsv(large, book).message,
              "The file " + large + " is too large to be a list of transactions.");
}

}  // namespace
}  // namespace qx
