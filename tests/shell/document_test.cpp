#include "shell/document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "shell/settings.h"
#include "test_support/file_size_limit.h"
#include "test_support/random_book.h"
#include "test_support/temp_folder.h"
#include "test_support/time_zone.h"
#include "test_support/tran_builder.h"

namespace qx {
namespace {

using Bytes = std::string;

// Little-endian bytes of the file's primitives, written here independently of the
// archive so that the layout is checked, not restated.
Bytes Int32(std::int32_t value) {
    Bytes bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(static_cast<std::uint32_t>(value) >> (8 * i) & 0xFF);
    return bytes;
}

Bytes Float64(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    Bytes bytes;
    for (int i = 0; i < 8; ++i) bytes += static_cast<char>(bits >> (8 * i) & 0xFF);
    return bytes;
}

Bytes ShortText(const std::string& text) { return static_cast<char>(text.size()) + text; }

void ExpectSameOption(const Option& a, const Option& b, const std::string& where,
                      bool datesAndSteps = true) {
    EXPECT_EQ(a.GetOptionType(), b.GetOptionType()) << where;
    EXPECT_EQ(a.GetUnderlyingPrice(), b.GetUnderlyingPrice()) << where;
    EXPECT_EQ(a.GetStrike(), b.GetStrike()) << where;
    EXPECT_EQ(a.GetPrice(), b.GetPrice()) << where;
    EXPECT_EQ(a.GetFees(), b.GetFees()) << where;
    EXPECT_EQ(a.GetDaysLeft(), b.GetDaysLeft()) << where;
    EXPECT_EQ(a.GetYears(), b.GetYears()) << where;
    EXPECT_EQ(a.GetSide(), b.GetSide()) << where;
    EXPECT_EQ(a.GetAssetType(), b.GetAssetType()) << where;
    EXPECT_EQ(a.GetUnitsPerContract(), b.GetUnitsPerContract()) << where;
    EXPECT_EQ(a.GetContracts(), b.GetContracts()) << where;
    EXPECT_EQ(a.GetInterestRate(), b.GetInterestRate()) << where;
    EXPECT_EQ(a.GetDividendYield(), b.GetDividendYield()) << where;
    EXPECT_EQ(a.GetVolatility(), b.GetVolatility()) << where;
    if (!datesAndSteps) return;
    EXPECT_EQ(a.GetValuationDate(), b.GetValuationDate()) << where;
    EXPECT_EQ(a.GetExpiration(), b.GetExpiration()) << where;
    EXPECT_EQ(a.GetLatticeSteps(), b.GetLatticeSteps()) << where;
}

// Compares two documents record by record; a new document's slots keep the dates and
// lattice steps they had, so those can be left out.
void ExpectSameDocument(const Document& a, const Document& b, const std::string& where,
                        bool datesAndSteps = true) {
    EXPECT_TRUE(a.GetStock() == b.GetStock()) << where << ": underlying";
    for (int slot = 0; slot < kOptionSlots; ++slot)
        ExpectSameOption(a.GetOption(slot), b.GetOption(slot),
                         where + ": slot " + std::to_string(slot + 1), datesAndSteps);
    EXPECT_TRUE(a.GetTransactions() == b.GetTransactions()) << where << ": transactions";
    EXPECT_EQ(a.GetNotes(), b.GetNotes()) << where << ": notes";
    EXPECT_EQ(a.GetPath(), b.GetPath()) << where << ": path";
}

// Fills every record of the document with distinct values: two option slots used (2
// and 4), a future underlying, trades of both kinds and notes over several lines.
void MakeRich(Document& doc, const std::string& flavour) {
    Stock& stock = doc.GetStock();
    stock.SetSymbol("ES " + flavour + " \xE2\x82\xAC");
    stock.SetAssetType(AssetType::kFuture);
    stock.SetPrice(4512.25);
    stock.SetShares(3);
    stock.SetUnitsPerContract(50);
    stock.SetFees(12.5);
    stock.SetSide(Side::kSell);
    for (int slot : {1, 3}) {
        Option& option = doc.GetOption(slot);
        option.SetOptionType(slot == 1 ? OptionType::kCall : OptionType::kPut);
        option.SetUnderlyingPrice(4512.25);
        option.SetStrike(4500 + 25 * slot);
        option.SetPrice(61.5 + slot);
        option.SetFees(2.25);
        option.SetDates(CTime(2026, 3, 2, 10), CTime(2026, 6, 19));
        option.SetSide(slot == 1 ? Side::kBuy : Side::kSell);
        option.SetAssetType(AssetType::kFuture);
        option.SetUnitsPerContract(50);
        option.SetContracts(2 + slot);
        option.SetInterestRate(0.0425);
        option.SetDividendYield(0.013);
        option.SetVolatility(0.29);
        option.SetLatticeSteps(40);
    }
    TranList& list = doc.GetTransactions();
    ASSERT_GE(list.Add(TranBuilder()
                           .Day(2)
                           .Underlying("ES", AssetType::kFuture, 50)
                           .Open()
                           .Buy(4)
                           .At(4400)
                           .Fees(9))
                  .GetIndex(),
              0);
    ASSERT_GE(list.Add(TranBuilder()
                           .Day(5)
                           .Call("Jun 4525 Call " + flavour, 4525)
                           .Open()
                           .Buy(3)
                           .At(60)
                           .Fees(2))
                  .GetIndex(),
              0);
    ASSERT_GE(list.Add(TranBuilder()
                           .Day(9)
                           .Underlying("ES", AssetType::kFuture, 50)
                           .Close()
                           .Sell(1)
                           .At(4500))
                  .GetIndex(),
              0);
    ASSERT_GE(list.Add(TranBuilder().Day(12).Dividend(17.5)).GetIndex(), 0);
    doc.GetNotes() = "Rolled " + flavour +
                     " on the 2nd.\r\nWatch the \xC3\xA9"
                     "cart.\r\n";
}

struct Fixture {
    Fixture() : doc(settings) {}
    ScopedTimeZone zone{"America/New_York"};
    TempFolder folder;
    Settings settings;
    Document doc;

