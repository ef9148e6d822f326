#include "journal/journal_results.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "journal/open_valuation.h"
#include "journal/results_csv.h"
#include "shell/settings.h"
#include "test_support/tran_builder.h"
#include "test_support/tran_list_fixture.h"
#include "tracker/stock.h"

namespace qx {
namespace {

Tran InApril(Tran tran, int day) {
    tran.SetDate(CTime(2026, 4, day, 10));
    return tran;
}

// Stock bought and sold in halves across two months, a short call expired, a long put
// closed at a loss, a long call exercised into stock, a dividend, and a call still open.
TranList Book() {
    TranList book;
    AddAll(book,
           {
               TranBuilder().Day(2).Underlying().Open().Buy(100).At(10).Fees(5),
               TranBuilder().Day(3).Underlying().Close().Sell(50).At(12).Fees(5),
               TranBuilder().Day(4).Call().Open().Sell(2).At(3).Fees(1),
               TranBuilder().Day(5).Dividend(40),
               InApril(TranBuilder().Underlying().Close().Sell(50).At(9).Fees(5), 2),
               InApril(TranBuilder().Call().Close().Buy(2), 3),
               InApril(TranBuilder().Put().Open().Buy(1).At(4).Fees(1), 6),
               InApril(TranBuilder().Put().Close().Sell(1).At(1).Fees(1), 7),
               InApril(TranBuilder().Call("Jun 60 Call", 60).Open().Buy(1).At(2).Fees(1), 9),
               InApril(TranBuilder().Call("Jun 45 Call", 45).Open().Buy(1).At(6), 10),
               InApril(TranBuilder().Call("Jun 45 Call", 45).Exercise(1, 50), 13),
           },
           "journal book");
    return book;
}

TEST(JournalResults, RealisesEachEntryAtItsAverageCostAndCountsRoundTrips) {
    const JournalResults results = ComputeResults(Book(), "XYZ");
    struct Entry {
        const char* name;
        Cents realised;
    };
    const Entry entries[] = {
        // 595 - 1005 / 2 = 92.50, then 445 - 502.50 = -57.50.
        {"XYZ", 3500},
        // 598 received, bought back at 0 when it expired.
        {"Jun 50 Call", 59800},
        {"Dividend", 4000},
        // 99 received for 401 paid.
        {"Jun 50 Put", -30200},
        {"Jun 60 Call", 0},
        // The premium is lost; the shares come in at the strike.
        {"Jun 45 Call", -60000},
    };
    ASSERT_EQ(results.series.size(), std::size(entries));
    for (std::size_t i = 0; i < std::size(entries); ++i) {
        EXPECT_EQ(results.series[i].name, entries[i].name);
        EXPECT_EQ(results.series[i].realised, entries[i].realised) << entries[i].name;
    }
    EXPECT_EQ(results.total, -22900);
    ASSERT_EQ(results.months.size(), 2u);
    EXPECT_EQ(results.months[0].realised, 13250);
    EXPECT_EQ(results.months[1].realised, -36150);

    EXPECT_EQ(results.closedTrades, 4);
    EXPECT_DOUBLE_EQ(results.WinRate(), 0.5);
    EXPECT_DOUBLE_EQ(results.AverageWin(), 316.5);
    EXPECT_DOUBLE_EQ(results.AverageLoss(), -451);
    EXPECT_DOUBLE_EQ(results.ProfitFactor(), 63300.0 / 90200.0);
    EXPECT_EQ(results.largestWin, 59800);
    EXPECT_EQ(results.largestLoss, -60000);

    ASSERT_EQ(results.open.size(), 2u);
    EXPECT_EQ(results.open[0].name, "XYZ");
    EXPECT_EQ(results.open[0].units, 100);
    EXPECT_DOUBLE_EQ(results.open[0].cost, -4500);
    EXPECT_EQ(results.open[1].name, "Jun 60 Call");
    EXPECT_DOUBLE_EQ(results.open[1].cost, -201);
}

TEST(JournalResults, MonthsSumToTheTotalToTheCent) {
    // Thirds of a cent on every close: rounding each month apart would drift.
    TranList book;
    std::vector<Tran> trades;
    for (int day = 2; day < 28; ++day) {
        trades.push_back(TranBuilder().Day(day, 9).Underlying().Open().Buy(3).At(10.01).Fees(0.01));
        trades.push_back(InApril(TranBuilder().Underlying().Close().Sell(1).At(10.02), day));
    }
    AddAll(book, trades, "thirds");
    const JournalResults results = ComputeResults(book, "XYZ");
    const Cents months =
        std::accumulate(results.months.begin(), results.months.end(), Cents{0},
                        [](Cents sum, const MonthResult& m) { return sum + m.realised; });
    EXPECT_EQ(months, results.total);
    EXPECT_EQ(results.total, results.series[0].realised);
}

TEST(JournalResults, ValuesOnlyWhatTheEditorsUnderlyingPrices) {
    TranList book = Book();
    AddAll(book,
           {InApril(TranBuilder().Call("ABC Jun 19 2026 10 Call", 10).Open().Buy(1).At(1), 14)},
           "another underlying");
    JournalResults results = ComputeResults(book, "XYZ");
    Stock stock;
    stock.SetSymbol("XYZ");
    stock.SetPrice(55);
    // After the June expiration an option is worth what exercise pays.
    ValueOpenPositions(results, stock, Settings(), CTime(2026, 7, 1));
    ASSERT_EQ(results.open.size(), 3u);
    EXPECT_TRUE(results.open[0].valued);
    EXPECT_DOUBLE_EQ(results.open[0].Unrealised(), 1000);
    EXPECT_TRUE(results.open[1].valued);
    EXPECT_DOUBLE_EQ(results.open[1].value, 0);
    EXPECT_FALSE(results.open[2].valued);

    const std::string csv = WriteResultsCsv(results);
    EXPECT_NE(csv.find("Total,-229.00\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("2026-04,-361.50\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("XYZ,100,-4500.00,5500.00,1000.00\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("ABC Jun 19 2026 10 Call,1,-100.00,,\r\n"), std::string::npos) << csv;
}

}  // namespace
}  // namespace qx
