#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "cli/stream_messages.h"
#include "shell/document.h"
#include "shell/settings.h"
#include "test_support/temp_folder.h"
#include "test_support/time_zone.h"

namespace qx {
namespace {

// A condor sold for a credit of 2 (puts 90/95, calls 105/110) with the underlying at
// 100, valued 2 March 2026 with 30 days left, saved as condor.opt.
class PositionCommandsTest : public testing::Test {
  protected:
    PositionCommandsTest() {
        Document doc(settings);
        const struct {
            OptionType type;
            double strike;
            Side side;
            double price;
        } legs[] = {{OptionType::kPut, 90, Side::kBuy, 1},
                    {OptionType::kPut, 95, Side::kSell, 2},
                    {OptionType::kCall, 105, Side::kSell, 2},
                    {OptionType::kCall, 110, Side::kBuy, 1}};
        for (int slot = 0; slot < 4; ++slot) {
            Option& option = doc.GetOption(slot);
            option.SetOptionType(legs[slot].type);
            option.SetUnderlyingPrice(100);
            option.SetStrike(legs[slot].strike);
            option.SetPrice(legs[slot].price);
            option.SetDates(CTime(2026, 3, 2), CTime(2026, 3, 31));
            option.SetSide(legs[slot].side);
            option.SetAssetType(AssetType::kStock);
            option.SetUnitsPerContract(100);
            option.SetContracts(1);
            option.SetInterestRate(0.05);
            option.SetVolatility(0.30);
        }
        const Outcome saved = doc.Save(document);
        EXPECT_TRUE(saved.IsAccepted()) << saved.GetReason();
    }

    struct Run {
        int code;
        std::string out;
        std::string err;
    };

    static Run RunWords(const std::vector<std::string>& words) {
        std::ostringstream out, err;
        const int code = RunCommandLine(words, out, err);
        return {code, out.str(), err.str()};
    }

    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    ScopedTimeZone zone{"UTC"};
    Settings settings;
    TempFolder folder;
    const std::string document = folder.Path("condor.opt");
};

TEST_F(PositionCommandsTest, TableWritesTheProfitByPriceAndDate) {
    const struct {
        std::vector<std::string> options;
        std::string firstRow;   // the highest price
        std::string centreRow;  // the current price, its last cell the expiration's payoff
    } cases[] = {
        {{}, "120.00,", "100.00,"},
        {{"--step", "2.5"}, "150.00,", "100.00,"},
        {{"--value", "--step", "5"}, "200.00,", "100.00,"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> words = {"table", document};
        words.insert(words.end(), c.options.begin(), c.options.end());
        const Run run = RunWords(words);
        ASSERT_EQ(run.code, kExitDone) << run.err;
        const std::vector<std::string> lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 42u);
        EXPECT_EQ(lines[0].rfind("Price,3/2/2026,3/3/2026,", 0), 0u) << lines[0];
        EXPECT_EQ(lines[1].rfind(c.firstRow, 0), 0u) << lines[1];
        EXPECT_EQ(lines[21].rfind(c.centreRow, 0), 0u) << lines[21];
    }
    // At 100 the condor keeps its whole credit of 200 at expiration.
    const std::string centre = Lines(RunWords({"table", document}).out)[21];
    EXPECT_EQ(centre.substr(centre.rfind(',')), ",200.00\r");
}

TEST_F(PositionCommandsTest, ValueWritesEachLegAndThePosition) {
    const Run run = RunWords({"value", document});
    ASSERT_EQ(run.code, kExitDone) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(
        lines[0].rfind("Leg,Description,Fair Value,Implied Volatility,Days Left,Fees,NET,", 0), 0u);
    EXPECT_EQ(lines[2].rfind("Option 2,Sell 1 Mar 2026 95 put,", 0), 0u) << lines[2];
    // The NET is the credit: 200 in, 200 out, 400 in.
    EXPECT_EQ(lines[5].rfind("Position,,,,,0,200.00,", 0), 0u) << lines[5];
}

TEST_F(PositionCommandsTest, PictureWritesPngOrPdf) {
    const struct {
        const char* file;
        std::vector<std::string> options;
        const char* magic;
    } cases[] = {{"g.png", {}, "\x89PNG"},
                 {"g.pdf", {"--greek", "theta", "--date", "2026-03-10"}, "%PDF"}};
    for (const auto& c : cases) {
        std::vector<std::string> words = {"picture", document, folder.Path(c.file)};
        words.insert(words.end(), c.options.begin(), c.options.end());
        const Run run = RunWords(words);
        ASSERT_EQ(run.code, kExitDone) << run.err;
        EXPECT_EQ(ReadFileBytes(folder.Path(c.file)).rfind(c.magic, 0), 0u) << c.file;
    }
}

TEST_F(PositionCommandsTest, ErrorsGoToStandardErrorWithExitTwo) {
    WriteFileBytes(folder.Path("damaged.opt"), std::string("\x0aQualtrixon\x05\x00\x00", 14));
    const std::string png = folder.Path("x.png");
    const std::vector<std::string> cases[] = {
        {"table"},
        {"table", folder.Path("missing.opt")},
        {"table", folder.Path("damaged.opt")},
        {"table", document, "--step", "0"},
        {"table", document, "--step", "2,5"},
        {"table", document, "--sideways"},
        {"value", document, "extra"},
        {"picture", document},
        {"picture", document, png, "--greek", "omega"},
        {"picture", document, png, "--date", "2026-04-30"},
        {"picture", document, png, "--date", "2026-02-30"},
        {"picture", document, folder.Path("no/such/x.png")},
    };
    for (const auto& words : cases) {
        const Run run = RunWords(words);
        EXPECT_EQ(run.code, kExitMisuse) << words.back();
        EXPECT_TRUE(run.out.empty()) << words.back();
        EXPECT_FALSE(run.err.empty()) << words.back();
    }
    // A damaged document is named as the window names it.
    Document window(settings);
    const Outcome opened = window.Open(folder.Path("damaged.opt"));
    ASSERT_FALSE(opened.IsAccepted());
    EXPECT_EQ(RunWords({"value", folder.Path("damaged.opt")}).err,
              "qualtrixon: " + StreamMessages::OneLine(opened.GetReason()) + "\n");
}

TEST_F(PositionCommandsTest, TheProgramWritesAPictureWithoutADisplay) {
    const std::string png = folder.Path("real.png");
    const std::string command =
        "env DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= " + std::string(QX_PROGRAM) + " picture " +
        document + " " + png;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_EQ(ReadFileBytes(png).rfind("\x89PNG", 0), 0u);
}

}  // namespace
}  // namespace qx