    // Saves the document as name in the folder and gives what the file holds.
    Bytes SavedBytes(const std::string& name) {
        const std::string path = folder.Path(name);
        const Outcome saved = doc.Save(path);
        EXPECT_TRUE(saved.IsAccepted()) << saved.GetReason();
        return ReadFileBytes(path);
    }
};

TEST(Document, EmptyDocumentIsWrittenByteForByte) {
    Fixture f;
    const std::string path = f.folder.Path("empty.opt");
    const Outcome saved = f.doc.Save(path);
    ASSERT_TRUE(saved.IsAccepted()) << saved.GetReason();

    Bytes expected = ShortText("Qualtrixon");
    // The underlying: no price, no shares, multiplier 1, no fee (fees are not included),
    // no side, a stock, the placeholder symbol.
    expected +=
        Float64(0) + Int32(0) + Int32(1) + Float64(0) + Int32(0) + Int32(1) + ShortText("[Stock]");
    for (int slot = 0; slot < 4; ++slot) {
        expected += Int32(0) + Float64(0) + Float64(0) + Float64(0) + Float64(0);
        expected += Int32(0) + Float64(0) + Int32(0) + Int32(1) + Int32(100) + Int32(0);
        expected += Float64(0.05) + Float64(0) + Float64(0.15);
        expected += Int32(0) + Int32(0) + Int32(0);
    }
    expected += Int32(0);  // no transactions
    expected += ShortText("");
    const Bytes written = ReadFileBytes(path);
    EXPECT_EQ(written.size(), 456u);
    EXPECT_EQ(written, expected);
    EXPECT_EQ(f.doc.GetPath(), path);
}

TEST(Document, RichDocumentReadsBackAndSavesIdentically) {
    Fixture f;
    MakeRich(f.doc, "A");
    const std::string first = f.folder.Path("first.opt");
    ASSERT_TRUE(f.doc.Save(first).IsAccepted());

    Settings other;
    other.assetType = AssetType::kIndex;
    other.includeFees = true;
    Document opened(other);
    const Outcome outcome = opened.Open(first);
    ASSERT_TRUE(outcome.IsAccepted()) << outcome.GetReason();
    ExpectSameDocument(opened, f.doc, "opened");
    EXPECT_EQ(opened.GetTransactions().GetCount(), 4);
    EXPECT_EQ(opened.GetTransactions().GetBalance(3), f.doc.GetTransactions().GetBalance(3));

    const std::string second = f.folder.Path("second.opt");
    ASSERT_TRUE(opened.Save(second).IsAccepted());
    EXPECT_EQ(ReadFileBytes(second), ReadFileBytes(first));
}

Bytes Time(CTime time) { return Int32(static_cast<std::int32_t>(time.GetTime())); }

// The file the layout tables give for a document whose texts are all short.
Bytes LaidOut(const Document& doc) {
    const Stock& stock = doc.GetStock();
    Bytes bytes = ShortText("Qualtrixon");
    bytes += Float64(stock.GetPrice()) + Int32(stock.GetShares()) +
             Int32(stock.GetUnitsPerContract()) + Float64(stock.GetFees()) +
             Int32(Stored(stock.GetSide())) + Int32(Stored(stock.GetAssetType())) +
             ShortText(stock.GetSymbol());
    for (int slot = 0; slot < kOptionSlots; ++slot) {
        const Option& o = doc.GetOption(slot);
        bytes += Int32(Stored(o.GetOptionType())) + Float64(o.GetUnderlyingPrice()) +
                 Float64(o.GetStrike()) + Float64(o.GetPrice()) + Float64(o.GetFees()) +
                 Int32(o.GetDaysLeft()) + Float64(o.GetYears()) + Int32(Stored(o.GetSide())) +
                 Int32(Stored(o.GetAssetType())) + Int32(o.GetUnitsPerContract()) +
                 Int32(o.GetContracts()) + Float64(o.GetInterestRate()) +
                 Float64(o.GetDividendYield()) + Float64(o.GetVolatility()) +
                 Time(o.GetValuationDate()) + Time(o.GetExpiration()) + Int32(o.GetLatticeSteps());
    }
    const TranList& list = doc.GetTransactions();
    bytes += Int32(list.GetCount());
    for (int i = 0; i < list.GetCount(); ++i) {
        // GetAt copies through the setters, whose fee turns a stored 0 into -0.
        Tran t;
        list.GetAt(i, t);
        bytes += Time(t.GetDate()) + Int32(Stored(t.GetKind())) + Int32(Stored(t.GetAssetType())) +
                 ShortText(t.GetName()) + Int32(Stored(t.GetAction())) + Int32(t.GetSignedUnits()) +
                 Int32(t.GetUnitsPerContract()) + Int32(Stored(t.GetOptionType())) +
                 Float64(t.GetStrike()) + Time(t.GetExpiration()) + Int32(Stored(t.GetSide())) +
                 Float64(t.GetPrice()) + Float64(t.GetFees() + 0.0) + Float64(list.GetBalance(i));
    }
    return bytes + ShortText(doc.GetNotes());
}

TEST(Document, EveryRecordIsWrittenFieldByFieldInItsLayout) {
    Fixture f;
    MakeRich(f.doc, "A");
    const Bytes written = f.SavedBytes("rich.opt");
    const Bytes expected = LaidOut(f.doc);
    ASSERT_EQ(written.size(), expected.size());
    for (std::size_t i = 0; i < written.size(); ++i)
        ASSERT_EQ(written[i], expected[i]) << "first difference at byte " << i;
    EXPECT_NE(f.doc.GetTransactions().GetBalance(3), 0) << "the balances are written";
}

TEST(Document, LongTextsTakeTheThreeByteLengthPrefix) {
    struct Case {
        std::size_t length;
        Bytes prefix;
    };
    for (const Case& c : std::vector<Case>{{254, "\xFE"}, {255, Bytes("\xFF\xFF\x00", 3)}}) {
        Fixture f;
        f.doc.GetStock().SetSymbol(std::string(c.length, 'S'));
        f.doc.GetNotes() = std::string(c.length, 'n');
        const std::string path = f.folder.Path("long.opt");
        ASSERT_TRUE(f.doc.Save(path).IsAccepted());
        const Bytes bytes = ReadFileBytes(path);
        const std::size_t symbolAt = 11 + 32;
        EXPECT_EQ(bytes.substr(symbolAt, c.prefix.size()), c.prefix) << c.length;
        const std::size_t notesAt = bytes.size() - c.length - c.prefix.size();
        EXPECT_EQ(bytes.substr(notesAt, c.prefix.size()), c.prefix) << c.length;
        // The empty document's 7-character symbol and empty notes, each with one byte
        // of prefix, make way for the two long texts.
        EXPECT_EQ(bytes.size(), 456 - 7 - 2 + 2 * (c.prefix.size() + c.length)) << c.length;
    }
}

// A copy of a saved document with its tag replaced.
Bytes WithTag(const Bytes& document, const std::string& tag) {
    return ShortText(tag) + document.substr(11);
}

TEST(Document, OpensBothTagsAndRefusesAnyOtherExactly) {
    Fixture f;
    MakeRich(f.doc, "A");
    const Bytes saved = f.SavedBytes("source.opt");

    struct Case {
        std::string tag;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"Qualtrixon", true},  {"Brantovelium", true},  {"qualtrixon", false},
        {"QUALTRIXON", false}, {"brantovelium", false}, {"Qualtrixon ", false},
        {"", false},
    };
    for (const Case& c : cases) {
        const std::string path = f.folder.Path("tagged.opt");
        WriteFileBytes(path, WithTag(saved, c.tag));
        Document doc(f.settings);
        MakeRich(doc, "B");
        ASSERT_TRUE(doc.Save(f.folder.Path("before.opt")).IsAccepted());
        Document before(f.settings);
        ASSERT_TRUE(before.Open(f.folder.Path("before.opt")).IsAccepted());

        bool reset = true;
        const Outcome result = doc.Open(path, &reset);
        if (c.accepted) {
            EXPECT_TRUE(result.IsAccepted()) << '"' << c.tag << '"' << result.GetReason();
            EXPECT_EQ(doc.GetNotes(), f.doc.GetNotes()) << '"' << c.tag << '"';
            EXPECT_EQ(doc.GetPath(), path);
        } else {
            EXPECT_FALSE(reset) << '"' << c.tag << '"';
            EXPECT_EQ(result.GetReason(), path + " is not an Qualtrixon file.");
            ExpectSameDocument(doc, before, "tag \"" + c.tag + "\"");
        }
    }
}

// Checks that doc is the new document the settings give, apart from the dates and
// lattice steps its slots keep.
void ExpectNewDocument(const Document& doc, const Settings& settings, const std::string& where) {
    const Document fresh(settings);
    ExpectSameDocument(doc, fresh, where, false);
}

TEST(Document, FileCutAtAnyByteGivesItsMessageAndANewDocument) {
    Fixture f;
    MakeRich(f.doc, "A");
    const Bytes saved = f.SavedBytes("source.opt");

    Document before(f.settings);
    MakeRich(before, "B");
    ASSERT_TRUE(before.Save(f.folder.Path("before.opt")).IsAccepted());
    const std::string cut = f.folder.Path("cut.opt");
    for (std::size_t length = 0; length < saved.size(); ++length) {
        const std::string where = "cut at " + std::to_string(length);
        WriteFileBytes(cut, saved.substr(0, length));
        Document doc(f.settings);
        ASSERT_TRUE(doc.Open(f.folder.Path("before.opt")).IsAccepted());

        bool reset = false;
        const Outcome result = doc.Open(cut, &reset);
        EXPECT_EQ(result.GetReason(), "An attempt was made to access " + cut + " past its end.")
            << where;
        if (length < 11) {
            EXPECT_FALSE(reset) << where;
            ExpectSameDocument(doc, before, where);
        } else {
            EXPECT_TRUE(reset) << where;
            ExpectNewDocument(doc, f.settings, where);
        }
        if (::testing::Test::HasFailure()) break;
    }
}

// Offsets in the empty document: the underlying after the 11-byte tag, its symbol
// after its 32 bytes, option slot 1 after the 8-byte symbol text, the list and notes.
constexpr std::size_t kStockAt = 11;
constexpr std::size_t kSlot1At = 11 + 32 + 8;
constexpr std::size_t kCountAt = kSlot1At + 400;
constexpr std::size_t kNotesAt = kCountAt + 4;

Bytes Patched(Bytes bytes, std::size_t at, const Bytes& with) {
    return bytes.replace(at, with.size(), with);
}

// The bytes of one transaction: selling 1000 units of XYZ at 10 with a fee of 5, whose
// fields Set may change (offsets from the record's start; the name "XYZ" takes 4 bytes).
struct TranBytes {
    Bytes bytes = Time(CTime(1772460000)) + Int32(Stored(TranKind::kUnderlying)) +
                  Int32(Stored(AssetType::kStock)) + ShortText("XYZ") +
                  Int32(Stored(TranAction::kOpen)) + Int32(-1000) + Int32(1) + Int32(0) +
                  Float64(0) + Time(CTime(0)) + Int32(Stored(Side::kSell)) + Float64(10) +
                  Float64(-5);
    TranBytes& Set(std::size_t at, const Bytes& with) {
        bytes.replace(at, with.size(), with);
        return *this;
    }
};

// The empty document with one transaction in its list.
Bytes WithTransaction(const Bytes& empty, const TranBytes& tran) {
    return empty.substr(0, kCountAt) + Int32(1) + tran.bytes + Float64(0) + empty.substr(kNotesAt);
}

TEST(Document, DamagedFileIsRefusedAndLeavesANewDocument) {
    Fixture f;
    const Bytes empty = f.SavedBytes("empty.opt");
    ASSERT_EQ(empty.size(), kNotesAt + 1);
    const std::string kUnknown = "An unknown error occurred while accessing %1.";
    const std::string kPastEnd = "An attempt was made to access %1 past its end.";
    struct Case {
        const char* what;
        Bytes file;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"transaction count -1", Patched(empty, kCountAt, Int32(-1)), kUnknown},
        {"transaction count 101", Patched(empty, kCountAt, Int32(101)), kUnknown},
        {"transaction count 2^31-1", Patched(empty, kCountAt, Int32(0x7FFFFFFF)), kUnknown},
        {"strike not a number", Patched(empty, kSlot1At + 12, Float64(std::nan(""))), kUnknown},
        {"infinite volatility", Patched(empty, kSlot1At + 380, Float64(HUGE_VAL)), kUnknown},
        {"underlying side 7", Patched(empty, kStockAt + 24, Int32(7)), kUnknown},
        {"option type 3", Patched(empty, kSlot1At, Int32(3)), kUnknown},
        {"asset type -1", Patched(empty, kSlot1At + 252, Int32(-1)), kUnknown},
        {"notes of 2 GiB", empty.substr(0, kNotesAt) + "\xFF\xFF\xFF\xFF\xFF\xFF\x7F", kPastEnd},
        {"count 1, no transaction", Patched(empty, kCountAt, Int32(1)), kPastEnd},
        // Values the records' own setters refuse.
        {"underlying price -5", Patched(empty, kStockAt, Float64(-5)), kUnknown},
        {"underlying price 1e300", Patched(empty, kStockAt, Float64(1e300)), kUnknown},
        {"option premium -5", Patched(empty, kSlot1At + 20, Float64(-5)), kUnknown},
        {"strike beyond 1e12", Patched(empty, kSlot1At + 12, Float64(2e12)), kUnknown},
        {"days left -1", Patched(empty, kSlot1At + 36, Int32(-1)), kUnknown},
        {"units per contract -3", Patched(empty, kSlot1At + 56, Int32(-3)), kUnknown},
        {"volatility 1e300", Patched(empty, kSlot1At + 80, Float64(1e300)), kUnknown},
        {"transaction option type 7", WithTransaction(empty, TranBytes().Set(28, Int32(7))),
         kUnknown},
        {"transaction units per contract 0", WithTransaction(empty, TranBytes().Set(24, Int32(0))),
         kUnknown},
        {"transaction price 1e13", WithTransaction(empty, TranBytes().Set(48, Float64(1e13))),
         kUnknown},
    };
    for (const Case& c : cases) {
        const std::string path = f.folder.Path("damaged.opt");
        WriteFileBytes(path, c.file);
        Document doc(f.settings);
        MakeRich(doc, "B");
        bool reset = false;
        const Outcome result = doc.Open(path, &reset);
        EXPECT_TRUE(reset) << c.what;
        std::string expected = c.message;
        expected.replace(expected.find("%1"), 2, path);
        EXPECT_EQ(result.GetReason(), expected) << c.what;
        ExpectNewDocument(doc, f.settings, c.what);
    }
}

