#include "graph/profit_table_window_model.h"

#include <gtest/gtest.h>

#include <memory>

#include "graph/graph_controls.h"
#include "graph/graph_fixtures.h"
#include "test_support/recording_messages.h"
#include "test_support/temp_folder.h"

namespace qx {
namespace {

using C = TableControl;

// A sold 95/105 strangle for 2 each, 30 days, with a named underlying.
class ProfitTableWindowModelTest : public ::testing::Test {
  protected:
    ProfitTableWindowModelTest() {
        rows[1] = MakePut(95, 30, Side::kSell);
        rows[2] = MakeCall(105, 30, Side::kSell);
        rows[1].SetPrice(2);
        rows[2].SetPrice(2);
        stock.SetSymbol("XYZ");
    }

    ProfitTableWindowModel& Opened() {
        model =
            std::make_unique<ProfitTableWindowModel>(rows, stock, settings, messages, "plan.opt");
        EXPECT_TRUE(model->Open());
        return *model;
    }

    Option rows[4];
    Stock stock;
    Settings settings = WholeDaySettings();
    RecordingMessages messages;
    std::unique_ptr<ProfitTableWindowModel> model;
};

TEST_F(ProfitTableWindowModelTest, WithoutOptionsWarnsAsTheGraphDoes) {
    Option none[4];
    ProfitTableWindowModel empty(none, stock, settings, messages, "");
    EXPECT_FALSE(empty.Open());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, kNoOptionsCaption);
}

TEST_F(ProfitTableWindowModelTest, StepBoxKeepsTheStepInForceOnAnEntryThatIsNoPrice) {
    ProfitTableWindowModel& table = Opened();
    EXPECT_EQ(table.GetControl(C::kStepBox).text, "1.00");  // the graph's tick step
    const struct {
        const char* typed;
        const char* shown;
        const char* topRow;
    } cases[] = {{"2.5", "2.50", "150.00"}, {"2,5", "2.50", "150.00"}, {"abc", "2.50", "150.00"},
                 {"-3", "2.50", "150.00"},  {"0", "2.50", "150.00"},   {"5", "5.00", "200.00"}};
    for (const auto& c : cases) {
        table.LeaveBox(C::kStepBox, c.typed);
        EXPECT_EQ(table.GetControl(C::kStepBox).text, c.shown) << c.typed;
        EXPECT_EQ(table.RowHeader(0), c.topRow) << c.typed;
    }
}

TEST_F(ProfitTableWindowModelTest, SliderAndQuantityRecomputeTheCells) {
    ProfitTableWindowModel& table = Opened();
    const int row = ProfitTable::kCurrentRow;
    const std::string at30 = table.CellText(row, 0);
    table.MoveSlider(C::kVolatilitySlider, 60);
    EXPECT_EQ(table.GetControl(C::kVolatilityText).text, "0.600");
    // A sold strangle loses when volatility doubles.
    EXPECT_LT(table.GetTable().GetCell(row, 0), -200) << at30;
    table.ChooseItem(C::kQuantityList, 1);
    EXPECT_LT(table.GetTable().GetCell(row, 0), 0) << "a sold position's value is negative";
    EXPECT_EQ(table.GetTable().GetQuantity(), TableQuantity::kValue);
}

// The graph's slider reaches 500 %; the table's, opened from it, starts where it stands.
TEST_F(ProfitTableWindowModelTest, SliderStartsAtAVolatilityAboveNinetyNine) {
    for (Option& option : rows) option.SetVolatility(3.0);
    ProfitTableWindowModel& table = Opened();
    const Control& slider = table.GetControl(C::kVolatilitySlider);
    EXPECT_EQ(slider.position, 300);
    EXPECT_EQ(slider.maximum, 500);
    EXPECT_EQ(table.GetControl(C::kVolatilityText).text, "3.000");
}

TEST_F(ProfitTableWindowModelTest, CellsShadeBySignAndSize) {
    ProfitTableWindowModel& table = Opened();
    const int last = table.ColumnCount() - 1;
    const int centre = ProfitTable::kCurrentRow;  // at 100 the strangle keeps its 400
    const ColorRef gain = table.CellColor(centre, last);
    const ColorRef bigLoss = table.CellColor(0, last);
    const ColorRef smallLoss = table.CellColor(centre - 10, last);  // at 110 it loses 100
    EXPECT_GT(GreenOf(gain), RedOf(gain));
    EXPECT_GT(RedOf(bigLoss), GreenOf(bigLoss));
    EXPECT_GT(GreenOf(smallLoss), GreenOf(bigLoss)) << "a small loss is the lighter red";
    EXPECT_TRUE(table.IsMarkedRow(centre));
    EXPECT_TRUE(table.IsMarkedColumn(0));
    EXPECT_NE(table.ColumnHeader(last).find("(exp)"), std::string::npos);
}

TEST_F(ProfitTableWindowModelTest, ExportsCsvOrSaysWhyNot) {
    ProfitTableWindowModel& table = Opened();
    TempFolder folder;
    ASSERT_TRUE(table.Export(folder.Path("t.csv")));
    const std::string csv = ReadFileBytes(folder.Path("t.csv"));
    EXPECT_EQ(csv, table.SheetText(','));
    EXPECT_EQ(csv.rfind("Price,", 0), 0u);
    EXPECT_FALSE(table.Export(folder.Path("missing/t.csv")));
    EXPECT_NE(messages.LastText().find("missing/t.csv"), std::string::npos);
    EXPECT_EQ(table.SuggestedExportName(), "XYZ Profit Table");
}

TEST_F(ProfitTableWindowModelTest, PrintHeaderNamesThePosition) {
    const std::vector<std::string> header = Opened().PrintHeader();
    ASSERT_EQ(header.size(), 5u);
    EXPECT_EQ(header[0], "Profit Table: NET Profit");
    EXPECT_EQ(header[1], "plan.opt");
    EXPECT_EQ(header[2].rfind("XYZ at 100.00", 0), 0u) << header[2];
    EXPECT_NE(header[3].find("95 put at 2.00"), std::string::npos) << header[3];
}

}  // namespace
}  // namespace qx