TEST(Document, OpenToleratesWhatEarlierFilesMayHold) {
    Fixture f;
    Bytes file = f.SavedBytes("empty.opt");
    file = Patched(file, kStockAt + 12, Int32(-5));  // a multiplier below 1
    file = file.substr(0, kNotesAt) +
           "\x04"
           "caf\xE9" +
           "bytes after the notes";
    const std::string path = f.folder.Path("old.opt");
    WriteFileBytes(path, file);

    const Outcome opened = f.doc.Open(path);
    ASSERT_TRUE(opened.IsAccepted()) << opened.GetReason();
    EXPECT_EQ(f.doc.GetStock().GetUnitsPerContract(), 1);
    EXPECT_EQ(f.doc.GetNotes(), "caf\xC3\xA9");  // Windows-1252 read as UTF-8

    ASSERT_TRUE(f.doc.Save(path).IsAccepted());
    const Bytes saved = ReadFileBytes(path);
    EXPECT_EQ(saved.substr(kNotesAt),
              "\x05"
              "caf\xC3\xA9");
}

// An earlier edition could leave a closing larger than its opening in the book. The book
// still opens, and a correction of the opening is not stopped by the closing that was
// already beyond it; a new closing beyond the holding is refused as always.
TEST(Document, BookHeldAgainstTheRulesStillTakesCorrections) {
    Fixture f;
    const Bytes empty = f.SavedBytes("empty.opt");
    TranBytes closing;  // buys back 2000 of the 1000 sold, a day later
    closing.Set(0, Time(CTime(1772460000 + 86400)))
        .Set(16, Int32(Stored(TranAction::kClose)))
        .Set(20, Int32(2000))
        .Set(44, Int32(Stored(Side::kBuy)));
    const std::string path = f.folder.Path("old.opt");
    WriteFileBytes(path, empty.substr(0, kCountAt) + Int32(2) + TranBytes().bytes + Float64(0) +
                             closing.bytes + Float64(0) + empty.substr(kNotesAt));
    const Outcome opened = f.doc.Open(path);
    ASSERT_TRUE(opened.IsAccepted()) << opened.GetReason();

    TranList& list = f.doc.GetTransactions();
    Tran corrected = list.At(0);
    corrected.SetPrice(11);
    EXPECT_TRUE(list.Change(0, corrected).IsAccepted());
    const Outcome more = list.Add(TranBuilder().Day(20).Underlying().Close().Buy(10).At(9));
    EXPECT_EQ(more.GetReason(), "Transaction tries to close out more units than are open");
}

TEST(Document, OpenNormalisesWhatTheSettersNormalise) {
    Fixture f;
    Bytes file = f.SavedBytes("empty.opt");
    file = Patched(file, kStockAt + 16, Float64(3));    // a fee of the wrong sign
    file = Patched(file, kSlot1At + 28, Float64(2.5));  // likewise
    file = Patched(file, kSlot1At + 36, Int32(30));     // 30 days left ...
    file = Patched(file, kSlot1At + 40, Float64(99));   // ... but 99 years
    file = Patched(file, kSlot1At + 96, Int32(-4));     // no lattice
    file = WithTransaction(file, TranBytes()
                                     .Set(20, Int32(1000))  // sold, yet counted as bought
                                     .Set(56, Float64(5)));
    const std::string path = f.folder.Path("normalised.opt");
    WriteFileBytes(path, file);

    const Outcome opened = f.doc.Open(path);
    ASSERT_TRUE(opened.IsAccepted()) << opened.GetReason();
    EXPECT_EQ(f.doc.GetStock().GetFees(), -3);
    const Option& slot = f.doc.GetOption(0);
    EXPECT_EQ(slot.GetFees(), -2.5);
    EXPECT_EQ(slot.GetYears(), 30 * Option::kYearsPerDay);
    EXPECT_EQ(slot.GetLatticeSteps(), 0);
    Tran sale;
    ASSERT_EQ(f.doc.GetTransactions().GetAt(0, sale), 0);
    EXPECT_EQ(sale.GetSignedUnits(), -1000);
    EXPECT_EQ(sale.GetFees(), -5);
    // The balance follows the units the getters show: 1000 sold at 10, less the fee.
    EXPECT_EQ(f.doc.GetTransactions().GetBalance(0), 9995);
}

TEST(Document, OpenOfAMissingFileChangesNothing) {
    Fixture f;
    MakeRich(f.doc, "A");
    const std::string kept = f.folder.Path("kept.opt");
    ASSERT_TRUE(f.doc.Save(kept).IsAccepted());
    const std::string missing = f.folder.Path("missing.opt");
    bool reset = true;
    EXPECT_EQ(f.doc.Open(missing, &reset).GetReason(), missing + " was not found.");
    EXPECT_FALSE(reset);
    Document before(f.settings);
    ASSERT_TRUE(before.Open(kept).IsAccepted());
    ExpectSameDocument(f.doc, before, "after the failed open");
}

TEST(Document, FailedSaveKeepsThePreviousFileAndPath) {
    Fixture f;
    const std::string first = f.folder.Path("first.opt");
    const std::string second = f.folder.Path("second.opt");
    ASSERT_TRUE(f.doc.Save(first).IsAccepted());
    WriteFileBytes(second, "the user's earlier file");
    f.doc.GetNotes() = std::string(100000, 'n');
    Outcome saved = Outcome::Accepted();
    {
        ScopedFileSizeLimit limit(8192);
        saved = f.doc.Save(second);
    }
    EXPECT_FALSE(saved.IsAccepted());
    EXPECT_EQ(saved.GetReason(), "Disk full while accessing " + second + ".");
    EXPECT_EQ(ReadFileBytes(second), "the user's earlier file");
    EXPECT_EQ(f.doc.GetPath(), first);
    EXPECT_EQ(f.folder.CountEntries(), 2) << "a temporary file was left behind";

    const std::string nowhere = f.folder.Path("no/such/folder.opt");
    saved = f.doc.Save(nowhere);
    EXPECT_FALSE(saved.IsAccepted());
    EXPECT_EQ(saved.GetReason(), nowhere + " contains an invalid path.");
    EXPECT_EQ(f.doc.GetPath(), first);
}

TEST(Document, ResetGivesTheNewDocumentOfTheSettings) {
    Fixture f;
    f.settings.assetType = AssetType::kFuture;
    f.settings.unitsPerContract = 50;
    f.settings.includeFees = true;
    f.settings.optionFees = 7.5;
    f.settings.underlyingFees = 3;
    f.settings.includeDividend = true;
    f.settings.dividend = 12;
    f.settings.volatility = 33;
    f.settings.interest = 61;
    MakeRich(f.doc, "A");
    ASSERT_TRUE(f.doc.Save(f.folder.Path("a.opt")).IsAccepted());

    f.doc.Reset();

    const Stock& stock = f.doc.GetStock();
    EXPECT_EQ(stock.GetSymbol(), "[Future]");
    EXPECT_EQ(stock.GetAssetType(), AssetType::kFuture);
    EXPECT_EQ(stock.GetUnitsPerContract(), 50);
    EXPECT_EQ(stock.GetFees(), -3);
    EXPECT_EQ(stock.GetSide(), Side::kNone);
    EXPECT_EQ(stock.GetPrice(), 0);
    EXPECT_EQ(stock.GetShares(), 0);
    for (int slot = 0; slot < kOptionSlots; ++slot) {
        const Option& option = f.doc.GetOption(slot);
        EXPECT_EQ(option.GetSide(), Side::kNone) << slot;
        EXPECT_EQ(option.GetStrike(), 0) << slot;
        EXPECT_EQ(option.GetUnitsPerContract(), 50) << slot;
        EXPECT_EQ(option.GetAssetType(), AssetType::kFuture) << slot;
        EXPECT_DOUBLE_EQ(option.GetVolatility(), 0.33) << slot;
        EXPECT_DOUBLE_EQ(option.GetInterestRate(), 0.061) << slot;
        EXPECT_DOUBLE_EQ(option.GetDividendYield(), 0.012) << slot;
        EXPECT_EQ(option.GetFees(), -7.5) << slot;
    }
    EXPECT_EQ(f.doc.GetOption(1).GetLatticeSteps(), 40) << "the rule's steps stay";
    EXPECT_EQ(f.doc.GetTransactions().GetCount(), 0);
    EXPECT_EQ(f.doc.GetNotes(), "");
    EXPECT_EQ(f.doc.GetPath(), "");

    // Advanced mode holds no positions and so charges no fees, as the editor does.
    f.settings.basicMode = false;
    f.doc.Reset();
    EXPECT_EQ(f.doc.GetStock().GetFees(), 0);
    EXPECT_EQ(f.doc.GetOption(3).GetFees(), 0);
}

TEST(Document, BooksOfAnySizeReadBackAndSaveIdentically) {
    Fixture f;
    for (const int count : {100, 101, 20000}) {
        const std::string where = std::to_string(count) + " transactions";
        f.doc.GetTransactions().CopyFrom(RandomBook(count, 7u + count));
        ASSERT_EQ(f.doc.GetTransactions().GetCount(), count) << "the generator ran dry";
        const std::string first = f.folder.Path("first.opt");
        ASSERT_TRUE(f.doc.Save(first).IsAccepted()) << where;
        const Bytes written = ReadFileBytes(first);
        // The classic layout for earlier versions; a larger book names its own layout.
        if (count <= TranList::kClassicMaxTransactions)
            EXPECT_EQ(written, LaidOut(f.doc)) << where;
        else
            EXPECT_EQ(written.substr(0, 19), ShortText("QualtrixonBook") + Int32(1)) << where;

        Document opened(f.settings);
        ASSERT_TRUE(opened.Open(first).IsAccepted()) << where;
        EXPECT_EQ(opened.GetTransactions(), f.doc.GetTransactions()) << where;
        const std::string second = f.folder.Path("second.opt");
        ASSERT_TRUE(opened.Save(second).IsAccepted()) << where;
        EXPECT_EQ(ReadFileBytes(second), written) << where;
    }
}

TEST(Document, AnExtendedBookOwesItsLayoutWarningOncePerDocument) {
    Fixture f;
    f.doc.GetTransactions().CopyFrom(RandomBook(100, 3));
    EXPECT_EQ(f.doc.TakeLayoutWarning(), "") << "the classic layout holds 100";
    f.doc.GetTransactions().CopyFrom(RandomBook(101, 3));
    const std::string kWarning =
        "This book holds more than 100 transactions, so it is saved in a layout that earlier "
        "versions of Qualtrixon cannot open.";
    EXPECT_EQ(f.doc.TakeLayoutWarning(), kWarning);
    ASSERT_TRUE(f.doc.Save(f.folder.Path("a.opt")).IsAccepted());
    EXPECT_EQ(f.doc.TakeLayoutWarning(), "");
    ASSERT_TRUE(f.doc.Open(f.folder.Path("a.opt")).IsAccepted());
    EXPECT_EQ(f.doc.TakeLayoutWarning(), "") << "its file is in the extended layout already";
    f.doc.Reset();
    f.doc.GetTransactions().CopyFrom(RandomBook(101, 3));
    EXPECT_EQ(f.doc.TakeLayoutWarning(), kWarning) << "a new document is warned again";
}

// The broker's ids live only in the extended layout (version 2): a small book with ids
// takes it, with its own warning, and every id comes back where it was.
TEST(Document, BrokerIdsReadBackInTheExtendedLayout) {
    Fixture f;
    for (const int count : {3, 150}) {
        const std::string where = std::to_string(count) + " transactions";
        TranList book = RandomBook(count, 11u + count);
        TranList withIds;
        for (int i = 0; i < book.GetCount(); ++i) {
            Tran tran = book.At(i);
            if (i % 2 == 0) tran.SetBrokerId("U" + std::to_string(9000 + i));
            ASSERT_TRUE(withIds.Add(tran).IsAccepted()) << where;
        }
        Document doc(f.settings);
        doc.GetTransactions().CopyFrom(withIds);
        const std::string path = f.folder.Path("ids.opt");
        EXPECT_EQ(doc.TakeLayoutWarning(),
                  count > 100 ? "This book holds more than 100 transactions, so it is saved in a "
                                "layout that earlier versions of Qualtrixon cannot open."
                              : "This book holds the broker's transaction ids, so it is saved in "
                                "a layout that earlier versions of Qualtrixon cannot open.")
            << where;
        ASSERT_TRUE(doc.Save(path).IsAccepted()) << where;
        EXPECT_EQ(ReadFileBytes(path).substr(0, 19), ShortText("QualtrixonBook") + Int32(2))
            << where;

        Document opened(f.settings);
        ASSERT_TRUE(opened.Open(path).IsAccepted()) << where;
        EXPECT_EQ(opened.GetTransactions(), withIds) << where;
        EXPECT_EQ(opened.GetTransactions().At(2).BrokerId(), "U9002") << where;
    }
}

TEST(Document, ExtendedFileOfALaterVersionOrTooFewBytesIsRefused) {
    Fixture f;
    f.doc.GetTransactions().CopyFrom(RandomBook(101, 5));
    const Bytes extended = f.SavedBytes("book.opt");
    const std::size_t countAt = kCountAt + 8;  // the longer tag and the version
    const struct {
        const char* what;
        Bytes file;
        bool reset;
        std::string message;
    } cases[] = {
        {"version 3", Patched(extended, 15, Int32(3)), false,
         "%1 was saved by a later version of Qualtrixon."},
        {"a count beyond the bytes left", Patched(extended, countAt, Int32(30000000)), true,
         "An attempt was made to access %1 past its end."},
        {"a negative count", Patched(extended, countAt, Int32(-1)), true,
         "An unknown error occurred while accessing %1."},
    };
    for (const auto& c : cases) {
        const std::string path = f.folder.Path("damaged.opt");
        WriteFileBytes(path, c.file);
        Document doc(f.settings);
        bool reset = !c.reset;
        const Outcome result = doc.Open(path, &reset);
        EXPECT_EQ(reset, c.reset) << c.what;
        std::string expected = c.message;
        expected.replace(expected.find("%1"), 2, path);
        EXPECT_EQ(result.GetReason(), expected) << c.what;
    }
}

}  // namespace
}  // namespace qx
